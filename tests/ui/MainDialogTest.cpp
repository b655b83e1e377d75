// The main dialog's start-up, its system menu and Help entries, the keys that must not end it, and the
// registry work of start-up and exit.
#include "ui/MainDialogFixture.h"
#include "resources/resource.h"

using testsupport::DialogAnswerer;
using testsupport::ReadDword;

namespace {

struct ControlState {
    int id;
    bool visible;
    bool enabled;
};

void ExpectStates(HWND dlg, const ControlState* states, size_t n, const char* context) {
    for (size_t i = 0; i < n; ++i) {
        HWND h = ::GetDlgItem(dlg, states[i].id);
        ASSERT_NE(nullptr, h) << "control " << states[i].id;
        EXPECT_EQ(states[i].visible, ::IsWindowVisible(h) != FALSE) << context << ": visibility of " << states[i].id;
        EXPECT_EQ(states[i].enabled, ::IsWindowEnabled(h) != FALSE) << context << ": enabling of " << states[i].id;
    }
}

TEST_F(MainDialogTest, StartUpWithoutRegistryValuesOffersOnlyTheDefaultControls) {
    OpenDialog();
    const ControlState states[] = {
        {IDC_FORCE_SOFTWARE, true, false},   {IDC_AUTO_PAUSE, true, false},    {IDC_AUTO_TOGGLE, true, false},
        {IDC_BEGIN_PROFILING, false, false}, {IDC_PLAY_MIDI, false, false},    {IDC_FORMAT, true, false},
        {IDC_OUTPUT_LIST, true, false},      {IDC_BEGIN_TESTING, true, false}, {IDC_MIDI_LIST, true, true},
        {IDC_DRIVER_LIST, true, true},
    };
    ExpectStates(m_pDlg->m_hWnd, states, sizeof(states) / sizeof(states[0]), "defaults");
    // The template's first list items are there; the menu is attached with its check marks.
    EXPECT_EQ("Select Audio Driver", m_pDlg->m_cboDriver.GetLBText(0));
    ASSERT_EQ(5, m_pDlg->m_cboOutput.GetCount());
    EXPECT_EQ("Quad Speakers", m_pDlg->m_cboOutput.GetLBText(4));
    HMENU menu = m_pDlg->GetMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ((UINT)MF_CHECKED, ::GetMenuState(menu, ID_TEST_MAXOUT, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, ::GetMenuState(menu, ID_TEST_SELECTALL, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ("Pellora - DirectSound/DirectSound3D/Tazro Test Suite", m_pDlg->GetWindowText());
    EXPECT_EQ(22, m_pDlg->m_nPrimaryRate);
    EXPECT_EQ(3, m_pDlg->m_nOutputMode);
}

TEST_F(MainDialogTest, StoredFlagsDecideWhichOptionalControlsAreShown) {
    // Every optional feature off except the profiler, the MIDI button and the format button.
    const char* names[] = {"bOverrideAutoPause", "bOverrideAutoToggle", "bOverrideForceSW", "bOverrideSetOutput"};
    for (const char* n : names)
        testsupport::WriteDword(kPelloraKey, n, 0);
    testsupport::WriteDword(kPelloraKey, "bOverrideProfiler", 1);
    testsupport::WriteDword(kPelloraKey, "bOverrideMIDI", 1);
    OpenDialog();
    const ControlState states[] = {
        {IDC_FORCE_SOFTWARE, true, false},  // not shown by the flag, but the template leaves it visible
        {IDC_BEGIN_PROFILING, true, true},
        {IDC_PLAY_MIDI, true, false},
        {IDC_FORMAT, true, false},
    };
    ExpectStates(m_pDlg->m_hWnd, states, sizeof(states) / sizeof(states[0]), "profiler and MIDI on");
}

TEST_F(MainDialogTest, AboutComesFromTheSystemMenuAndFromHelp) {
    OpenDialog();
    HMENU sys = m_pDlg->GetSystemMenu(FALSE);
    char text[64] = "";
    ::GetMenuStringA(sys, IDM_ABOUTBOX, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("&About Pellora...", text);

    DialogAnswerer answers;
    answers.Click("About Pellora", IDOK).Click("About Pellora", IDOK);
    ::SendMessageA(m_pDlg->m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    Command(ID_HELP_ABOUT);
    EXPECT_EQ(2u, answers.Answered());
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
}

// Run modally, as the program does: Enter and Escape arrive while the dialog is in front, and only
// "E&xit" ends it.
TEST_F(MainDialogTest, EnterAndEscapeDoNotEndTheDialog) {
    CPelloraDlg* dlg = new CPelloraDlg(nullptr);
    m_app.m_pMainDlg = dlg;
    m_app.m_pMainWnd = dlg;
    auto press = [](HWND h, void*) {
        ::SetForegroundWindow(h);
        for (BYTE vk : {VK_RETURN, VK_ESCAPE}) {
            ::keybd_event(vk, 0, 0, 0);
            ::keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        }
    };
    DialogAnswerer answers;
    const char* title = "Pellora - DirectSound/DirectSound3D/Tazro Test Suite";
    answers.Inspect(title, press, nullptr, 0)
        .Inspect(
            title, [](HWND, void*) { testsupport::PumpMessages(0); }, nullptr, 0)
        .Click(title, ID_FILE_EXIT);
    EXPECT_EQ(IDCANCEL, dlg->DoModal());
    EXPECT_EQ(3u, answers.Answered()) << "the dialog ended before E&xit";
    m_app.m_pMainWnd = nullptr;
    m_app.m_pMainDlg = nullptr;
    delete dlg;
}

void ExpectStoredFlags(const int (&expected)[8], const char* context) {
    for (int i = 0; i < 8; ++i) {
        DWORD v = 99;
        EXPECT_TRUE(ReadDword(kPelloraKey, kOverrideNames[i], &v)) << context << ": " << kOverrideNames[i];
        EXPECT_EQ((DWORD)expected[i], v) << context << ": " << kOverrideNames[i];
    }
}

TEST_F(MainDialogTest, ExitAndCloseWriteTheFlagsAndRestoreTheSplash) {
    const int defaults[8] = {1, 1, 1, 0, 0, 0, 1, 1};
    for (int viaClose = 0; viaClose < 2; ++viaClose) {
        const char* how = viaClose ? "close" : "E&xit";
        testsupport::DeleteKeyTree(kPelloraKey);
        testsupport::WriteDword(kTazroKey, "SplashAudio", 1);
        testsupport::WriteDword(kTazroKey, "SplashScreen", 0);
        OpenDialog();
        DWORD audio = 9, screen = 9;
        ReadDword(kTazroKey, "SplashAudio", &audio);
        ReadDword(kTazroKey, "SplashScreen", &screen);
        EXPECT_EQ(0u, audio) << how << ": splash sound off while running";
        EXPECT_EQ(0u, screen) << how;
        EXPECT_FALSE(testsupport::ValueExists(kPelloraKey, "bOverrideMIDI")) << how << ": nothing written yet";
        if (viaClose) {
            ::SendMessageA(m_pDlg->m_hWnd, WM_CLOSE, 0, 0);
            testsupport::PumpMessages(50);  // the default handling posts the Cancel command
        } else
            Command(ID_FILE_EXIT);
        EXPECT_EQ(IDCANCEL, m_pDlg->m_nModalResult) << how;
        EXPECT_EQ(nullptr, m_pDlg->m_pSettings) << how;
        ExpectStoredFlags(defaults, how);
        ReadDword(kTazroKey, "SplashAudio", &audio);
        ReadDword(kTazroKey, "SplashScreen", &screen);
        EXPECT_EQ(1u, audio) << how << ": splash sound restored";
        EXPECT_EQ(0u, screen) << how;
        // Destroying the dialog afterwards must not write a second time over a changed registry.
        testsupport::WriteDword(kPelloraKey, "bOverrideMIDI", 7);
        CloseDialog();
        DWORD midi = 0;
        ReadDword(kPelloraKey, "bOverrideMIDI", &midi);
        EXPECT_EQ(7u, midi) << how << ": the exit path ran once";
    }
}

TEST_F(MainDialogTest, FlagsOtherThanOneReadAsZeroAndAreWrittenBackAsZero) {
    testsupport::WriteDword(kPelloraKey, "bOverrideAutoPause", 2);
    testsupport::WriteDword(kPelloraKey, "bOverrideMIDI", 1);
    OpenDialog();
    EXPECT_EQ(0, m_pDlg->m_overrides.bOverrideAutoPause);
    EXPECT_EQ(1, m_pDlg->m_overrides.bOverrideMIDI);
    Command(ID_FILE_EXIT);
    const int expected[8] = {0, 1, 1, 1, 0, 0, 1, 1};
    ExpectStoredFlags(expected, "flag stored as 2");
}

TEST_F(MainDialogTest, AbsentTazroKeyIsCreatedWithTheSplashOff) {
    OpenDialog();
    DWORD audio = 9, screen = 9;
    EXPECT_TRUE(ReadDword(kTazroKey, "SplashAudio", &audio));
    EXPECT_TRUE(ReadDword(kTazroKey, "SplashScreen", &screen));
    EXPECT_EQ(0u, audio);
    EXPECT_EQ(0u, screen);
    Command(ID_FILE_EXIT);
    EXPECT_TRUE(ReadDword(kTazroKey, "SplashAudio", &audio));
    EXPECT_EQ(0u, audio);
}

TEST_F(MainDialogTest, RunningRuntimeServerSwitchesTheFormatButtonOffUnlessStoredOn) {
    HANDLE serverEvent = ::CreateEventA(nullptr, FALSE, FALSE, "STazroSrvEvt");
    ASSERT_NE(nullptr, serverEvent);
    // First run: nothing stored, so the forced 0 is what is written back.
    OpenDialog();
    EXPECT_EQ(0, m_pDlg->m_overrides.bOverrideSetFormat);
    Command(ID_FILE_EXIT);
    DWORD v = 9;
    EXPECT_TRUE(ReadDword(kPelloraKey, "bOverrideSetFormat", &v));
    EXPECT_EQ(0u, v);
    CloseDialog();
    // A stored 1 wins, because the stored value is read after the forced 0.
    testsupport::WriteDword(kPelloraKey, "bOverrideSetFormat", 1);
    OpenDialog();
    EXPECT_EQ(1, m_pDlg->m_overrides.bOverrideSetFormat);
    CloseDialog();
    ::CloseHandle(serverEvent);
}

}  // namespace

#include "audio/SoundDevice.h"
#include "fakes/FakeDirectSound.h"
#include "sources/SourceSet.h"

namespace {

// A run's source set still open when the program is left: both ways out shut it down, and every device
// object obtained for it is released.
TEST_F(MainDialogTest, ExitAndCloseShutDownAnOpenSourceSet) {
    ::SetCurrentDirectoryA(m_szOldDir);  // the staged folder, with the recordings
    SoundDeviceFactory saved = g_pfnCreateSoundDevice;
    g_pfnCreateSoundDevice = fakeds::CreateDevice;
    for (int viaClose = 0; viaClose < 2; ++viaClose) {
        const char* how = viaClose ? "close" : "E&xit";
        fakeds::Reset();
        OpenDialog();
        m_pDlg->m_pSources = new CSourceSet;
        ASSERT_EQ(S_OK, m_pDlg->m_pSources->InitRenderer(m_pDlg->m_hWnd, nullptr, 0, nullptr)) << how;
        m_pDlg->m_pSources->StartMixingSource(0, 1);
        EXPECT_GT(fakeds::LiveObjects(), 0) << how;
        if (viaClose) {
            ::SendMessageA(m_pDlg->m_hWnd, WM_CLOSE, 0, 0);
            testsupport::PumpMessages(50);
        } else {
            Command(ID_FILE_EXIT);
        }
        EXPECT_EQ(nullptr, m_pDlg->m_pSources) << how;
        EXPECT_EQ(0, fakeds::LiveObjects()) << how << ": " << fakeds::Dump();
        CloseDialog();
    }
    g_pfnCreateSoundDevice = saved;
}

}  // namespace
