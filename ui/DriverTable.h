// The drivers listed in the driver list, by list position.
#pragma once
#include <windows.h>

struct DriverEntry {
    GUID* pGuid;  // owned heap copy; null for the primary driver and for a free entry
    int nIndex;   // position in the driver list; -1 = free
    int bWarned;  // the runtime-failure warning has been handled for this driver
};

const int kDriverTableSize = 9;
extern DriverEntry g_aDriverTable[kDriverTableSize];

// Every entry back to no identifier, index -1, not warned (frees the identifier copies).
void ResetDriverTable();
