// The processor and clock reads the measurements are made of, gathered behind one table of functions so
// that a test can feed vendor strings, feature bits and counter sequences. The real table is constant
// data: an executable loaded as a library by another program runs no static constructors.
#pragma once
#include <windows.h>

struct CpuSeam {
    bool (*HasCpuid)();                                      // the ID bit of the flags register can be changed
    void (*Cpuid)(unsigned int leaf, unsigned int regs[4]);  // eax, ebx, ecx, edx
    // Family of a processor without CPUID (0, 2, 3 or 4), setting *pbNonIntel by the division test.
    // Null where such a processor cannot exist (64-bit builds).
    unsigned int (*LegacyFamily)(int* pbNonIntel);
    unsigned long long (*ReadTimeStamp)();
    BOOL (*QueryFrequency)(LARGE_INTEGER* pFrequency);
    BOOL (*QueryCounter)(LARGE_INTEGER* pCount);
    void (*RunTimingLoop)();  // 4000 iterations of bit-scan, 16-bit decrement, conditional jump
    int (*GetPriority)();     // of the calling thread; THREAD_PRIORITY_ERROR_RETURN when unreadable
    BOOL (*SetPriority)(int priority);
    unsigned int (*ReadClockSeconds)();  // seconds of the real-time clock, 0-59
    unsigned long long (*TotalPhysicalBytes)();
    void (*ReadSystemInfo)(SYSTEM_INFO* pInfo);
};

extern const CpuSeam g_realCpuSeam;
extern const CpuSeam* g_pCpuSeam;  // the table in use; tests replace it
