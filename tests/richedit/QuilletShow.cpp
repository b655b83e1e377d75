// Opens Quillet's editor on a file and closes it after some seconds: quillet_show <dll> <file> <seconds>.
// Used to take a picture of the open editor.
#include <windows.h>
#include <cstdlib>

typedef unsigned char(__stdcall* RichingProc)(const char*);

static DWORD g_seconds = 5;

static DWORD WINAPI Closer(LPVOID) {
    HWND form = nullptr;
    for (int i = 0; i < 500 && form == nullptr; ++i) {
        Sleep(20);
        form = FindWindowW(L"QuilletForm", L"Kurzbrief bearbeiten");
    }
    Sleep(g_seconds * 1000);
    if (form != nullptr)
        PostMessageW(form, WM_CLOSE, 0, 0);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    HMODULE dll = LoadLibraryA(argv[1]);
    RichingProc riching =
        dll ? reinterpret_cast<RichingProc>(reinterpret_cast<void*>(GetProcAddress(dll, "RICHING"))) : nullptr;
    if (riching == nullptr)
        return 1;
    g_seconds = static_cast<DWORD>(atoi(argv[3]));
    HANDLE t = CreateThread(nullptr, 0, Closer, nullptr, 0, nullptr);
    riching(argv[2]);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    return 0;
}
