// Choosing a driver and an output mode in the main dialog, against the scriptable DirectSound: the
// report's lines, the Tazro outcomes, the summary, the placeholders, the registry values and a choice
// during a run.
#include <cstring>
#include <string>
#include <vector>
#include "audio/SoundDevice.h"
#include "fakes/FakeDirectSound.h"
#include "resources/resource.h"
#include "sources/SourceSet.h"
#include "ui/CapabilityReport.h"
#include "ui/DriverList.h"
#include "ui/DriverTable.h"
#include "ui/MainDialogFixture.h"

using testsupport::DialogAnswerer;

namespace {

int g_nFakeDrivers = 3;

// The drivers of the fake card: the primary driver (no identifier), then "Fake Card 1", "Fake Card 2"...
HRESULT WINAPI EnumerateFakeDrivers(LPDSENUMCALLBACKA callback, LPVOID context) {
    callback(nullptr, "Primary Sound Driver", "", context);
    for (int i = 1; i < g_nFakeDrivers; ++i) {
        GUID guid = {0x1234000u + (unsigned)i, 0x11, 0x22, {1, 2, 3, 4, 5, 6, 7, (unsigned char)i}};
        std::string name = "Fake Card " + std::to_string(i);
        if (!callback(&guid, name.c_str(), "fake.drv", context))
            break;
    }
    return DS_OK;
}

using testsupport::ModuleDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class DriverSelectionTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        fakeds::Reset();
        fakeds::Boxes().clear();
        m_savedFactory = g_pfnCreateSoundDevice;
        m_savedBox = g_pfnAudioMessageBox;
        m_savedEnum = g_pfnEnumerateDrivers;
        g_pfnCreateSoundDevice = fakeds::CreateDevice;
        g_pfnAudioMessageBox = fakeds::RecordMessageBox;
        g_pfnEnumerateDrivers = EnumerateFakeDrivers;
        g_pszRuntimeFileOverride = nullptr;
        g_nFakeDrivers = 3;
    }
    void TearDown() override {
        MainDialogTest::TearDown();
        g_pfnCreateSoundDevice = m_savedFactory;
        g_pfnAudioMessageBox = m_savedBox;
        g_pfnEnumerateDrivers = m_savedEnum;
        g_pszRuntimeFileOverride = nullptr;
        EXPECT_EQ(0, fakeds::LiveObjects()) << "the probe left objects alive:\n" << fakeds::Dump();
    }

    void Notify(int id, int code) {
        HWND control = ::GetDlgItem(m_pDlg->m_hWnd, id);
        ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)control);
    }
    // Opens the driver list, picks the item at a position and closes the list, as the mouse does.
    void ChooseDriver(int position) {
        Notify(IDC_DRIVER_LIST, CBN_DROPDOWN);
        m_pDlg->m_cboDriver.SetCurSel(position);
        Notify(IDC_DRIVER_LIST, CBN_CLOSEUP);
    }
    void ChooseOutput(int position) {
        Notify(IDC_OUTPUT_LIST, CBN_DROPDOWN);
        m_pDlg->m_cboOutput.SetCurSel(position);
        Notify(IDC_OUTPUT_LIST, CBN_CLOSEUP);
    }
    std::string Summary() { return m_pDlg->m_edtAcceleration.GetWindowText(); }
    static std::string VersionDll(const char* variant) { return ModuleDir() + "verblock_" + variant + ".dll"; }

    SoundDeviceFactory m_savedFactory = nullptr;
    AudioMessageBoxFn m_savedBox = nullptr;
    DriverEnumerateFn m_savedEnum = nullptr;
};

TEST_F(DriverSelectionTest, CountLinesAreSingularForExactlyOne) {
    struct Case {
        const char* name;
        DWORD primary, hw2D, static2D, streaming2D, hw3D, static3D, streaming3D;
        std::vector<const char*> lines;
    } cases[] = {
        {"one of each",
         1,
         1,
         1,
         1,
         1,
         1,
         1,
         {"1 Primary buffer available\r\n", "1 Total 2D hardware mixing buffer available\r\n",
          "1 Static 2D hardware mixing buffer available\r\n", "1 Streaming 2D hardware mixing buffer available\r\n",
          "1 Total 3D hardware buffer available\r\n", "1 Static 3D hardware buffer available\r\n",
          "1 Streaming 3D hardware buffer available\r\n"}},
        {"none",
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         {"0 Primary buffers available\r\n", "0 Total 2D hardware mixing buffers available\r\n",
          "0 Total 3D hardware buffers available\r\n", "0 Static 3D hardware buffers available\r\n",
          "0 Streaming 3D hardware buffers available\r\n"}},
        {"two primaries, 3D static one and streaming two",
         2,
         32,
         32,
         2,
         16,
         1,
         2,
         {"2 Primary buffers available\r\n", "32 Total 2D hardware mixing buffers available\r\n",
          "2 Streaming 2D hardware mixing buffers available\r\n", "16 Total 3D hardware buffers available\r\n",
          "1 Static 3D hardware buffer available\r\n", "2 Streaming 3D hardware buffers available\r\n"}},
        {"3D static two and streaming one",
         1,
         0,
         0,
         0,
         3,
         2,
         1,
         {"2 Static 3D hardware buffers available\r\n", "1 Streaming 3D hardware buffer available\r\n"}},
    };
    OpenDialog();
    for (const Case& c : cases) {
        DSCAPS& caps = fakeds::script().caps;
        caps = DSCAPS{};
        caps.dwPrimaryBuffers = c.primary;
        caps.dwMaxHwMixingAllBuffers = c.hw2D;
        caps.dwMaxHwMixingStaticBuffers = c.static2D;
        caps.dwMaxHwMixingStreamingBuffers = c.streaming2D;
        caps.dwMaxHw3DAllBuffers = c.hw3D;
        caps.dwMaxHw3DStaticBuffers = c.static3D;
        caps.dwMaxHw3DStreamingBuffers = c.streaming3D;
        SetPane("");
        ChooseDriver(1);
        const std::string pane = PaneText();
        for (const char* line : c.lines)
            EXPECT_TRUE(Contains(pane, std::string("\n") + line)) << c.name << ": missing \"" << line << "\" in\n"
                                                                  << pane;
        EXPECT_EQ(c.hw2D != 0, g_bDSAccel != 0) << c.name;
        EXPECT_EQ(c.hw3D != 0, g_bDS3DAccel != 0) << c.name;
        EXPECT_TRUE(Contains(
            pane, std::string("DirectSound acceleration: <") + (c.hw2D ? "available" : "not available") + ">\r\n"))
            << c.name;
    }
}

TEST_F(DriverSelectionTest, TazroOutcomesGiveTheirTextsAndSummary) {
    struct Case {
        const char* name;
        bool runtime;
        const char* versionFile;  // null: the system directory's TAZRO.DLL (absent here)
        int status;
        const char* accel;
        const char* summaryTazro;
    } cases[] = {
        {"runtime absent", false, "verified", 0, "Tazro acceleration and compatibility: <not available>\r\n",
         "Tazro=no\r\n"},
        {"maker's runtime", true, "verified", 1,
         "Tazro acceleration and compatibility:- \r\n<available, compatibility 100% verified>\r\n", "Tazro=yes\r\n"},
        {"emulation product", true, "emulation", 1, "<available, compatibility 100% verified>\r\n", "Tazro=yes\r\n"},
        {"empty names", true, "empty", -1,
         "Tazro acceleration and compatibility:- \r\n<available, compatibility not verifiable on this system>\r\n",
         "Tazro=???\r\n"},
        {"another maker", true, "foreign", -2, "<WARNING: Tazro compatibility tests failed!>\r\n", "Tazro=no\r\n"},
    };
    fakeds::script().caps.dwMaxHwMixingAllBuffers = 4;
    for (const Case& c : cases) {
        fakeds::script().createRuntime = c.runtime ? S_OK : REGDB_E_CLASSNOTREG;
        const std::string file = VersionDll(c.versionFile);
        g_pszRuntimeFileOverride = file.c_str();
        OpenDialog();
        DialogAnswerer answers;
        answers.Click("Pellora", IDOK);
        ChooseDriver(2);
        EXPECT_EQ(c.status, g_nTazroStatus) << c.name;
        const std::string pane = PaneText();
        EXPECT_TRUE(Contains(pane, c.accel)) << c.name << ":\n" << pane;
        EXPECT_EQ(std::string("DS=yes\r\nDS3D=no\r\n") + c.summaryTazro, Summary()) << c.name;
        EXPECT_EQ(c.status == -2 ? 1u : 0u, answers.Answered()) << c.name << ": the warning box";
        CloseDialog();
    }
}

TEST_F(DriverSelectionTest, MissingRuntimeFileFailsTheCheckAndWarnsOncePerDriver) {
    fakeds::script().createRuntime = S_OK;
    OpenDialog();
    DialogAnswerer answers;
    std::string boxText;
    answers.Inspect(
        "Pellora",
        [](HWND box, void* context) {
            char text[1024] = "";
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
            *static_cast<std::string*>(context) = text;
        },
        &boxText, IDOK);
    answers.Click("Pellora", IDOK).Click("Pellora", IDOK);
    ChooseDriver(1);
    EXPECT_EQ(-2, g_nTazroStatus);
    EXPECT_TRUE(Contains(PaneText(),
                         "<WARNING: Tazro compatibility tests failed!>\r\n"
                         "  Selected drivers report Tazro capabilities\r\n"
                         "  but are failing Pellora Tazro compatibility tests.\r\n"
                         "  Drivers are not Zephal cerified and not Tazro algorithm based.\r\n"))
        << PaneText();
    EXPECT_EQ(1u, answers.Answered());
    EXPECT_EQ(kTazroWarningBox, boxText);
    ChooseDriver(1);
    EXPECT_EQ(1u, answers.Answered()) << "the same driver again: no box";
    ChooseDriver(2);
    EXPECT_EQ(2u, answers.Answered()) << "another driver: its first box";
}

TEST_F(DriverSelectionTest, WithoutTheThreadingFlagOnlyPresenceIsReported) {
    testsupport::WriteDword(kPelloraKey, "bOverrideThreading", 0);
    const struct {
        bool runtime;
        const char* line;
        const char* summary;
    } cases[] = {
        {true, "Tazro acceleration and compatibility:- \r\n<available>\r\n\r\n", "DS=no\r\nDS3D=no\r\nTazro=yes\r\n"},
        {false, "Tazro acceleration and compatibility: <not available>\r\n\r\n", "DS=no\r\nDS3D=no\r\nTazro=no\r\n"},
    };
    for (const auto& c : cases) {
        fakeds::script().createRuntime = c.runtime ? S_OK : REGDB_E_CLASSNOTREG;
        OpenDialog();
        ChooseDriver(1);
        EXPECT_TRUE(Contains(PaneText(), c.line)) << c.runtime << ":\n" << PaneText();
        EXPECT_EQ(c.summary, Summary()) << c.runtime;
        CloseDialog();
    }
}

TEST_F(DriverSelectionTest, ForcedSoftwareSummaryDeniesEverything) {
    fakeds::script().createRuntime = S_OK;
    fakeds::script().caps.dwMaxHwMixingAllBuffers = 32;
    fakeds::script().caps.dwMaxHw3DAllBuffers = 16;
    const std::string file = VersionDll("verified");
    g_pszRuntimeFileOverride = file.c_str();
    OpenDialog();
    m_pDlg->m_bHardwareAllowed = 0;
    ChooseDriver(1);
    EXPECT_EQ(1, g_nTazroStatus);
    EXPECT_EQ("DS=no\r\nDS3D=no\r\nTazro=no\r\n", Summary());
    m_pDlg->m_bHardwareAllowed = 1;
    ChooseDriver(1);
    EXPECT_EQ("DS=yes\r\nDS3D=yes\r\nTazro=yes\r\n", Summary());
}

TEST_F(DriverSelectionTest, PlaceholderLeavesOnOpeningAndComesBackAfterACancelledChoice) {
    const DWORD outputFlags[] = {0, 1};
    for (DWORD setOutput : outputFlags) {
        testsupport::WriteDword(kPelloraKey, "bOverrideSetOutput", setOutput);
        fakeds::Reset();
        OpenDialog();
        CComboBox& list = m_pDlg->m_cboDriver;
        ASSERT_EQ(4, list.GetCount());
        EXPECT_EQ(kDriverPlaceholder, list.GetLBText(list.GetCurSel()));
        EXPECT_EQ("Select Audio Output", m_pDlg->m_cboOutput.GetLBText(m_pDlg->m_cboOutput.GetCurSel()));
        Notify(IDC_DRIVER_LIST, CBN_DROPDOWN);
        ASSERT_EQ(3, list.GetCount()) << "placeholder removed";
        EXPECT_EQ("Primary Sound Driver", list.GetLBText(0));
        Notify(IDC_DRIVER_LIST, CBN_SELENDCANCEL);
        Notify(IDC_DRIVER_LIST, CBN_CLOSEUP);
        ASSERT_EQ(4, list.GetCount());
        EXPECT_EQ(kDriverPlaceholder, list.GetLBText(3)) << "appended at the end";
        EXPECT_EQ(3, list.GetCurSel());
        EXPECT_EQ(setOutput != 0, m_pDlg->m_cboOutput.IsWindowEnabled() != FALSE) << setOutput;
        EXPECT_EQ("", PaneText()) << "no probe";
        EXPECT_TRUE(fakeds::Calls().empty()) << fakeds::Dump();
        EXPECT_FALSE(m_pDlg->m_btnBeginTesting.IsWindowEnabled());

        // The next opening takes the placeholder away again; the choice probes the driver of its item.
        ChooseDriver(1);
        EXPECT_TRUE(Contains(PaneText(), "Device Selected: Fake Card 1\r\n")) << PaneText();
        EXPECT_TRUE(m_pDlg->m_btnBeginTesting.IsWindowEnabled());
        CloseDialog();
    }
}

TEST_F(DriverSelectionTest, EveryItemProbesItsOwnDriverAndDriversBeyondTheTableAreRefused) {
    g_nFakeDrivers = 11;
    OpenDialog();
    CComboBox& list = m_pDlg->m_cboDriver;
    ASSERT_EQ(12, list.GetCount()) << "all drivers listed";
    for (int i = 0; i < kDriverTableSize; ++i)
        EXPECT_EQ(i, g_aDriverTable[i].nIndex) << "entry " << i;

    // A selection moved with the keyboard while the list is closed: the placeholder stays at the top.
    list.SetCurSel(3);
    ChooseDriver(4);  // "Fake Card 3" with the placeholder still in the list
    ASSERT_EQ(12, list.GetCount());
    EXPECT_TRUE(Contains(PaneText(), "Device Selected: Fake Card 3\r\n")) << PaneText();
    DWORD value = 0;
    ASSERT_TRUE(testsupport::ReadDword(kPelloraKey, "CurrentGUID", &value));
    EXPECT_EQ((DWORD)(DWORD_PTR)g_aDriverTable[3].pGuid, value);
    std::string device;
    ASSERT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &device));
    EXPECT_EQ("Fake Card 3", device);

    // The tenth driver has no table entry: refused, no device opened, nothing written.
    fakeds::Reset();
    SetPane("");
    ChooseDriver(10);
    EXPECT_EQ("Fake Card 9", list.GetLBText(10));
    EXPECT_TRUE(Contains(PaneText(), "first 9 drivers")) << PaneText();
    EXPECT_FALSE(Contains(PaneText(), "Device Selected")) << PaneText();
    EXPECT_TRUE(fakeds::Calls().empty()) << fakeds::Dump();
    ASSERT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &device));
    EXPECT_EQ("Fake Card 3", device);
}

TEST_F(DriverSelectionTest, PrimaryDriverStoresNoIdentifierAndOthersTheirs) {
    OpenDialog();
    ChooseDriver(0);
    DWORD value = 1;
    std::string device;
    ASSERT_TRUE(testsupport::ReadDword(kPelloraKey, "CurrentGUID", &value));
    EXPECT_EQ(0u, value);
    ASSERT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &device));
    EXPECT_EQ("Primary Sound Driver", device);
    ChooseDriver(2);
    ASSERT_TRUE(testsupport::ReadDword(kPelloraKey, "CurrentGUID", &value));
    EXPECT_NE(0u, value);
    ASSERT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &device));
    EXPECT_EQ("Fake Card 2", device);
}

TEST_F(DriverSelectionTest, OutputListSetsTheModeAndSaysSo) {
    testsupport::WriteDword(kPelloraKey, "bOverrideSetOutput", 0);
    OpenDialog();
    ChooseDriver(0);
    CComboBox& out = m_pDlg->m_cboOutput;
    EXPECT_FALSE(out.IsWindowEnabled()) << "the flag is off";
    ASSERT_EQ(4, out.GetCount()) << "the probe took the placeholder away";
    EXPECT_EQ("External Speakers", out.GetLBText(out.GetCurSel())) << "mode 3 without the flag";
    EXPECT_EQ(3, m_pDlg->m_nOutputMode);

    SetPane("");
    ChooseOutput(3);
    EXPECT_EQ(4, m_pDlg->m_nOutputMode);
    EXPECT_EQ(4, m_pDlg->GetOutputModeChoice());
    EXPECT_EQ("\r\nOutput Mode on testing will be: Quad Speakers.\r\n", PaneText());

    // Cancelled: the mode stays, and with no selection the placeholder comes back.
    Notify(IDC_OUTPUT_LIST, CBN_DROPDOWN);
    out.SetCurSel(-1);
    Notify(IDC_OUTPUT_LIST, CBN_SELENDCANCEL);
    Notify(IDC_OUTPUT_LIST, CBN_CLOSEUP);
    EXPECT_EQ(4, m_pDlg->m_nOutputMode);
    EXPECT_EQ("Select Audio Output", out.GetLBText(out.GetCurSel()));
    EXPECT_EQ(0, m_pDlg->GetOutputModeChoice());
}

TEST_F(DriverSelectionTest, ChoiceDuringARunStopsItAndClearsThePaneFirst) {
    OpenDialog();
    ChooseDriver(1);
    m_pDlg->m_bTesting = 1;
    m_pDlg->m_pSources = new CSourceSet;
    int tazro = 0;
    ASSERT_EQ(0, m_pDlg->m_pSources->InitRenderer(m_pDlg->m_hWnd, nullptr, 0, &tazro));
    m_pDlg->SetTimer(2, 10);
    m_pDlg->m_btnBeginTesting.SetWindowText("Stop Testing");
    SetPane("commentary of the run\r\n");
    ChooseDriver(2);
    EXPECT_EQ(0, m_pDlg->m_bTesting);
    EXPECT_EQ(nullptr, m_pDlg->m_pSources);
    EXPECT_EQ("Begin Testing", m_pDlg->m_btnBeginTesting.GetWindowText());
    EXPECT_EQ(0u, PaneText().find("Device Selected: Fake Card 2\r\n")) << PaneText();
    EXPECT_FALSE(::KillTimer(m_pDlg->m_hWnd, 2)) << "timer 2 stopped";
}

}  // namespace

namespace {

TEST(DriverProbeFatalTest, DriverOpenedByNeitherRouteEndsTheProgramAfterItsCleanUp) {
    testsupport::DeleteKeyTree(kPelloraKey);
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    const std::string out = std::string(tmp) + "probefatal-boxes.txt";
    ::DeleteFileA(out.c_str());
    std::string cmd = "\"" + ModuleDir() + "probefatal.exe\" \"" + out + "\"";
    DWORD code = 0;
    ASSERT_TRUE(testsupport::RunProcess(cmd, 30000, &code)) << "started and ended in time";
    EXPECT_EQ((DWORD)-1, code);
    const std::string boxes = testsupport::ReadFileBytes(out.c_str());
    EXPECT_TRUE(Contains(boxes, "audio: ")) << "the device layer's box first:\n" << boxes;
    EXPECT_TRUE(Contains(boxes, "app: Failed to get Tazro or DirectSound...Exiting.\n")) << boxes;
    // The exit clean-up ran: the feature flags were written back.
    EXPECT_TRUE(testsupport::ValueExists(kPelloraKey, "bOverrideThreading"));
    ::DeleteFileA(out.c_str());
    testsupport::DeleteKeyTree(kPelloraKey);
}

}  // namespace
