// The runtime's server program: holds the event "STazroSrvEvt" while it runs.
//   TazroSrv            run until stopped
//   TazroSrv <seconds>  run at most that long
//   TazroSrv /stop      stop a running server
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include "audio/TazroRuntime.h"

static const char kStopEvent[] = "STazroSrvStop";

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (std::strstr(commandLine, "/stop") != nullptr) {
        HANDLE stop = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, kStopEvent);
        if (stop == nullptr)
            return 1;
        ::SetEvent(stop);
        ::CloseHandle(stop);
        return 0;
    }
    DWORD timeout = INFINITE;
    const long seconds = std::strtol(commandLine, nullptr, 10);
    if (seconds > 0)
        timeout = DWORD(seconds) * 1000;
    HANDLE event = ::CreateEventA(nullptr, FALSE, FALSE, TAZRO_SERVER_EVENT);
    if (event == nullptr)
        return 2;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(event);
        return 3;
    }
    HANDLE stop = ::CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
    ::WaitForSingleObject(stop, timeout);
    ::CloseHandle(stop);
    ::CloseHandle(event);
    return 0;
}
