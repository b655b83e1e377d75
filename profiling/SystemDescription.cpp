// The one-line machine description of the main window: processors, clock, MMX, processor type, memory.
#include <cstdio>
#include <cstring>
#include "profiling/CpuSeam.h"
#include "profiling/ProcessorInfo.h"

unsigned int g_nLastClockMHz = 0;

namespace {

const char* ProcessorTypeName(DWORD type) {
    switch (type) {
        case 386:
            return "Intel 386";
        case 486:
            return "Intel 486";
        case 586:
            return "Intel Pentium";
        case 4000:
            return "MIPS R4000";
        case 21064:
            return "Alpha 21064";
        default:
            return "Unknown";
    }
}

}  // namespace

unsigned int MeasureClockMHz(char* mmxText) {
    std::strcpy(mmxText, (wincpufeatures() & kFeatureMmx) ? "MMX " : " ");
    FreqInfo info = cpuspeed(0, 0);
    if (info.nCycles == 0 && info.nMicroseconds == 0) {
        for (int i = 0; i < 1000; ++i)
            info = cpuspeed(0, 0);
    }
    g_nLastClockMHz = info.nNormMHz;
    return info.nNormMHz;
}

unsigned long long RoundMemoryMB(unsigned long long megabytes) {
    switch (megabytes % 4) {
        case 1:
            return megabytes - 1;
        case 2:
            return megabytes - 2;
        case 3:
            return megabytes + 1;
        default:
            return megabytes;
    }
}

std::string GetMemoryMB() {
    unsigned long long megabytes = RoundMemoryMB(g_pCpuSeam->TotalPhysicalBytes() / 1024000u);
    char text[32];
    std::snprintf(text, sizeof(text), "%llu", megabytes);
    return text;
}

std::string DescribeSystem() {
    SYSTEM_INFO info;
    std::memset(&info, 0, sizeof(info));
    g_pCpuSeam->ReadSystemInfo(&info);
    char mmx[8] = "";
    unsigned int mhz = MeasureClockMHz(mmx);
    char text[64];
    std::string line;
    std::snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(info.dwNumberOfProcessors));
    line += text;
    if (mhz > 0) {
        std::snprintf(text, sizeof(text), " %uMHz ", mhz);
        line += text;
    } else {
        line += " ??MHz ";
    }
    line += mmx;
    line += ProcessorTypeName(info.dwProcessorType);
    line += " w/";
    line += GetMemoryMB();
    line += " MB RAM";
    return line;
}
