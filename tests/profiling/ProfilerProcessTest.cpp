// "Begin Profiling" in the real Pellora.exe: started as a process in a scratch folder with a stand-in
// profiler, the profile menu and the button driven by window messages.
#include <gtest/gtest.h>
#include "ProfilingTestSupport.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

namespace {

using namespace profilingtest;

TEST(ProfilerHandOver, StartsTheProfilerWithTheChosenWordsAndEndsWithCodeZero) {
    struct Case {
        const char* name;
        std::vector<int> toggles;
        const char* commandLine;
    } cases[] = {
        {"all four", {}, "./LoadGauge.exe  -CPU  -RAM -2DHW  -3DHW"},
        {"RAM and 3D", {ID_PROFILE_CPU, ID_PROFILE_2DHW}, "./LoadGauge.exe  -RAM -3DHW"},
        {"none", {ID_PROFILE_CPU, ID_PROFILE_RAM, ID_PROFILE_2DHW, ID_PROFILE_3DHW}, "./LoadGauge.exe "},
        {"CPU off and on, Pick App",
         {ID_PROFILE_CPU, ID_PROFILE_PICKAPP, ID_PROFILE_CPU, ID_PROFILE_3DHW},
         "./LoadGauge.exe  -CPU  -RAM -2DHW "},
    };
    RegistryGuard registry;
    testsupport::WriteDword(kPelloraKey, "bOverrideProfiler", 1);
    for (const Case& c : cases) {
        ScratchDir dir;
        ASSERT_TRUE(dir.AddStandInProfiler()) << c.name;
        PelloraProcess pellora;
        ASSERT_TRUE(StartPellora(dir.Path(), &pellora)) << c.name;
        HWND button = ::GetDlgItem(pellora.hDialog, IDC_BEGIN_PROFILING);
        EXPECT_TRUE(::IsWindowVisible(button)) << c.name;
        EXPECT_TRUE(::IsWindowEnabled(button)) << c.name;
        for (int id : c.toggles)
            SendCommand(pellora, id);
        SendCommand(pellora, IDC_BEGIN_PROFILING, BN_CLICKED);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pellora.pi.hProcess, 10000)) << c.name;
        DWORD code = 1;
        ::GetExitCodeProcess(pellora.pi.hProcess, &code);
        EXPECT_EQ(0u, code) << c.name;
        std::string record;
        EXPECT_TRUE(WaitForRecord(dir, 5000, &record)) << c.name;
        EXPECT_EQ(c.commandLine, record) << c.name;
    }
}

TEST(ProfilerHandOver, WithoutTheProgramPelloraCarriesOn) {
    RegistryGuard registry;
    testsupport::WriteDword(kPelloraKey, "bOverrideProfiler", 1);
    ScratchDir dir;
    PelloraProcess pellora;
    ASSERT_TRUE(StartPellora(dir.Path(), &pellora));
    SendCommand(pellora, IDC_BEGIN_PROFILING, BN_CLICKED);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), ::WaitForSingleObject(pellora.pi.hProcess, 500));
    // Still answering, and no message box came up.
    DWORD_PTR result = 0;
    EXPECT_NE(0, ::SendMessageTimeoutA(pellora.hDialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
    EXPECT_EQ(pellora.hDialog, ::GetLastActivePopup(pellora.hDialog));
}

}  // namespace
