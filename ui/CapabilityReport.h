// The capability report of a probed driver and the three-line acceleration summary, composed without a
// window, and the process-wide results of the last probe.
#pragma once
#include <windows.h>
#include <dsound.h>
#include <string>
#include <vector>

// Results of the last probe; zero until a driver has been probed.
extern int g_bDSAccel;      // at least one 2D hardware mixing buffer
extern int g_bDS3DAccel;    // at least one 3D hardware buffer
extern int g_nTazroStatus;  // 1 verified, 0 not available, -1 not verifiable, -2 failing the check

// The four blocks DirectSound's figures give, each appended to the status pane in one piece.
std::vector<std::string> CapabilityBlocks(const DSCAPS& caps, const std::string& description);

// The six closing appends: the driver, the three acceleration verdicts and the Tazro detail.
std::vector<std::string> VerdictBlocks(const std::string& description,
                                       const std::string& dsAccel,
                                       const std::string& ds3DAccel,
                                       int tazroStatus,
                                       const std::string& tazroAccel,
                                       const std::string& tazroDetail);

// The "Acceleration" field's text.
std::string AccelerationSummary(int hardwareAllowed, int dsAccel, int ds3DAccel, int tazroStatus);

// The Tazro texts for a result of the runtime compatibility check (1, 0, -1): the verdict, the detail and
// the status it gives.
struct TazroVerdict {
    const char* accel;
    std::string detail;
    int status;
};
TazroVerdict TazroVerdictFor(int compatibility);

extern const char kTazroWarningBox[];
