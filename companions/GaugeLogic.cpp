#include "GaugeLogic.h"
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

bool SameWord(const std::string& word, const char* option) {
    if (word.size() != std::strlen(option))
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(word[i])) != option[i])
            return false;
    }
    return true;
}

const char* SkipProgramName(const char* p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    return p;
}

std::string HardwareLine(const char* kind, unsigned int maximum, unsigned int free) {
    unsigned int inUse = free < maximum ? maximum - free : 0;
    char line[96];
    std::snprintf(line, sizeof(line), "%s H/W buffers: %u in use, %u free", kind, inUse, free);
    return line;
}

}  // namespace

GaugeOptions ParseGaugeCommandLine(const char* commandLine) {
    GaugeOptions options = {false, false, false, false};
    const char* p = SkipProgramName(commandLine != nullptr ? commandLine : "");
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t')
            ++p;
        const char* start = p;
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
        std::string word(start, p);
        if (SameWord(word, "-CPU"))
            options.bCpu = true;
        else if (SameWord(word, "-RAM"))
            options.bRam = true;
        else if (SameWord(word, "-2DHW"))
            options.b2DHW = true;
        else if (SameWord(word, "-3DHW"))
            options.b3DHW = true;
    }
    if (!options.bCpu && !options.bRam && !options.b2DHW && !options.b3DHW)
        options = GaugeOptions{true, true, true, true};
    return options;
}

unsigned int CpuLoadPercent(const CpuTimes& before, const CpuTimes& after) {
    unsigned long long idle = after.idle - before.idle;
    unsigned long long total = (after.kernel - before.kernel) + (after.user - before.user);
    if (total == 0 || after.kernel < before.kernel || after.user < before.user || after.idle < before.idle)
        return 0;
    if (idle >= total)
        return 0;
    return static_cast<unsigned int>((total - idle) * 100 / total);
}

std::string FormatGaugeText(const GaugeOptions& options, const GaugeSample& sample) {
    std::string text;
    char line[128];
    auto add = [&text](const std::string& s) {
        if (!text.empty())
            text += "\r\n";
        text += s;
    };
    if (options.bCpu) {
        if (sample.bHaveCpu)
            std::snprintf(line, sizeof(line), "CPU load: %u %%", sample.nCpuPercent);
        else
            std::snprintf(line, sizeof(line), "CPU load: measuring...");
        add(line);
    }
    if (options.bRam) {
        unsigned int percent =
            sample.nMemTotalMB != 0 ? static_cast<unsigned int>(sample.nMemUsedMB * 100 / sample.nMemTotalMB) : 0;
        std::snprintf(line, sizeof(line), "Memory in use: %llu of %llu MB (%u %%)", sample.nMemUsedMB,
                      sample.nMemTotalMB, percent);
        add(line);
    }
    if (options.b2DHW)
        add(sample.bHaveSound ? HardwareLine("2D", sample.nHw2DMax, sample.nHw2DFree)
                              : std::string("2D H/W buffers: no sound device"));
    if (options.b3DHW)
        add(sample.bHaveSound ? HardwareLine("3D", sample.nHw3DMax, sample.nHw3DFree)
                              : std::string("3D H/W buffers: no sound device"));
    return text;
}
