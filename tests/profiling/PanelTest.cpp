// The profiler panel, the Profile Options menu and Begin Profiling on the real main dialog.
#include <gtest/gtest.h>
#include "FakeCpu.h"
#include "ProfilingTestSupport.h"
#include "profiling/BufferCounters.h"
#include "profiling/Profiler.h"
#include "resources/resource.h"
#include "support/TestSupport.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

namespace {

using profilingtest::RegistryGuard;

// The dialog on a scripted 200 MHz Pentium with MMX and 64 MB; members in order of construction, so the
// dialog's exit write-back happens before the registry is restored.
class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        g_nHW2DBuffers = g_nHW3DBuffers = g_nSW2DBuffers = g_nSW3DBuffers = 0;
        m_pDlg = new CPelloraDlg(nullptr);
        ASSERT_TRUE(m_pDlg->Create());
        m_app.m_pMainWnd = m_pDlg;
        m_app.m_pMainDlg = m_pDlg;
    }
    void TearDown() override {
        m_app.m_pMainDlg = nullptr;
        m_app.m_pMainWnd = nullptr;
        delete m_pDlg;
    }
    void Tick(UINT_PTR id) { ::SendMessageA(m_pDlg->m_hWnd, WM_TIMER, id, 0); }
    std::string Text(int id) { return m_pDlg->GetDlgItemText(id); }
    bool Checked(int id) { return (::GetMenuState(::GetMenu(m_pDlg->m_hWnd), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    RegistryGuard m_registry;
    FakeCpu m_cpu;
    CPelloraApp m_app;
    CPelloraDlg* m_pDlg = nullptr;
};

TEST_F(MainDialog, ShowsTheMachineDescriptionAtTheTop) {
    EXPECT_EQ("1 200MHz MMX Intel Pentium w/64 MB RAM", Text(IDC_SYSTEM_INFO));
}

TEST_F(MainDialog, TimerOneShowsLoadAndBufferCounts) {
    m_pDlg->m_overrides.bOverrideProfiler = 1;
    g_nHW2DBuffers = 1;
    g_nSW2DBuffers = 0;
    g_nHW3DBuffers = 2;
    g_nSW3DBuffers = 37;
    Tick(2);  // the test clock's timer leaves the panel alone
    EXPECT_EQ("", Text(IDC_2D_HARDWARE));
    EXPECT_EQ("", Text(IDC_CPU_USE));
    Tick(1);
    EXPECT_EQ("37 %  ", Text(IDC_CPU_USE));  // 38 cycles per iteration in 61 microseconds
    EXPECT_EQ(37u, m_pDlg->m_nCpuUse);
    EXPECT_EQ("1 buf.", Text(IDC_2D_HARDWARE));
    EXPECT_EQ("0 bufs.", Text(IDC_2D_SOFTWARE));
    EXPECT_EQ("2 bufs.", Text(IDC_3D_HARDWARE));
    EXPECT_EQ("37 bufs.", Text(IDC_3D_SOFTWARE));
    // Each tick replaces the boxes' texts.
    g_nHW2DBuffers = 0;
    g_nSW3DBuffers = 1;
    Tick(1);
    EXPECT_EQ("0 bufs.", Text(IDC_2D_HARDWARE));
    EXPECT_EQ("1 buf.", Text(IDC_3D_SOFTWARE));
    EXPECT_EQ("37 %  ", Text(IDC_CPU_USE));
}

TEST_F(MainDialog, LoadFigureIsShownWithinZeroToOneHundred) {
    m_pDlg->m_overrides.bOverrideProfiler = 1;
    struct Case {
        unsigned int ticks;  // of the shortest loop run, 0.1 microsecond each
        const char* shown;
    } cases[] = {{610, "37 %  "}, {380, "0 %  "}, {190, "100 %  "}, {10, "100 %  "}};
    for (const auto& c : cases) {
        m_cpu.anLoopTicks = {c.ticks};
        m_cpu.nLoopRuns = 0;
        Tick(1);
        EXPECT_EQ(c.shown, Text(IDC_CPU_USE)) << c.ticks << " ticks";
    }
}

TEST_F(MainDialog, WithoutTheProfilerFeatureOnlyTheCountsUpdate) {
    m_pDlg->m_overrides.bOverrideProfiler = 0;
    g_nHW3DBuffers = 1;
    Tick(1);
    Tick(1);
    EXPECT_EQ("", Text(IDC_CPU_USE));
    EXPECT_EQ(0u, m_cpu.nLoopRuns);
    EXPECT_EQ("1 buf.", Text(IDC_3D_HARDWARE));
    EXPECT_EQ("0 bufs.", Text(IDC_2D_HARDWARE));
}

TEST_F(MainDialog, ProfileMenuTogglesFlagCheckMarkAndDialogCopy) {
    struct Case {
        int id;
        int ProfileOptions::*flag;
    } cases[] = {{ID_PROFILE_CPU, &ProfileOptions::bCpuUse},
                 {ID_PROFILE_RAM, &ProfileOptions::bRamUse},
                 {ID_PROFILE_2DHW, &ProfileOptions::b2DHW},
                 {ID_PROFILE_3DHW, &ProfileOptions::b3DHW}};
    for (const auto& c : cases) {
        EXPECT_TRUE(Checked(c.id)) << c.id;
        ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        EXPECT_EQ(0, m_app.m_profile.*c.flag) << c.id;
        EXPECT_EQ(0, m_pDlg->m_profile.*c.flag) << c.id;
        EXPECT_FALSE(Checked(c.id)) << c.id;
    }
    EXPECT_EQ("", ProfilerOptionString(m_pDlg->m_profile));
    for (const auto& c : cases) {
        ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        EXPECT_EQ(1, m_app.m_profile.*c.flag) << c.id;
        EXPECT_EQ(1, m_pDlg->m_profile.*c.flag) << c.id;
        EXPECT_TRUE(Checked(c.id)) << c.id;
    }
    // "Pick App..." changes nothing.
    ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_PROFILE_PICKAPP, 0), 0);
    EXPECT_EQ(" -CPU  -RAM -2DHW  -3DHW", ProfilerOptionString(m_pDlg->m_profile));
    EXPECT_EQ(" -CPU  -RAM -2DHW  -3DHW", ProfilerOptionString(m_app.m_profile));
    EXPECT_FALSE(Checked(ID_PROFILE_PICKAPP));
}

TEST(ProfilerOptions, OptionWordsInTheirOrderWithTheirBlanks) {
    struct Case {
        ProfileOptions options;  // bCpuUse, b2DHW, b3DHW, bRamUse
        const char* words;
    } cases[] = {
        {{1, 1, 1, 1}, " -CPU  -RAM -2DHW  -3DHW"},
        {{0, 0, 1, 1}, " -RAM -3DHW"},
        {{0, 0, 0, 0}, ""},
        {{1, 0, 0, 0}, " -CPU "},
        {{0, 1, 0, 0}, " -2DHW "},
        {{1, 1, 0, 0}, " -CPU  -2DHW "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.words, ProfilerOptionString(c.options)) << "'" << c.words << "'";
    EXPECT_EQ("./LoadGauge.exe", g_strProfilerPath);
}

TEST(BufferCountText, OneIsABufferEverythingElseBuffers) {
    struct Case {
        unsigned int count;
        const char* text;
    } cases[] = {{0, "0 bufs."}, {1, "1 buf."}, {2, "2 bufs."}, {256, "256 bufs."}};
    for (const auto& c : cases)
        EXPECT_EQ(c.text, BufferCountText(c.count)) << c.count;
}

// Runs in a child process: the hand-over ends the process, so surviving to the end is the check.
TEST(ProfilingChild, BeginProfilingDuringARunStartsNothing) {
    if (!profilingtest::InChildProcess())
        GTEST_SKIP() << "runs in a child process of BeginProfiling.DuringARunNothingStarts";
    char previous[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof(previous), previous);
    {
        RegistryGuard registry;
        FakeCpu cpu;
        profilingtest::ScratchDir dir;
        ASSERT_TRUE(dir.AddStandInProfiler());
        ::SetCurrentDirectoryA(dir.Path().c_str());
        CPelloraApp app;
        CPelloraDlg dlg(nullptr);
        ASSERT_TRUE(dlg.Create());
        dlg.m_bTesting = 1;
        dlg.m_bDriverSelectPending = 0;
        ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BEGIN_PROFILING, BN_CLICKED),
                       (LPARAM)dlg.m_btnProfiling.m_hWnd);
        EXPECT_EQ(1, dlg.m_bDriverSelectPending);
        std::string record;
        EXPECT_FALSE(profilingtest::WaitForRecord(dir, 500, &record)) << record;
        ::SetCurrentDirectoryA(previous);
    }
    if (!::testing::Test::HasFailure())
        ::ExitProcess(profilingtest::kChildSurvived);
}

TEST(BeginProfiling, DuringARunNothingStarts) {
    if (profilingtest::InChildProcess())
        GTEST_SKIP();
    EXPECT_EQ(profilingtest::kChildSurvived,
              profilingtest::RunChildCase("ProfilingChild.BeginProfilingDuringARunStartsNothing"));
}

}  // namespace
