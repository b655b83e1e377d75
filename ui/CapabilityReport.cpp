#include "ui/CapabilityReport.h"
#include <cstdio>

int g_bDSAccel = 0;
int g_bDS3DAccel = 0;
int g_nTazroStatus = 0;

const char kTazroWarningBox[] =
    "Warning! Tazro compatibility tests failed!\r\n"
    "Selected drivers report Tazro capabilities, but are failing Pellora Tazro compatibility tests.\r\n"
    "Drivers are not Zephal certified and not Tazro algorithm based.";

namespace {

const char kBreak[] = "\r\n";

// One count line: the number, then the singular text for exactly one and the plural otherwise.
std::string CountLine(DWORD n, const char* singular, const char* plural) {
    char number[16];
    std::snprintf(number, sizeof(number), "%lu", (unsigned long)n);
    return std::string(number) + (n == 1 ? singular : plural) + kBreak;
}

std::string ValueLine(DWORD n, const char* text) {
    char number[16];
    std::snprintf(number, sizeof(number), "%lu", (unsigned long)n);
    return std::string(number) + text + kBreak;
}

}  // namespace

std::vector<std::string> CapabilityBlocks(const DSCAPS& caps, const std::string& description) {
    std::vector<std::string> blocks;
    blocks.push_back("Device Selected: " + description + kBreak + "DirectSound reports..." + kBreak +
                     CountLine(caps.dwPrimaryBuffers, " Primary buffer available", " Primary buffers available") +
                     CountLine(caps.dwMaxHwMixingAllBuffers, " Total 2D hardware mixing buffer available",
                               " Total 2D hardware mixing buffers available") +
                     CountLine(caps.dwMaxHwMixingStaticBuffers, " Static 2D hardware mixing buffer available",
                               " Static 2D hardware mixing buffers available") +
                     CountLine(caps.dwMaxHwMixingStreamingBuffers, " Streaming 2D hardware mixing buffer available",
                               " Streaming 2D hardware mixing buffers available"));
    blocks.push_back(CountLine(caps.dwMaxHw3DAllBuffers, " Total 3D hardware buffer available",
                               " Total 3D hardware buffers available") +
                     CountLine(caps.dwMaxHw3DStaticBuffers, " Static 3D hardware buffer available",
                               " Static 3D hardware buffers available") +
                     CountLine(caps.dwMaxHw3DStreamingBuffers, " Streaming 3D hardware buffer available",
                               " Streaming 3D hardware buffers available"));
    blocks.push_back(
        ValueLine(caps.dwTotalHwMemBytes, " Total bytes sound card memory static buffer storage") +
        ValueLine(caps.dwUnlockTransferRateHwBuffers, " KB/sec Data transfer rate to hardware static buffers"));
    blocks.push_back(
        ValueLine(caps.dwMaxSecondarySampleRate, " KB/sec Max sample rate supported by secondary buffers") +
        ValueLine(caps.dwMinSecondarySampleRate, " KB/sec Min sample rate supported by secondary buffers"));
    return blocks;
}

std::vector<std::string> VerdictBlocks(const std::string& description,
                                       const std::string& dsAccel,
                                       const std::string& ds3DAccel,
                                       int tazroStatus,
                                       const std::string& tazroAccel,
                                       const std::string& tazroDetail) {
    std::vector<std::string> blocks;
    blocks.push_back(std::string(kBreak) + "Pellora is testing: <" + description + "> for :-" + kBreak);
    blocks.push_back("DirectSound acceleration: <" + dsAccel + ">" + kBreak);
    blocks.push_back("DirectSound3D acceleration: <" + ds3DAccel + ">" + kBreak);
    blocks.push_back(std::string("Tazro acceleration and compatibility:") + (tazroStatus != 0 ? "- \r\n" : " ") + "<");
    blocks.push_back(tazroAccel + ">" + kBreak);
    blocks.push_back(tazroDetail + kBreak);
    return blocks;
}

std::string AccelerationSummary(int hardwareAllowed, int dsAccel, int ds3DAccel, int tazroStatus) {
    if (!hardwareAllowed)
        return "DS=no\r\nDS3D=no\r\nTazro=no\r\n";
    std::string s = dsAccel ? "DS=yes\r\n" : "DS=no\r\n";
    s += ds3DAccel ? "DS3D=yes\r\n" : "DS3D=no\r\n";
    s += tazroStatus == 1 ? "Tazro=yes\r\n" : tazroStatus == -1 ? "Tazro=???\r\n" : "Tazro=no\r\n";
    return s;
}

TazroVerdict TazroVerdictFor(int compatibility) {
    if (compatibility == -1)
        return {"available, compatibility not verifiable on this system", "", -1};
    if (compatibility == 0)
        return {"WARNING: Tazro compatibility tests failed!",
                "  Selected drivers report Tazro capabilities\r\n"
                "  but are failing Pellora Tazro compatibility tests.\r\n"
                "  Drivers are not Zephal cerified and not Tazro algorithm based.",
                -2};
    return {"available, compatibility 100% verified", "", 1};
}
