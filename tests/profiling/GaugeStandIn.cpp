// Stands in for the profiler program: records its command line in gauge-record.txt in its working
// directory and ends. Written under another name first, so a reader never sees half a record.
#include <windows.h>
#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* line = ::GetCommandLineA();
    FILE* f = std::fopen("gauge-record.tmp", "wb");
    if (f == nullptr)
        return 1;
    std::fwrite(line, 1, std::strlen(line), f);
    std::fclose(f);
    return ::MoveFileA("gauge-record.tmp", "gauge-record.txt") ? 0 : 1;
}
