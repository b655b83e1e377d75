// A scripted processor and clock behind the measurement seam: vendor string, family and feature bits,
// a performance counter that advances by a fixed step per read, a time-stamp counter running at a
// scripted rate per pass (a pass begins when the thread is raised to time-critical), loop timings, clock
// seconds, memory and system information. One instance is installed at a time.
#pragma once
#include <string>
#include <vector>
#include "profiling/CpuSeam.h"

struct FakeCpu {
    bool bHasCpuid = true;
    std::string strVendor = "GenuineIntel";
    unsigned int nFamily = 6;
    unsigned int nFeatures = (1u << 4) | (1u << 23);  // time-stamp counter and MMX
    unsigned int nLegacyFamily = 4;                   // without CPUID: the family the flag tests find
    int bLegacyNonIntel = 0;

    BOOL bFrequencyOk = TRUE;
    long long nFrequency = 10000000;  // 10 MHz: one tick is 0.1 microsecond
    unsigned int nCounterStep = 50;   // ticks per counter read
    unsigned long long nCounter = 0;
    std::vector<unsigned int> anLoopTicks = {610};  // ticks of each timing-loop run, the last repeated
    size_t nLoopRuns = 0;

    // Time-stamp rate in hundredths of MHz, per pass; the last entry is repeated.
    std::vector<unsigned int> anPassRate = {20000};
    size_t nPass = 0;                      // passes begun (raises to time-critical)
    unsigned long long nStampMilli = 0;    // time-stamp counter in thousandths of a cycle
    unsigned long long nStampCounter = 0;  // counter value the stamp was last brought up to
    size_t nStampReads = 0;
    unsigned long long nStampJump = 0;  // added by every read after the first one (clock-method tests)

    int nPriority = 0;  // THREAD_PRIORITY_NORMAL
    std::vector<int> anPrioritySets;

    std::vector<unsigned int> anClockSeconds = {10};  // successive readings, the last repeated
    size_t nClockReads = 0;

    unsigned long long nPhysicalBytes = 64ull * 1024000;
    DWORD nProcessors = 1;
    DWORD nProcessorType = 586;

    size_t nCpuidCalls = 0;

    FakeCpu();
    ~FakeCpu();
    FakeCpu(const FakeCpu&) = delete;
    FakeCpu& operator=(const FakeCpu&) = delete;
};
