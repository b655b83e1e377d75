// Processor identification, clock measurement, processor load and the one-line machine description.
// cpuspeed, cpuspeed2 and wincpufeatures are exported by name from Pellora.exe for other programs.
#pragma once
#include <string>

// Result of a clock measurement; all four 0 when no measurement could be made.
struct FreqInfo {
    unsigned int nCycles;        // clock cycles counted (or assumed) during the measurement
    unsigned int nMicroseconds;  // elapsed time of the measurement
    unsigned int nRawMHz;        // truncated
    unsigned int nNormMHz;       // rounded as the method prescribes
};

extern int g_bNonIntel;  // 1 once a vendor other than Intel has been seen; never cleared by the vendor check
extern const unsigned int g_anLoopCycles[12];  // cycles of one timing-loop iteration, by family
extern unsigned int g_nLastClockMHz;           // the clock MeasureClockMHz last found (handed to cpuspeed2)

const unsigned int kLoopIterations = 4000;
const unsigned int kFeatureTsc = 1u << 4;
const unsigned int kFeatureMmx = 1u << 23;
const unsigned int kFamilyNonIntel = 0x8000;

extern "C" {
unsigned int wincpufeatures();
FreqInfo cpuspeed(int clocks, int keepPriority);
int cpuspeed2(float fMHz);
}

bool IsCpuidSupported();
unsigned short GetProcessorFamily();
// Cycles of one loop iteration for a family value; families beyond the table take its last entry.
unsigned int LoopCyclesForFamily(unsigned int family);

FreqInfo MeasureByLoop(unsigned int cycles);
FreqInfo MeasureByCounterWindow(int keepPriority);
FreqInfo MeasureByRealTimeClock();

unsigned int MeasureClockMHz(char* mmxText);
// Megabytes in units of 1024000 bytes, adjusted to a multiple of 4 the way the description shows them.
unsigned long long RoundMemoryMB(unsigned long long megabytes);
std::string GetMemoryMB();
std::string DescribeSystem();
