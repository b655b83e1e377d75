// "Begin Profiling": hands over to the outside profiler with the chosen measurements, and ends Pellora.
#include <windows.h>
#include <process.h>
#include "profiling/Profiler.h"
#include "ui/PelloraDlg.h"

std::string g_strProfilerPath = "./LoadGauge.exe";

std::string ProfilerOptionString(const ProfileOptions& options) {
    std::string words;
    if (options.bCpuUse)
        words = " -CPU ";
    if (options.bRamUse)
        words += " -RAM";
    if (options.b2DHW)
        words += " -2DHW ";
    if (options.b3DHW)
        words += " -3DHW";
    return words;
}

intptr_t StartProfiler(const std::string& path, const std::string& options) {
    // The runtime joins the arguments with one blank and no quotes: the command line is exactly the
    // path, a blank and the option words. The path is not searched for, only taken as it stands.
    const char* argv[3] = {path.c_str(), options.c_str(), nullptr};
    return _spawnv(_P_NOWAIT, path.c_str(), argv);
}

void CPelloraDlg::OnBeginProfiling() {
    std::string options = ProfilerOptionString(m_profile);
    m_bDriverSelectPending = 1;
    if (m_bTesting)
        return;
    if (StartProfiler(g_strProfilerPath, options) == -1)
        return;  // no profiler: Pellora carries on, nothing is reported
    // The profiler takes over: no orderly exit, so the registry write-back and splash restore are skipped.
    ::TerminateProcess(::GetCurrentProcess(), 0);
}
