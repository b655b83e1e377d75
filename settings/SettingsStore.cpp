#include "settings/SettingsStore.h"

const char kTazroKey[] = "Software\\Zephal\\Tazro";
const char kPelloraKey[] = "Software\\Zephal\\Pellora";

const char* const kHW3DMaximaNames[12] = {
    "CurDevHW3DMax08B11K1C", "CurDevHW3DMax16B11K1C", "CurDevHW3DMax08B11K2C", "CurDevHW3DMax16B11K2C",
    "CurDevHW3DMax08B22K1C", "CurDevHW3DMax16B22K1C", "CurDevHW3DMax08B22K2C", "CurDevHW3DMax16B22K2C",
    "CurDevHW3DMax08B44K1C", "CurDevHW3DMax16B44K1C", "CurDevHW3DMax08B44K2C", "CurDevHW3DMax16B44K2C",
};

const char* const kOverrideNames[8] = {
    "bOverrideAutoPause", "bOverrideAutoToggle", "bOverrideForceSW",   "bOverrideMIDI",
    "bOverrideProfiler",  "bOverrideSetOutput",  "bOverrideSetFormat", "bOverrideThreading",
};

namespace {
// Record order of the flags, which is also the order of reading and writing.
int OverrideFlags::*const kOverrideFields[8] = {
    &OverrideFlags::bOverrideAutoPause, &OverrideFlags::bOverrideAutoToggle, &OverrideFlags::bOverrideForceSW,
    &OverrideFlags::bOverrideMIDI,      &OverrideFlags::bOverrideProfiler,   &OverrideFlags::bOverrideSetOutput,
    &OverrideFlags::bOverrideSetFormat, &OverrideFlags::bOverrideThreading,
};
}  // namespace

OverrideFlags DefaultOverrideFlags() {
    OverrideFlags f;
    f.bOverrideAutoPause = 1;
    f.bOverrideAutoToggle = 1;
    f.bOverrideForceSW = 1;
    f.bOverrideMIDI = 0;
    f.bOverrideProfiler = 0;
    f.bOverrideSetOutput = 0;
    f.bOverrideSetFormat = 1;
    f.bOverrideThreading = 1;
    return f;
}

namespace {

HKEY OpenForWrite(const char* path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                          &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY OpenForRead(const char* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool WriteDword(HKEY key, const char* name, DWORD value) {
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

// Every value is read as a 4-byte number whatever its stored type.
bool ReadDword(HKEY key, const char* name, DWORD* value) {
    DWORD size = 4;
    DWORD type = 0;
    return ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
}

}  // namespace

int CSettingsStore::ReadSplashState() {
    HKEY key = OpenForRead(kTazroKey);
    if (key == nullptr)
        return 0;
    int state = 0;
    DWORD v = 0;
    if (ReadDword(key, "SplashAudio", &v) && v == 1)
        state |= 2;
    v = 0;
    if (ReadDword(key, "SplashScreen", &v) && v == 1)
        state |= 1;
    ::RegCloseKey(key);
    return state;
}

bool CSettingsStore::WriteSplash(int audio, int screen) {
    HKEY key = OpenForWrite(kTazroKey);
    if (key == nullptr)
        return false;
    bool ok = WriteDword(key, "SplashAudio", (DWORD)audio);
    ok = WriteDword(key, "SplashScreen", (DWORD)screen) && ok;
    ::RegCloseKey(key);
    return ok;
}

bool CSettingsStore::DisableSplash() {
    return WriteSplash(0, 0);
}

bool CSettingsStore::RestoreSplash(int state) {
    switch (state) {
        case 1:
            return WriteSplash(0, 1);
        case 2:
            return WriteSplash(1, 0);
        case 3:
            return WriteSplash(1, 1);
        default:
            return WriteSplash(0, 0);
    }
}

bool CSettingsStore::WriteCurrentDevice(DWORD driverValue, const char* description) {
    HKEY key = OpenForWrite(kPelloraKey);
    if (key == nullptr)
        return false;
    bool ok = WriteDword(key, "CurrentGUID", driverValue);
    if (description != nullptr)
        ok = ::RegSetValueExA(key, "CurrentDevice", 0, REG_SZ, reinterpret_cast<const BYTE*>(description),
                              (DWORD)lstrlenA(description) + 1) == ERROR_SUCCESS &&
             ok;
    ::RegCloseKey(key);
    return ok;
}

void CSettingsStore::WriteHW3DMaxima(int m08B11K1C,
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
                                     int m16B44K2C) {
    HKEY key = OpenForWrite(kPelloraKey);
    if (key == nullptr)
        return;
    const int values[12] = {m08B11K1C, m16B11K1C, m08B11K2C, m16B11K2C, m08B22K1C, m16B22K1C,
                            m08B22K2C, m16B22K2C, m08B44K1C, m16B44K1C, m08B44K2C, m16B44K2C};
    for (int i = 0; i < 12; ++i)
        WriteDword(key, kHW3DMaximaNames[i], (DWORD)values[i]);
    ::RegCloseKey(key);
}

bool CSettingsStore::WriteOverrides(OverrideFlags flags) {
    HKEY key = OpenForWrite(kPelloraKey);
    if (key == nullptr)
        return false;
    bool ok = true;
    for (int i = 0; i < 8; ++i)
        ok = WriteDword(key, kOverrideNames[i], (DWORD)(flags.*kOverrideFields[i])) && ok;
    ::RegCloseKey(key);
    return ok;
}

int CSettingsStore::ReadOverrides(OverrideFlags* pFlags) {
    if (pFlags == nullptr)
        return -1;
    HKEY key = OpenForRead(kPelloraKey);
    if (key == nullptr)
        return 1;
    int result = 1;
    for (int i = 0; i < 8; ++i) {
        DWORD v = 0;
        if (ReadDword(key, kOverrideNames[i], &v))
            pFlags->*kOverrideFields[i] = v == 1 ? 1 : 0;
        else
            result = 0;
    }
    ::RegCloseKey(key);
    return result;
}
