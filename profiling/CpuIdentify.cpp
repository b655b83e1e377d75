// Which processor this is: CPUID presence, the maker check, the feature flags and the family value.
#include "profiling/CpuSeam.h"
#include "profiling/ProcessorInfo.h"

int g_bNonIntel = 0;

const unsigned int g_anLoopCycles[12] = {0, 0, 0, 115, 47, 43, 38, 38, 38, 38, 38, 38};

namespace {

// Compares the vendor string of CPUID leaf 0 with Intel's, byte by byte.
void CheckVendor() {
    unsigned int regs[4] = {0, 0, 0, 0};
    g_pCpuSeam->Cpuid(0, regs);
    const unsigned int order[3] = {regs[1], regs[3], regs[2]};  // EBX, EDX, ECX
    const char intel[] = "GenuineIntel";
    for (int i = 0; i < 12; ++i) {
        char c = static_cast<char>((order[i / 4] >> (8 * (i % 4))) & 0xFF);
        if (c != intel[i])
            g_bNonIntel = 1;
    }
}

}  // namespace

bool IsCpuidSupported() {
    return g_pCpuSeam->HasCpuid();
}

extern "C" unsigned int wincpufeatures() {
    if (!IsCpuidSupported())
        return 0;
    CheckVendor();
    unsigned int regs[4] = {0, 0, 0, 0};
    g_pCpuSeam->Cpuid(1, regs);
    return regs[3];
}

unsigned short GetProcessorFamily() {
    unsigned int family;
    if (IsCpuidSupported()) {
        CheckVendor();
        unsigned int regs[4] = {0, 0, 0, 0};
        g_pCpuSeam->Cpuid(1, regs);
        family = (regs[0] >> 8) & 0x0F;
    } else if (g_pCpuSeam->LegacyFamily != nullptr) {
        family = g_pCpuSeam->LegacyFamily(&g_bNonIntel);
    } else {
        // No flag tests in this build: the newest family that can lack CPUID.
        family = 4;
    }
    if (g_bNonIntel == 1)
        family |= kFamilyNonIntel;
    return static_cast<unsigned short>(family);
}

unsigned int LoopCyclesForFamily(unsigned int family) {
    // The maker bit is not part of the family; families newer than the table run the loop like the last.
    family &= 0xFF;
    if (family > 11)
        family = 11;
    return g_anLoopCycles[family];
}
