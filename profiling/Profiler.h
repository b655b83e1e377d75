// The profiler panel's texts and load figure, and the hand-over to the outside profiler program.
#pragma once
#include <cstdint>
#include <string>
#include "profiling/ProfileOptions.h"

extern std::string g_strProfilerPath;  // "./LoadGauge.exe", relative to the current directory

// "1 buf." for exactly one buffer, "<n> bufs." otherwise.
std::string BufferCountText(unsigned int count);
// The load figure as the panel shows it, e.g. "37 %  ".
std::string CpuUseText(unsigned int percent);
// The processor load in percent, never above 100.
unsigned int MeasureCpuUse();

// The option words for the profiler, e.g. " -CPU  -RAM -2DHW  -3DHW" with all four chosen.
std::string ProfilerOptionString(const ProfileOptions& options);
// Starts the profiler without waiting: command line = path, a blank, the options. Returns the process
// handle, or -1 when the program could not be started.
intptr_t StartProfiler(const std::string& path, const std::string& options);
