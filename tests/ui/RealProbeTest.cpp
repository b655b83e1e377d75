// Probing "Primary Sound Driver" on Wine's own DirectSound, with and without the stand-in Tazro runtime
// installed in the system directory, and start-up while the runtime's server holds its event.
#include <cstdlib>
#include <string>
#include <vector>
#include "audio/TazroRuntime.h"
#include "resources/resource.h"
#include "ui/CapabilityReport.h"
#include "ui/MainDialogFixture.h"

namespace {

using testsupport::ModuleDir;

// The runtime is staged beside the tests' folders.
std::string RuntimeDir() {
    return ModuleDir() + "..\\..\\TazroRuntime\\";
}

std::string SystemDll() {
    char dir[MAX_PATH];
    ::GetSystemDirectoryA(dir, sizeof(dir));
    return std::string(dir) + "\\TAZRO.DLL";
}

using testsupport::CallExport;

PROCESS_INFORMATION Start(const std::string& cmd) {
    PROCESS_INFORMATION pi;
    if (!testsupport::StartProcess(cmd, &pi))
        pi.hProcess = nullptr;
    return pi;
}

std::string Report(const char* hw2D,
                   const char* hw3DTotal,
                   const char* hw3DStatic,
                   const char* hw3DStreaming,
                   const char* ds,
                   const char* ds3D,
                   const char* tazro,
                   const char* memory = "0",
                   const char* transfer = "0") {
    return std::string("Device Selected: Primary Sound Driver\r\n") + "DirectSound reports...\r\n" +
           "1 Primary buffer available\r\n" + hw2D + "\r\n" + hw3DTotal + "\r\n" + hw3DStatic + "\r\n" + hw3DStreaming +
           "\r\n" + memory + " Total bytes sound card memory static buffer storage\r\n" + transfer +
           " KB/sec Data transfer rate to hardware static buffers\r\n" +
           "200000 KB/sec Max sample rate supported by secondary buffers\r\n" +
           "100 KB/sec Min sample rate supported by secondary buffers\r\n" + "\r\n" +
           "Pellora is testing: <Primary Sound Driver> for :-\r\n" + "DirectSound acceleration: <" + ds + ">\r\n" +
           "DirectSound3D acceleration: <" + ds3D + ">\r\n" + tazro + "\r\n";
}

class RealProbeTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        testsupport::DeleteKeyTree(TAZRO_EMULATION_KEY);
        // A runtime left installed in the prefix would turn the plain DirectSound case into a runtime one.
        if (::GetFileAttributesA(SystemDll().c_str()) != INVALID_FILE_ATTRIBUTES) {
            m_bInstalled = true;
            UninstallRuntime();
        }
    }
    void TearDown() override {
        MainDialogTest::TearDown();
        UninstallRuntime();
    }
    void InstallRuntime() {
        ASSERT_TRUE(::CopyFileA((RuntimeDir() + "TAZRO.DLL").c_str(), SystemDll().c_str(), FALSE)) << RuntimeDir();
        ASSERT_TRUE(CallExport(SystemDll(), "DllRegisterServer"));
        m_bInstalled = true;
    }
    void UninstallRuntime() {
        if (!m_bInstalled)
            return;
        ::CoFreeUnusedLibraries();
        CallExport(SystemDll(), "DllUnregisterServer");
        ::DeleteFileA(SystemDll().c_str());
        m_bInstalled = false;
    }
    void Notify(int id, int code) {
        ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)::GetDlgItem(m_pDlg->m_hWnd, id));
    }
    void ChoosePrimaryDriver() {
        Notify(IDC_DRIVER_LIST, CBN_DROPDOWN);
        int item = m_pDlg->m_cboDriver.FindStringExact(-1, "Primary Sound Driver");
        ASSERT_GE(item, 0);
        m_pDlg->m_cboDriver.SetCurSel(item);
        Notify(IDC_DRIVER_LIST, CBN_CLOSEUP);
    }
    void ExpectRunControls(const OverrideFlags& flags, const char* context) {
        EXPECT_TRUE(m_pDlg->m_btnBeginTesting.IsWindowEnabled()) << context;
        EXPECT_EQ(flags.bOverrideForceSW != 0, m_pDlg->m_btnForceSoftware.IsWindowEnabled() != FALSE) << context;
        EXPECT_EQ(flags.bOverrideAutoPause != 0, m_pDlg->m_btnAutoPause.IsWindowEnabled() != FALSE) << context;
        EXPECT_EQ(flags.bOverrideAutoToggle != 0, m_pDlg->m_btnAutoToggle.IsWindowEnabled() != FALSE) << context;
        EXPECT_EQ(flags.bOverrideSetFormat != 0, m_pDlg->m_btnFormat.IsWindowEnabled() != FALSE) << context;
        EXPECT_EQ(flags.bOverrideSetOutput != 0, m_pDlg->m_cboOutput.IsWindowEnabled() != FALSE) << context;
    }
    void ExpectDeviceValues() {
        DWORD guid = 1;
        std::string device;
        ASSERT_TRUE(testsupport::ReadDword(kPelloraKey, "CurrentGUID", &guid));
        EXPECT_EQ(0u, guid);
        ASSERT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &device));
        EXPECT_EQ("Primary Sound Driver", device);
    }
    bool m_bInstalled = false;
};

TEST_F(RealProbeTest, WithoutTheRuntimeDirectSoundIsReported) {
    const struct {
        const char* name;
        bool allOn;
    } cases[] = {{"default flags", false}, {"optional controls off", true}};
    for (const auto& c : cases) {
        if (c.allOn) {
            const char* off[] = {"bOverrideForceSW", "bOverrideAutoPause", "bOverrideSetFormat"};
            for (const char* n : off)
                testsupport::WriteDword(kPelloraKey, n, 0);
            testsupport::WriteDword(kPelloraKey, "bOverrideSetOutput", 1);
        }
        OpenDialog();
        ChoosePrimaryDriver();
        EXPECT_EQ(Report("1 Total 2D hardware mixing buffer available\r\n"
                         "1 Static 2D hardware mixing buffer available\r\n"
                         "1 Streaming 2D hardware mixing buffer available",
                         "0 Total 3D hardware buffers available", "0 Static 3D hardware buffers available",
                         "0 Streaming 3D hardware buffers available", "available", "not available",
                         "Tazro acceleration and compatibility: <not available>\r\n"),
                  PaneText())
            << c.name;
        EXPECT_EQ("DS=yes\r\nDS3D=no\r\nTazro=no\r\n", m_pDlg->m_edtAcceleration.GetWindowText()) << c.name;
        EXPECT_EQ(0, g_nTazroStatus);
        ExpectDeviceValues();
        ExpectRunControls(m_pDlg->m_overrides, c.name);
        EXPECT_EQ(nullptr, m_pDlg->m_pSources) << "the probe's device is closed";
        CloseDialog();
    }
}

TEST_F(RealProbeTest, WithTheRuntimeItsPoolAndVerificationAreReported) {
    InstallRuntime();
    OpenDialog();
    ChoosePrimaryDriver();
    EXPECT_EQ(Report("32 Total 2D hardware mixing buffers available\r\n"
                     "32 Static 2D hardware mixing buffers available\r\n"
                     "32 Streaming 2D hardware mixing buffers available",
                     "16 Total 3D hardware buffers available", "16 Static 3D hardware buffers available",
                     "16 Streaming 3D hardware buffers available", "available", "available",
                     "Tazro acceleration and compatibility:- \r\n<available, compatibility 100% verified>\r\n",
                     "4194304", "100000"),
              PaneText());
    EXPECT_EQ("DS=yes\r\nDS3D=yes\r\nTazro=yes\r\n", m_pDlg->m_edtAcceleration.GetWindowText());
    EXPECT_EQ(1, g_nTazroStatus);
    ExpectDeviceValues();
    ExpectRunControls(m_pDlg->m_overrides, "runtime installed");
    // For a look at the report on screen: hold the dialog open for the given milliseconds.
    if (const char* hold = std::getenv("PELLORA_PROBE_HOLD_MS"))
        testsupport::PumpMessages((DWORD)std::atoi(hold));
}

TEST_F(RealProbeTest, RunningServerSwitchesTheFormatButtonOff) {
    InstallRuntime();
    PROCESS_INFORMATION server = Start("\"" + RuntimeDir() + "TazroSrv.exe\" 20");
    ASSERT_NE(nullptr, server.hProcess);
    bool running = false;
    for (int i = 0; i < 100 && !running; ++i) {
        HANDLE e = ::OpenEventA(SYNCHRONIZE, FALSE, TAZRO_SERVER_EVENT);
        running = e != nullptr;
        if (e != nullptr)
            ::CloseHandle(e);
        else
            ::Sleep(50);
    }
    EXPECT_TRUE(running);
    OpenDialog();
    EXPECT_EQ(0, m_pDlg->m_overrides.bOverrideSetFormat);
    ChoosePrimaryDriver();
    EXPECT_FALSE(m_pDlg->m_btnFormat.IsWindowEnabled()) << "set format stays off while the server runs";
    EXPECT_TRUE(m_pDlg->m_btnBeginTesting.IsWindowEnabled());
    CloseDialog();

    PROCESS_INFORMATION stop = Start("\"" + RuntimeDir() + "TazroSrv.exe\" /stop");
    if (stop.hProcess != nullptr) {
        ::WaitForSingleObject(stop.hProcess, 10000);
        ::CloseHandle(stop.hProcess);
        ::CloseHandle(stop.hThread);
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(server.hProcess, 10000));
    ::CloseHandle(server.hProcess);
    ::CloseHandle(server.hThread);

    // Without the server the same start-up offers the format button again (the exit stored the switched-off
    // flag, so start from a machine without stored flags).
    testsupport::DeleteKeyTree(kPelloraKey);
    OpenDialog();
    EXPECT_EQ(1, m_pDlg->m_overrides.bOverrideSetFormat);
}

}  // namespace
