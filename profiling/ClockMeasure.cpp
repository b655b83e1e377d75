// Clock measurement by three methods, chosen by cpuspeed, and the processor-load figure of cpuspeed2.
// Every division is guarded: a counter so fast (or so slow) that an interval computes to 0 microseconds
// gives "no measurement" (all zeros) rather than a quotient of nothing.
#include "profiling/CpuSeam.h"
#include "profiling/ProcessorInfo.h"

namespace {

const FreqInfo kNoMeasurement = {0, 0, 0, 0};

unsigned int Low32(const LARGE_INTEGER& value) {
    return static_cast<unsigned int>(value.QuadPart & 0xFFFFFFFFu);
}

// The counter frequency in units of 10 Hz (low 32 bits of the frequency); 0 when it is unavailable.
unsigned int FrequencyTenths() {
    LARGE_INTEGER frequency;
    if (!g_pCpuSeam->QueryFrequency(&frequency))
        return 0;
    return Low32(frequency) / 10;
}

unsigned int TicksToMicroseconds(unsigned int ticks, unsigned int frequencyTenths) {
    // 64-bit product: a long interval must not wrap before the division.
    return static_cast<unsigned int>(static_cast<unsigned long long>(ticks) * 100000u / frequencyTenths);
}

// Quotient rounded up when the remainder exceeds half the divisor.
unsigned int RoundedQuotient(unsigned long long dividend, unsigned long long divisor) {
    unsigned long long q = dividend / divisor;
    if (2 * (dividend % divisor) > divisor)
        ++q;
    return static_cast<unsigned int>(q);
}

unsigned int ReadCounter() {
    LARGE_INTEGER count;
    count.QuadPart = 0;
    g_pCpuSeam->QueryCounter(&count);
    return Low32(count);
}

// Shortest of ten timings of the loop, in microseconds; false when the frequency is unavailable.
bool TimeLoopMicroseconds(unsigned int* pMicroseconds) {
    unsigned int frequencyTenths = FrequencyTenths();
    if (frequencyTenths == 0)
        return false;
    unsigned int best = 0xFFFFFFFFu;
    for (int i = 0; i < 10; ++i) {
        unsigned int before = ReadCounter();
        g_pCpuSeam->RunTimingLoop();
        unsigned int ticks = ReadCounter() - before;
        if (ticks < best)
            best = ticks;
    }
    *pMicroseconds = TicksToMicroseconds(best, frequencyTenths);
    return true;
}

// One level above the given priority, staying within the levels a thread can have.
int NextPriorityLevel(int priority) {
    if (priority < THREAD_PRIORITY_LOWEST)
        return THREAD_PRIORITY_LOWEST;
    if (priority >= THREAD_PRIORITY_HIGHEST)
        return THREAD_PRIORITY_TIME_CRITICAL;
    return priority + 1;
}

}  // namespace

FreqInfo MeasureByLoop(unsigned int cycles) {
    unsigned int microseconds = 0;
    if (!TimeLoopMicroseconds(&microseconds) || microseconds == 0)
        return kNoMeasurement;
    FreqInfo info;
    info.nCycles = cycles;
    info.nMicroseconds = microseconds;
    info.nRawMHz = cycles / microseconds;
    info.nNormMHz = RoundedQuotient(cycles, microseconds);
    return info;
}

FreqInfo MeasureByCounterWindow(int keepPriority) {
    unsigned int frequencyTenths = FrequencyTenths();
    if (frequencyTenths == 0)
        return kNoMeasurement;
    unsigned long long totalCycles = 0;
    unsigned long long totalMicroseconds = 0;
    int mhz[3] = {0, 0, 0};  // this pass and the two before
    for (int pass = 1; pass <= 20; ++pass) {
        unsigned int t0 = ReadCounter();
        int priority = THREAD_PRIORITY_ERROR_RETURN;
        if (!keepPriority) {
            priority = g_pCpuSeam->GetPriority();
            if (priority != THREAD_PRIORITY_ERROR_RETURN)
                g_pCpuSeam->SetPriority(THREAD_PRIORITY_TIME_CRITICAL);
        }
        unsigned int now;
        unsigned long long stamp;
        do {
            now = ReadCounter();
            stamp = g_pCpuSeam->ReadTimeStamp();
        } while (now - t0 < 50);
        unsigned long long start = stamp;
        t0 = now;
        do {
            now = ReadCounter();
            stamp = g_pCpuSeam->ReadTimeStamp();
        } while (now - t0 < 1000);
        unsigned long long end = stamp;
        unsigned int t1 = now;
        if (priority != THREAD_PRIORITY_ERROR_RETURN)
            g_pCpuSeam->SetPriority(priority);

        unsigned int cycles = static_cast<unsigned int>(end - start);
        unsigned int microseconds = TicksToMicroseconds(t1 - t0, frequencyTenths);
        totalCycles += cycles;
        totalMicroseconds += microseconds;
        mhz[2] = mhz[1];
        mhz[1] = mhz[0];
        mhz[0] = microseconds != 0 ? static_cast<int>(RoundedQuotient(cycles, microseconds)) : 0;
        if (pass >= 3) {
            int sum = mhz[0] + mhz[1] + mhz[2];
            bool agree = true;
            for (int m : mhz) {
                int deviation = 3 * m - sum;
                if (deviation < -3 || deviation > 3)
                    agree = false;
            }
            if (agree)
                break;
        }
    }
    if (totalMicroseconds == 0)
        return kNoMeasurement;
    FreqInfo info;
    info.nCycles = static_cast<unsigned int>(totalCycles);
    info.nMicroseconds = static_cast<unsigned int>(totalMicroseconds);
    info.nRawMHz = static_cast<unsigned int>(totalCycles / totalMicroseconds);
    // Rounded up only from a tenths digit of 6, the hundredths digit first carried into the tenths.
    unsigned long long tenths = totalCycles * 10 / totalMicroseconds;
    unsigned long long hundredths = totalCycles * 100 / totalMicroseconds - 10 * tenths;
    if (hundredths >= 6)
        ++tenths;
    info.nNormMHz = tenths - 10ull * info.nRawMHz >= 6 ? info.nRawMHz + 1 : info.nRawMHz;
    return info;
}

FreqInfo MeasureByRealTimeClock() {
    int priority = g_pCpuSeam->GetPriority();
    if (priority != THREAD_PRIORITY_ERROR_RETURN)
        g_pCpuSeam->SetPriority(NextPriorityLevel(priority));
    unsigned int first = g_pCpuSeam->ReadClockSeconds();
    unsigned int previous;
    do {
        previous = g_pCpuSeam->ReadClockSeconds();
    } while (previous == first);
    unsigned long long start = g_pCpuSeam->ReadTimeStamp();
    unsigned int last;
    do {
        last = g_pCpuSeam->ReadClockSeconds();
    } while (last == previous);
    unsigned long long end = g_pCpuSeam->ReadTimeStamp();
    if (priority != THREAD_PRIORITY_ERROR_RETURN)
        g_pCpuSeam->SetPriority(priority);

    // The clock's seconds wrap from 59 to 0 once a minute; the step is counted modulo 60.
    unsigned int seconds = (last + 60 - previous) % 60;
    if (seconds == 0)
        seconds = 60;
    // MHz from the full 64-bit count: above 4295 MHz its low 32 bits alone wrap within a second.
    unsigned long long cycles = end - start;
    FreqInfo info;
    info.nCycles = static_cast<unsigned int>(cycles);
    info.nMicroseconds = seconds * 1000000u;
    info.nRawMHz = static_cast<unsigned int>(cycles / 1000000u);
    info.nNormMHz = (cycles / 100000u) % 10 >= 6 ? info.nRawMHz + 1 : info.nRawMHz;
    return info;
}

extern "C" FreqInfo cpuspeed(int clocks, int keepPriority) {
    unsigned short family = GetProcessorFamily();
    unsigned int features = wincpufeatures();
    if (family & kFamilyNonIntel)
        return kNoMeasurement;
    unsigned int cycles;
    bool manual = false;
    if (clocks >= 1 && clocks <= 150) {
        cycles = static_cast<unsigned int>(clocks) * kLoopIterations;
        manual = true;
    } else {
        // Automatic; above 150 the loop method (without a time-stamp counter) uses the family's cost too.
        cycles = LoopCyclesForFamily(family) * kLoopIterations;
    }
    if ((features & kFeatureTsc) && !manual)
        return clocks == 0 ? MeasureByCounterWindow(keepPriority) : MeasureByRealTimeClock();
    if ((family & 0xFF) < 3)
        return kNoMeasurement;
    return MeasureByLoop(cycles);
}

extern "C" int cpuspeed2(float fMHz) {
    (void)fMHz;  // part of the exported signature; the figure does not depend on it
    unsigned short family = GetProcessorFamily();
    unsigned int cycles = LoopCyclesForFamily(family) * kLoopIterations;
    unsigned int microseconds = 0;
    if (!TimeLoopMicroseconds(&microseconds) || microseconds == 0)
        return 0;
    double load = (1.0 - static_cast<double>(cycles) / (4000.0 * microseconds)) * 100.0;
    return static_cast<int>(load);
}
