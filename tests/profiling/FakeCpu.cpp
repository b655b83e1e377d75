#include "FakeCpu.h"
#include <cstring>
#include "profiling/ProcessorInfo.h"

namespace {

FakeCpu* g_fake = nullptr;

bool HasCpuid() {
    return g_fake->bHasCpuid;
}

void Cpuid(unsigned int leaf, unsigned int regs[4]) {
    ++g_fake->nCpuidCalls;
    regs[0] = regs[1] = regs[2] = regs[3] = 0;
    if (leaf == 0) {
        char v[12] = {};
        std::memcpy(v, g_fake->strVendor.data(), g_fake->strVendor.size() < 12 ? g_fake->strVendor.size() : 12);
        std::memcpy(&regs[1], v, 4);      // EBX
        std::memcpy(&regs[3], v + 4, 4);  // EDX
        std::memcpy(&regs[2], v + 8, 4);  // ECX
        regs[0] = 1;
    } else if (leaf == 1) {
        regs[0] = (g_fake->nFamily & 0x0F) << 8 | 0x21;  // model and stepping are not used
        regs[3] = g_fake->nFeatures;
    }
}

unsigned int LegacyFamily(int* pbNonIntel) {
    *pbNonIntel = g_fake->bLegacyNonIntel;
    return static_cast<unsigned int>(g_fake->nLegacyFamily);
}

unsigned int PassRate() {
    const std::vector<unsigned int>& r = g_fake->anPassRate;
    size_t i = g_fake->nPass == 0 ? 0 : g_fake->nPass - 1;
    return r[i < r.size() ? i : r.size() - 1];
}

unsigned long long ReadTimeStamp() {
    FakeCpu& f = *g_fake;
    // Cycles since the last read at the current pass's rate: ticks of 0.1 microsecond times MHz / 10.
    f.nStampMilli += (f.nCounter - f.nStampCounter) * PassRate();
    f.nStampCounter = f.nCounter;
    if (f.nStampReads++ > 0)
        f.nStampMilli += f.nStampJump * 1000;
    return f.nStampMilli / 1000;
}

BOOL QueryFrequency(LARGE_INTEGER* p) {
    p->QuadPart = g_fake->nFrequency;
    return g_fake->bFrequencyOk;
}

BOOL QueryCounter(LARGE_INTEGER* p) {
    g_fake->nCounter += g_fake->nCounterStep;
    p->QuadPart = static_cast<LONGLONG>(g_fake->nCounter);
    return TRUE;
}

void RunTimingLoop() {
    FakeCpu& f = *g_fake;
    size_t i = f.nLoopRuns < f.anLoopTicks.size() ? f.nLoopRuns : f.anLoopTicks.size() - 1;
    ++f.nLoopRuns;
    // The loop's own ticks come on top of the step of the counter read that ends it.
    f.nCounter += f.anLoopTicks[i] - f.nCounterStep;
}

int GetPriority() {
    return g_fake->nPriority;
}

BOOL SetPriority(int priority) {
    g_fake->anPrioritySets.push_back(priority);
    if (priority == THREAD_PRIORITY_TIME_CRITICAL)
        ++g_fake->nPass;
    g_fake->nPriority = priority;
    return TRUE;
}

unsigned int ReadClockSeconds() {
    FakeCpu& f = *g_fake;
    size_t i = f.nClockReads < f.anClockSeconds.size() ? f.nClockReads : f.anClockSeconds.size() - 1;
    ++f.nClockReads;
    return f.anClockSeconds[i];
}

unsigned long long TotalPhysicalBytes() {
    return g_fake->nPhysicalBytes;
}

void ReadSystemInfo(SYSTEM_INFO* p) {
    std::memset(p, 0, sizeof(*p));
    p->dwNumberOfProcessors = g_fake->nProcessors;
    p->dwProcessorType = g_fake->nProcessorType;
}

const CpuSeam kFakeSeam = {HasCpuid,           Cpuid,         LegacyFamily, ReadTimeStamp, QueryFrequency,
                           QueryCounter,       RunTimingLoop, GetPriority,  SetPriority,   ReadClockSeconds,
                           TotalPhysicalBytes, ReadSystemInfo};

}  // namespace

FakeCpu::FakeCpu() {
    g_fake = this;
    g_bNonIntel = 0;
    g_pCpuSeam = &kFakeSeam;
}

FakeCpu::~FakeCpu() {
    g_pCpuSeam = &g_realCpuSeam;
    g_bNonIntel = 0;
    g_fake = nullptr;
}
