// All of Pellora's registry access. No member state: every operation opens its key, reads or writes, and
// closes it again.
#pragma once
#include <windows.h>
#include "settings/OverrideFlags.h"

extern const char kTazroKey[];    // "Software\Zephal\Tazro" under HKEY_LOCAL_MACHINE
extern const char kPelloraKey[];  // "Software\Zephal\Pellora"
extern const char* const kHW3DMaximaNames[12];
extern const char* const kOverrideNames[8];

class CSettingsStore {
public:
    // Bit 1 set when SplashAudio reads exactly 1, bit 0 when SplashScreen does.
    int ReadSplashState();
    bool WriteSplash(int audio, int screen);
    bool DisableSplash();
    bool RestoreSplash(int state);
    bool WriteCurrentDevice(DWORD driverValue, const char* description);
    void WriteHW3DMaxima(int m08B11K1C,
                         int m16B11K1C,
                         int m08B11K2C,
                         int m16B11K2C,
                         int m08B22K1C,
                         int m16B22K1C,
                         int m08B22K2C,
                         int m16B22K2C,
                         int m08B44K1C,
                         int m16B44K1C,
                         int m08B44K2C,
                         int m16B44K2C);
    bool WriteOverrides(OverrideFlags flags);
    int ReadOverrides(OverrideFlags* pFlags);
    // Whether the Tazro runtime in the system directory is the maker's: 1 verified, 0 failed, -1 not
    // verifiable.
    int CheckRuntimeCompatibility();
};

// The runtime file the compatibility check reads; null (the default) is TAZRO.DLL of the system
// directory. Tests point it at files with a version block of their choosing.
extern const char* g_pszRuntimeFileOverride;
// The check on one file's version block (1, 0, -1 as above).
int CheckRuntimeFile(const char* path);
