// What LoadGauge shows: which measurements its option words choose, the processor load from two
// readings of the system times, and the lines of its window.
#pragma once
#include <string>

struct GaugeOptions {
    bool bCpu;
    bool bRam;
    bool b2DHW;
    bool b3DHW;
};

// Option words after the program name, any order, any case; none (or none known) chooses all four.
GaugeOptions ParseGaugeCommandLine(const char* commandLine);

// Processor times of the whole machine, in 100 ns units, as the system reports them (kernel includes idle).
struct CpuTimes {
    unsigned long long idle;
    unsigned long long kernel;
    unsigned long long user;
};

// Percent of the elapsed processor time that was not idle, 0-100; 0 when no time passed.
unsigned int CpuLoadPercent(const CpuTimes& before, const CpuTimes& after);

struct GaugeSample {
    bool bHaveCpu;  // false until a second reading exists
    unsigned int nCpuPercent;
    unsigned long long nMemUsedMB;
    unsigned long long nMemTotalMB;
    bool bHaveSound;  // the default sound device could be opened and asked for its caps
    unsigned int nHw2DMax, nHw2DFree;
    unsigned int nHw3DMax, nHw3DFree;
};

// The window's text, one line per chosen measurement, lines separated by CR LF.
std::string FormatGaugeText(const GaugeOptions& options, const GaugeSample& sample);
