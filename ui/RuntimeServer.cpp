#include "ui/RuntimeServer.h"
#include <windows.h>

bool IsRuntimeServerRunning() {
    HANDLE h = ::CreateEventA(nullptr, FALSE, FALSE, "STazroSrvEvt");
    DWORD err = ::GetLastError();
    if (h == nullptr)
        return true;
    ::CloseHandle(h);
    return err == ERROR_ALREADY_EXISTS;
}
