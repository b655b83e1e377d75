// LoadGauge: its option words, the load arithmetic, its window's lines, and the program itself.
#include <gtest/gtest.h>
#include <windows.h>
#include "GaugeLogic.h"

namespace {

TEST(LoadGaugeOptions, WordsInAnyCombinationAndNoneMeansAll) {
    struct Case {
        const char* commandLine;
        bool cpu, ram, hw2d, hw3d;
    } cases[] = {
        {"./LoadGauge.exe  -CPU  -RAM -2DHW  -3DHW", true, true, true, true},
        {"./LoadGauge.exe  -RAM -3DHW", false, true, false, true},
        {"./LoadGauge.exe ", true, true, true, true},
        {"./LoadGauge.exe", true, true, true, true},
        {"./LoadGauge.exe  -CPU ", true, false, false, false},
        {"LoadGauge.exe -3dhw\t-2DHW", false, false, true, true},
        {"\"C:\\Program Files\\Pellora\\LoadGauge.exe\" -RAM", false, true, false, false},
        {"\"C:\\a -CPU\\LoadGauge.exe\" -RAM", false, true, false, false},  // words inside the path do not count
        {"LoadGauge.exe -CPUX -RAM", false, true, false, false},            // unknown words are ignored
        {"LoadGauge.exe -bogus", true, true, true, true},
    };
    for (const auto& c : cases) {
        GaugeOptions o = ParseGaugeCommandLine(c.commandLine);
        EXPECT_EQ(c.cpu, o.bCpu) << c.commandLine;
        EXPECT_EQ(c.ram, o.bRam) << c.commandLine;
        EXPECT_EQ(c.hw2d, o.b2DHW) << c.commandLine;
        EXPECT_EQ(c.hw3d, o.b3DHW) << c.commandLine;
    }
}

TEST(LoadGaugeLoad, BusyShareOfTheElapsedProcessorTime) {
    struct Case {
        const char* name;
        CpuTimes before, after;  // idle, kernel (idle included), user
        unsigned int percent;
    } cases[] = {
        {"idle", {0, 0, 0}, {1000, 1000, 0}, 0},
        {"a quarter busy", {100, 200, 300}, {850, 1100, 400}, 25},
        {"fully busy", {5, 10, 10}, {5, 510, 510}, 100},
        {"no time passed", {7, 7, 7}, {7, 7, 7}, 0},
        {"counters went back", {1000, 2000, 3000}, {10, 20, 30}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.percent, CpuLoadPercent(c.before, c.after)) << c.name;
}

TEST(LoadGaugeText, OneLinePerChosenMeasurement) {
    GaugeSample s = {};
    s.bHaveCpu = true;
    s.nCpuPercent = 42;
    s.nMemUsedMB = 1536;
    s.nMemTotalMB = 4096;
    s.bHaveSound = true;
    s.nHw2DMax = 32;
    s.nHw2DFree = 30;
    s.nHw3DMax = 0;
    s.nHw3DFree = 0;
    EXPECT_EQ(
        "CPU load: 42 %\r\nMemory in use: 1536 of 4096 MB (37 %)\r\n2D H/W buffers: 2 in use, 30 free\r\n"
        "3D H/W buffers: 0 in use, 0 free",
        FormatGaugeText(GaugeOptions{true, true, true, true}, s));
    EXPECT_EQ("Memory in use: 1536 of 4096 MB (37 %)\r\n3D H/W buffers: 0 in use, 0 free",
              FormatGaugeText(GaugeOptions{false, true, false, true}, s));
    s.bHaveCpu = false;
    s.bHaveSound = false;
    EXPECT_EQ("CPU load: measuring...\r\n2D H/W buffers: no sound device",
              FormatGaugeText(GaugeOptions{true, false, true, false}, s));
    // More free than the maximum (a driver's odd caps) is not a negative count.
    s.bHaveSound = true;
    s.nHw2DMax = 1;
    s.nHw2DFree = 4;
    EXPECT_EQ("2D H/W buffers: 0 in use, 4 free", FormatGaugeText(GaugeOptions{false, false, true, false}, s));
}

struct GaugeWindow {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindGauge(HWND hWnd, LPARAM lParam) {
    GaugeWindow* g = reinterpret_cast<GaugeWindow*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char title[64] = "";
    ::GetWindowTextA(hWnd, title, sizeof(title));
    if (pid == g->pid && ::IsWindowVisible(hWnd) && std::string(title) == "LoadGauge") {
        g->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::string ShownText(HWND gauge) {
    char text[512] = "";
    DWORD_PTR got = 0;
    ::SendMessageTimeoutA(::GetDlgItem(gauge, 100), WM_GETTEXT, sizeof(text), (LPARAM)text, SMTO_NORMAL, 5000, &got);
    return text;
}

TEST(LoadGaugeProgram, ShowsTheChosenMeasurementsEverySecondAndClosesWithCodeZero) {
    struct Case {
        const char* options;
        std::vector<const char*> shown, hidden;
    } cases[] = {
        {" -RAM -3DHW", {"Memory in use: ", "3D H/W buffers: "}, {"CPU load", "2D H/W"}},
        {"", {"CPU load: ", "Memory in use: ", "2D H/W buffers: ", "3D H/W buffers: "}, {}},
    };
    for (const auto& c : cases) {
        std::string commandLine = std::string("./LoadGauge.exe ") + c.options;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(
            ::CreateProcessA("LoadGauge.exe", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << commandLine;
        GaugeWindow g = {pi.dwProcessId, nullptr};
        for (int i = 0; i < 200 && g.found == nullptr; ++i) {
            ::Sleep(50);
            ::EnumWindows(FindGauge, reinterpret_cast<LPARAM>(&g));
        }
        ASSERT_NE(nullptr, g.found) << commandLine;
        std::string first = ShownText(g.found);
        for (const char* s : c.shown)
            EXPECT_NE(std::string::npos, first.find(s)) << commandLine << ": " << first;
        for (const char* s : c.hidden)
            EXPECT_EQ(std::string::npos, first.find(s)) << commandLine << ": " << first;
        // After a second the processor line has a figure.
        ::Sleep(1300);
        std::string later = ShownText(g.found);
        if (first.find("CPU load") != std::string::npos) {
            EXPECT_NE(std::string::npos, later.find("CPU load: ")) << later;
            EXPECT_EQ(std::string::npos, later.find("measuring")) << later;
        }
        ::PostMessageA(g.found, WM_CLOSE, 0, 0);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 10000)) << commandLine;
        DWORD code = 1;
        ::GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(0u, code) << commandLine;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
}

}  // namespace
