// The driver list's enumeration and the mapping of its items to driver table entries.
#pragma once
#include <windows.h>
#include <dsound.h>

// Enumerates the DirectSound drivers (DirectSoundEnumerateA unless a test replaces it).
typedef HRESULT(WINAPI* DriverEnumerateFn)(LPDSENUMCALLBACKA callback, LPVOID context);
extern DriverEnumerateFn g_pfnEnumerateDrivers;

extern const char kDriverPlaceholder[];  // "Select Audio Driver"
extern const char kOutputPlaceholder[];  // "Select Audio Output"

// Item data of a driver list item: the table entry + 1; 0 for the placeholder and for drivers beyond
// the table.
const DWORD_PTR kNoDriverEntry = 0;
