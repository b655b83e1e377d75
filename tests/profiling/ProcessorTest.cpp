// Processor identification and the clock methods, fed through a scripted processor and clock.
#include <gtest/gtest.h>
#include "FakeCpu.h"
#include "profiling/ProcessorInfo.h"

namespace {

std::string Describe(const FreqInfo& f) {
    return "{" + std::to_string(f.nCycles) + ", " + std::to_string(f.nMicroseconds) + ", " + std::to_string(f.nRawMHz) +
           ", " + std::to_string(f.nNormMHz) + "}";
}

bool AllZero(const FreqInfo& f) {
    return f.nCycles == 0 && f.nMicroseconds == 0 && f.nRawMHz == 0 && f.nNormMHz == 0;
}

TEST(ProcessorIdentity, VendorFamilyAndFeatureBits) {
    struct Case {
        const char* name;
        const char* vendor;
        unsigned int family;
        unsigned short expectedFamily;
        int expectedNonIntel;
    } cases[] = {
        {"Pentium", "GenuineIntel", 5, 5, 0},
        {"Pentium Pro", "GenuineIntel", 6, 6, 0},
        {"AMD", "AuthenticAMD", 15, 0x800F, 1},
        {"last byte differs", "GenuineIntem", 6, 0x8006, 1},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.strVendor = c.vendor;
        cpu.nFamily = c.family;
        cpu.nFeatures = 0x0080F9FF;
        EXPECT_EQ(0x0080F9FFu, wincpufeatures()) << c.name;
        EXPECT_EQ(c.expectedFamily, GetProcessorFamily()) << c.name;
        EXPECT_EQ(c.expectedNonIntel, g_bNonIntel) << c.name;
    }
}

TEST(ProcessorIdentity, NonIntelStaysSetAndMeasuresNothing) {
    FakeCpu cpu;
    cpu.strVendor = "AuthenticAMD";
    FreqInfo f = cpuspeed(0, 0);
    EXPECT_TRUE(AllZero(f)) << Describe(f);
    EXPECT_EQ(0u, cpu.nStampReads);
    // A later vendor check that matches does not clear the flag.
    cpu.strVendor = "GenuineIntel";
    EXPECT_NE(0u, wincpufeatures());
    EXPECT_EQ(1, g_bNonIntel);
    EXPECT_EQ(0x8006, GetProcessorFamily());
    EXPECT_TRUE(AllZero(cpuspeed(0, 0)));
}

TEST(ProcessorIdentity, WithoutCpuidTheFlagTestsDecideAndTheLoopMethodMeasures) {
    struct Case {
        const char* name;
        unsigned int legacyFamily;
        int legacyNonIntel;
        unsigned short expectedFamily;
        unsigned int expectedCycles;  // of cpuspeed(0, 0); 0 = no measurement
    } cases[] = {
        {"8086", 0, 0, 0, 0},           {"80286", 2, 0, 2, 0},
        {"80386", 3, 0, 3, 115 * 4000}, {"80486 without CPUID", 4, 0, 4, 47 * 4000},
        {"Cyrix 486", 4, 1, 0x8004, 0},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.bHasCpuid = false;
        cpu.nLegacyFamily = c.legacyFamily;
        cpu.bLegacyNonIntel = c.legacyNonIntel;
        cpu.anLoopTicks = {10000};  // 1000 microseconds
        EXPECT_FALSE(IsCpuidSupported()) << c.name;
        EXPECT_EQ(0u, wincpufeatures()) << c.name;
        EXPECT_EQ(c.expectedFamily, GetProcessorFamily()) << c.name;
        FreqInfo f = cpuspeed(0, 0);
        EXPECT_EQ(c.expectedCycles, f.nCycles) << c.name << " " << Describe(f);
        if (c.expectedCycles != 0) {
            EXPECT_EQ(1000u, f.nMicroseconds) << c.name;
            EXPECT_EQ(c.expectedCycles / 1000, f.nRawMHz) << c.name;
        }
        EXPECT_EQ(0u, cpu.nCpuidCalls) << c.name;
    }
}

// Counter window: each pass measures 1000 ticks (100 microseconds) at the pass's rate.
TEST(ClockCounterWindow, RoundsUpOnlyFromATenthsDigitOfSix) {
    struct Case {
        unsigned int rate;  // hundredths of MHz
        unsigned int raw;
        unsigned int norm;
    } cases[] = {
        {19950, 199, 199},  // 199.5
        {19960, 199, 200},  // 199.6
        {19955, 199, 199},  // 199.55: hundredths below 6 do not carry
        {19956, 199, 200},  // 199.56 carries into a tenths digit of 6
        {20000, 200, 200},
    };
    for (const auto& c : cases) {
        FakeCpu cpu;
        cpu.anPassRate = {c.rate};
        FreqInfo f = cpuspeed(0, 0);
        std::string name = "rate " + std::to_string(c.rate) + " " + Describe(f);
        EXPECT_EQ(3u, cpu.nPass) << name;
        EXPECT_EQ(300u, f.nMicroseconds) << name;
        EXPECT_EQ(3 * c.rate, f.nCycles) << name;
        EXPECT_EQ(c.raw, f.nRawMHz) << name;
        EXPECT_EQ(c.norm, f.nNormMHz) << name;
    }
}

TEST(ClockCounterWindow, StopsWhenThreePassesAgreeWithinOneMHzOrAfterTwenty) {
    struct Case {
        const char* name;
        std::vector<unsigned int> mhz;  // per pass, last repeated
        size_t passes;
    } cases[] = {
        {"steady", {300}, 3},
        {"settles after a slow start", {150, 280, 300, 300, 300}, 5},
        {"spread of exactly one around the mean", {299, 300, 301}, 3},
        {"spread beyond one", {298, 300, 301, 301}, 4},
        {"never settles", {290, 300}, 20},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.nPriority = THREAD_PRIORITY_NORMAL;
        cpu.anPassRate.clear();
        for (size_t i = 0; i < 30; ++i) {
            unsigned int m = i < c.mhz.size() ? c.mhz[i] : c.mhz.back();
            if (std::string(c.name) == "never settles")
                m = c.mhz[i % 2];
            cpu.anPassRate.push_back(m * 100);
        }
        FreqInfo f = cpuspeed(0, 0);
        EXPECT_EQ(c.passes, cpu.nPass) << c.name;
        EXPECT_EQ(100u * c.passes, f.nMicroseconds) << c.name;
        // Raised for every pass and put back after it.
        ASSERT_EQ(2 * c.passes, cpu.anPrioritySets.size()) << c.name;
        for (size_t i = 0; i < cpu.anPrioritySets.size(); ++i)
            EXPECT_EQ(i % 2 == 0 ? THREAD_PRIORITY_TIME_CRITICAL : THREAD_PRIORITY_NORMAL, cpu.anPrioritySets[i])
                << c.name << " set " << i;
        EXPECT_EQ(THREAD_PRIORITY_NORMAL, cpu.nPriority) << c.name;
    }
}

TEST(ClockCounterWindow, PriorityIsLeftAloneWhenAskedOrUnreadable) {
    {
        FakeCpu cpu;
        FreqInfo f = cpuspeed(0, 1);
        EXPECT_EQ(200u, f.nNormMHz) << Describe(f);
        EXPECT_TRUE(cpu.anPrioritySets.empty());
    }
    {
        FakeCpu cpu;
        cpu.nPriority = THREAD_PRIORITY_ERROR_RETURN;
        cpuspeed(0, 0);
        EXPECT_TRUE(cpu.anPrioritySets.empty());
    }
}

TEST(ClockLoopMethod, CallerCyclesTakeTheLoopEvenWithATimeStampCounter) {
    FakeCpu cpu;  // family 6 with a time-stamp counter
    cpu.anLoopTicks = {1600, 1500, 1700, 1500, 1550, 1800, 1600, 1600, 1650, 1520};
    FreqInfo f = cpuspeed(75, 0);
    EXPECT_EQ(75u * 4000, f.nCycles);
    EXPECT_EQ(150u, f.nMicroseconds);  // the shortest of ten runs
    EXPECT_EQ(2000u, f.nRawMHz);
    EXPECT_EQ(2000u, f.nNormMHz);
    EXPECT_EQ(10u, cpu.nLoopRuns);
    EXPECT_EQ(0u, cpu.nStampReads);
}

TEST(ClockLoopMethod, QuotientRoundsUpWhenTheRemainderExceedsHalf) {
    struct Case {
        int clocks;
        unsigned int ticks;
        unsigned int raw, norm;
    } cases[] = {
        {1, 30, 1333, 1333},  // 4000 / 3 = 1333.33
        {2, 30, 2666, 2667},  // 8000 / 3 = 2666.67
        {1, 80, 500, 500},    // 4000 / 8 exactly
        {1, 70, 571, 571},    // 571.43
    };
    for (const auto& c : cases) {
        FakeCpu cpu;
        cpu.anLoopTicks = {c.ticks};
        FreqInfo f = cpuspeed(c.clocks, 0);
        std::string name = std::to_string(c.clocks) + " clocks in " + std::to_string(c.ticks) + " ticks";
        EXPECT_EQ(c.raw, f.nRawMHz) << name;
        EXPECT_EQ(c.norm, f.nNormMHz) << name;
    }
}

TEST(ClockLoopMethod, AboveOneHundredFiftyWithoutTimeStampCounterUsesTheFamilyCost) {
    struct Case {
        unsigned int family;
        unsigned int cyclesPerIteration;
    } cases[] = {{3, 115}, {4, 47}, {5, 43}, {6, 38}, {15, 38}};
    for (const auto& c : cases) {
        FakeCpu cpu;
        cpu.nFamily = c.family;
        cpu.nFeatures = 0;
        cpu.anLoopTicks = {1000};
        FreqInfo f = cpuspeed(500, 0);
        EXPECT_EQ(c.cyclesPerIteration * 4000, f.nCycles) << "family " << c.family;
        EXPECT_EQ(100u, f.nMicroseconds) << "family " << c.family;
    }
}

TEST(ClockRealTimeClock, OneSecondOfTheClockRoundsFromASixInTheTenths) {
    struct Case {
        const char* name;
        std::vector<unsigned int> seconds;
        unsigned long long cycles;
        unsigned int raw, norm, microseconds;
    } cases[] = {
        {"199.5 MHz", {10, 10, 11, 11, 12}, 199500000, 199, 199, 1000000},
        {"199.6 MHz", {10, 11, 12}, 199600000, 199, 200, 1000000},
        {"across the minute", {58, 59, 59, 0}, 300000000, 300, 300, 1000000},
        {"above 4295 MHz", {1, 2, 3}, 5000700000ull, 5000, 5001, 1000000},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.nPriority = THREAD_PRIORITY_NORMAL;
        cpu.anClockSeconds = c.seconds;
        cpu.nStampJump = c.cycles;
        FreqInfo f = cpuspeed(200, 0);
        EXPECT_EQ(c.raw, f.nRawMHz) << c.name << " " << Describe(f);
        EXPECT_EQ(c.norm, f.nNormMHz) << c.name;
        EXPECT_EQ(c.microseconds, f.nMicroseconds) << c.name;
        EXPECT_EQ(static_cast<unsigned int>(c.cycles), f.nCycles) << c.name;
        EXPECT_EQ(2u, cpu.nStampReads) << c.name;
        // One level up while waiting, then back.
        ASSERT_EQ(2u, cpu.anPrioritySets.size()) << c.name;
        EXPECT_EQ(THREAD_PRIORITY_ABOVE_NORMAL, cpu.anPrioritySets[0]) << c.name;
        EXPECT_EQ(THREAD_PRIORITY_NORMAL, cpu.anPrioritySets[1]) << c.name;
    }
}

TEST(ClockFailures, NoFrequencyOrAZeroIntervalGivesNoMeasurementAndNoDivision) {
    struct Case {
        const char* name;
        BOOL frequencyOk;
        long long frequency;
        int clocks;
    } cases[] = {
        {"counter window without frequency", FALSE, 10000000, 0},
        {"loop without frequency", FALSE, 10000000, 75},
        {"counter window at 1 THz", TRUE, 1000000000000ll, 0},  // low 32 bits: 3567587328 Hz
        {"loop at 40 GHz", TRUE, 40000000000ll, 75},
        {"frequency below 10 Hz", TRUE, 5, 75},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.bFrequencyOk = c.frequencyOk;
        cpu.nFrequency = c.frequency;
        cpu.anLoopTicks = {20};
        FreqInfo f = cpuspeed(c.clocks, 0);
        EXPECT_TRUE(AllZero(f)) << c.name << " " << Describe(f);
        EXPECT_EQ(0, cpuspeed2(0.0f)) << c.name;
    }
}

TEST(ProcessorLoad, FigureFromTheShortestLoopTime) {
    struct Case {
        const char* name;
        const char* vendor;
        unsigned int family;
        unsigned int ticks;
        int load;
    } cases[] = {
        {"38 cycles in 61 us", "GenuineIntel", 6, 610, 37},
        {"38 cycles in 38 us", "GenuineIntel", 6, 380, 0},
        {"38 cycles in 19 us", "GenuineIntel", 6, 190, -100},
        {"family 3 in 230 us", "GenuineIntel", 3, 2300, 50},
        {"non-Intel family 6 uses its cost", "AuthenticAMD", 6, 610, 37},
        {"family 15 uses the last cost", "GenuineIntel", 15, 610, 37},
        {"family 2 costs nothing", "GenuineIntel", 2, 610, 100},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.strVendor = c.vendor;
        cpu.nFamily = c.family;
        cpu.anLoopTicks = {c.ticks + 100, c.ticks, c.ticks + 50};
        EXPECT_EQ(c.load, cpuspeed2(1234.0f)) << c.name;
        EXPECT_EQ(10u, cpu.nLoopRuns) << c.name;
    }
}

TEST(SystemDescription, MemoryIsShownInMultiplesOfFour) {
    struct Case {
        unsigned long long units;  // of 1024000 bytes
        const char* shown;
    } cases[] = {{64, "64"}, {65, "64"}, {66, "64"}, {67, "68"}, {68, "68"}, {16383, "16384"}, {2, "0"}};
    for (const auto& c : cases) {
        FakeCpu cpu;
        cpu.nPhysicalBytes = c.units * 1024000 + 1023999;  // truncated to whole units first
        EXPECT_EQ(c.shown, GetMemoryMB()) << c.units;
    }
}

TEST(SystemDescription, LineFromProcessorsClockMmxTypeAndMemory) {
    struct Case {
        const char* name;
        const char* vendor;
        unsigned int features;
        unsigned int rate;
        DWORD processors, type;
        unsigned long long units;
        const char* line;
    } cases[] = {
        {"MMX", "GenuineIntel", 0x00800010, 20000, 1, 586, 64, "1 200MHz MMX Intel Pentium w/64 MB RAM"},
        {"no MMX", "GenuineIntel", 0x00000010, 16600, 1, 586, 32, "1 166MHz  Intel Pentium w/32 MB RAM"},
        {"non-Intel", "AuthenticAMD", 0x00800010, 20000, 2, 586, 130, "2 ??MHz MMX Intel Pentium w/128 MB RAM"},
        {"486", "GenuineIntel", 0x00000010, 6600, 1, 486, 16, "1 66MHz  Intel 486 w/16 MB RAM"},
        {"386", "GenuineIntel", 0x00000010, 3300, 1, 386, 8, "1 33MHz  Intel 386 w/8 MB RAM"},
        {"MIPS", "GenuineIntel", 0x00000010, 10000, 1, 4000, 64, "1 100MHz  MIPS R4000 w/64 MB RAM"},
        {"Alpha", "GenuineIntel", 0x00000010, 15000, 1, 21064, 64, "1 150MHz  Alpha 21064 w/64 MB RAM"},
        {"x64", "GenuineIntel", 0x00800010, 300000, 8, 8664, 16384, "8 3000MHz MMX Unknown w/16384 MB RAM"},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.strVendor = c.vendor;
        cpu.nFeatures = c.features;
        cpu.anPassRate = {c.rate};
        cpu.nProcessors = c.processors;
        cpu.nProcessorType = c.type;
        cpu.nPhysicalBytes = c.units * 1024000;
        EXPECT_EQ(c.line, DescribeSystem()) << c.name;
    }
}

TEST(SystemDescription, AFailedMeasurementIsRetriedAThousandTimes) {
    FakeCpu cpu;
    cpu.strVendor = "AuthenticAMD";
    char mmx[8] = "";
    EXPECT_EQ(0u, MeasureClockMHz(mmx));
    EXPECT_STREQ("MMX ", mmx);
    // Each cpuspeed asks twice for the vendor and twice for leaf 1; the MMX check adds two more.
    EXPECT_EQ(2u + 1001u * 4u, cpu.nCpuidCalls);
}

}  // namespace
