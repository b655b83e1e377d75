#include "ui/DriverTable.h"

DriverEntry g_aDriverTable[kDriverTableSize] = {};

void ResetDriverTable() {
    for (DriverEntry& e : g_aDriverTable) {
        delete e.pGuid;
        e.pGuid = nullptr;
        e.nIndex = -1;
        e.bWarned = 0;
    }
}
