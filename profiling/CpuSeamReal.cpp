// The real processor and clock reads. The flag-register tests for processors older than CPUID exist only
// in the 32-bit build: every 64-bit processor has CPUID.
#include <cpuid.h>
#include <x86intrin.h>
#include "profiling/CpuSeam.h"

namespace {

bool HasCpuidReal() {
#if defined(__i386__)
    unsigned int before, after;
    __asm__ volatile(
        "pushfl\n\t"
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl $0x200000, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "popfl\n\t"
        : "=&r"(before), "=&r"(after)
        :
        : "cc");
    return ((before ^ after) & 0x200000) != 0;
#else
    return true;
#endif
}

void CpuidReal(unsigned int leaf, unsigned int regs[4]) {
    __cpuid_count(leaf, 0, regs[0], regs[1], regs[2], regs[3]);
}

#if defined(__i386__)
unsigned int LegacyFamilyReal(int* pbNonIntel) {
    // Division test: designs other than Intel's leave the zero flag (set by the xor) untouched.
    unsigned char zeroFlag = 0;
    __asm__ volatile(
        "xorw %%dx, %%dx\n\t"
        "movw $0x5555, %%ax\n\t"
        "movw $2, %%cx\n\t"
        "divw %%cx\n\t"
        "setz %0\n\t"
        : "=q"(zeroFlag)
        :
        : "eax", "ecx", "edx", "cc");
    *pbNonIntel = zeroFlag ? 1 : 0;

    // 8086 class: bits 12-15 of the 16-bit flags cannot be cleared.
    unsigned short flags = 0;
    __asm__ volatile(
        "pushfw\n\t"
        "pushfw\n\t"
        "popw %%ax\n\t"
        "andw $0x0fff, %%ax\n\t"
        "pushw %%ax\n\t"
        "popfw\n\t"
        "pushfw\n\t"
        "popw %0\n\t"
        "popfw\n\t"
        : "=r"(flags)
        :
        : "eax", "cc");
    if ((flags & 0xF000) == 0xF000)
        return 0;

    // 80286: bits 12-15 cannot be set.
    __asm__ volatile(
        "pushfw\n\t"
        "pushfw\n\t"
        "popw %%ax\n\t"
        "orw $0xf000, %%ax\n\t"
        "pushw %%ax\n\t"
        "popfw\n\t"
        "pushfw\n\t"
        "popw %0\n\t"
        "popfw\n\t"
        : "=r"(flags)
        :
        : "eax", "cc");
    if ((flags & 0xF000) == 0)
        return 2;

    // 80386: the alignment-check bit cannot be changed (tested on a 4-aligned stack).
    unsigned int changed = 0;
    __asm__ volatile(
        "movl %%esp, %%edx\n\t"
        "andl $-4, %%esp\n\t"
        "pushfl\n\t"
        "popl %%eax\n\t"
        "movl %%eax, %%ecx\n\t"
        "xorl $0x40000, %%eax\n\t"
        "pushl %%eax\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %%eax\n\t"
        "pushl %%ecx\n\t"
        "popfl\n\t"
        "movl %%edx, %%esp\n\t"
        "xorl %%ecx, %%eax\n\t"
        "andl $0x40000, %%eax\n\t"
        : "=a"(changed)
        :
        : "ecx", "edx", "cc");
    if (changed == 0)
        return 3;
    return 4;
}
#endif

unsigned long long ReadTimeStampReal() {
    return __rdtsc();
}

void RunTimingLoopReal() {
    // The loop body whose cost per iteration the family table gives.
    __asm__ volatile(
        "movl $0x80000000, %%eax\n\t"
        "movw $4000, %%cx\n\t"
        "1:\n\t"
        "bsfl %%eax, %%edx\n\t"
        "decw %%cx\n\t"
        "jnz 1b\n\t"
        :
        :
        : "eax", "ecx", "edx", "cc");
}

// Wrapped, not named directly in the table: the address of an imported function is known only at run
// time, and the table must be constant data.
BOOL QueryFrequencyReal(LARGE_INTEGER* pFrequency) {
    return ::QueryPerformanceFrequency(pFrequency);
}

BOOL QueryCounterReal(LARGE_INTEGER* pCount) {
    return ::QueryPerformanceCounter(pCount);
}

int GetPriorityReal() {
    return ::GetThreadPriority(::GetCurrentThread());
}

BOOL SetPriorityReal(int priority) {
    return ::SetThreadPriority(::GetCurrentThread(), priority);
}

unsigned int ReadClockSecondsReal() {
    // Windows NT does not let a program read the clock's I/O ports; the system time ticks with it.
    SYSTEMTIME now;
    ::GetSystemTime(&now);
    return now.wSecond;
}

unsigned long long TotalPhysicalBytesReal() {
    // The extended status: the plain one caps the figure at 2 or 4 GB in a 32-bit process.
    MEMORYSTATUSEX status;
    status.dwLength = sizeof(status);
    if (!::GlobalMemoryStatusEx(&status))
        return 0;
    return status.ullTotalPhys;
}

void ReadSystemInfoReal(SYSTEM_INFO* pInfo) {
    ::GetSystemInfo(pInfo);
}

}  // namespace

const CpuSeam g_realCpuSeam = {
    HasCpuidReal,       CpuidReal,
#if defined(__i386__)
    LegacyFamilyReal,
#else
    nullptr,
#endif
    ReadTimeStampReal,  QueryFrequencyReal, QueryCounterReal,     RunTimingLoopReal,
    GetPriorityReal,    SetPriorityReal,    ReadClockSecondsReal, TotalPhysicalBytesReal,
    ReadSystemInfoReal,
};

const CpuSeam* g_pCpuSeam = &g_realCpuSeam;
