// Drives a program's top-level window from outside (scripts and end-to-end tests):
//   wincmd wait "<title>" [seconds]      waits until a visible window with this title exists
//   wincmd command "<title>" <id>        posts WM_COMMAND id to it
//   wincmd close "<title>"               posts WM_CLOSE to it
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static HWND Find(const char* title) {
    HWND h = FindWindowA(nullptr, title);
    return (h != nullptr && IsWindowVisible(h)) ? h : nullptr;
}

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const char* verb = argv[1];
    const char* title = argv[2];
    if (std::strcmp(verb, "wait") == 0) {
        int seconds = argc > 3 ? std::atoi(argv[3]) : 30;
        for (int i = 0; i < seconds * 20; ++i) {
            if (Find(title) != nullptr)
                return 0;
            Sleep(50);
        }
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    HWND h = Find(title);
    if (h == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    if (std::strcmp(verb, "command") == 0 && argc > 3)
        return PostMessageA(h, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), 0), 0) ? 0 : 1;
    if (std::strcmp(verb, "close") == 0)
        return PostMessageA(h, WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
