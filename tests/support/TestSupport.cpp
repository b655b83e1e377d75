#include "support/TestSupport.h"
#include <cstdio>

namespace testsupport {

namespace {
DialogAnswerer* g_active = nullptr;

struct FindContext {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
    FindContext* ctx = reinterpret_cast<FindContext*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(hWnd))
        return TRUE;
    // InternalGetWindowText sends no message: safe from a thread while the window's thread waits on it.
    WCHAR wide[256] = L"";
    ::InternalGetWindowText(hWnd, wide, 256);
    char buf[512] = "";
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, buf, sizeof(buf), nullptr, nullptr);
    if (*ctx->title == buf) {
        ctx->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindOwnWindow(const std::string& title) {
    FindContext ctx = {&title, nullptr};
    ::EnumWindows(FindProc, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

DialogAnswerer::DialogAnswerer() {
    g_active = this;
    m_timer = ::SetTimer(nullptr, 0, 20, OnTimer);
}

DialogAnswerer::~DialogAnswerer() {
    if (m_timer != 0)
        ::KillTimer(nullptr, m_timer);
    if (g_active == this)
        g_active = nullptr;
}

DialogAnswerer& DialogAnswerer::Click(const std::string& title, int buttonId) {
    m_answers.push_back({title, buttonId, nullptr, nullptr});
    return *this;
}

DialogAnswerer& DialogAnswerer::Inspect(const std::string& title,
                                        void (*inspect)(HWND, void*),
                                        void* context,
                                        int buttonId) {
    m_answers.push_back({title, buttonId, inspect, context});
    return *this;
}

void CALLBACK DialogAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_active != nullptr)
        g_active->Poll();
}

void DialogAnswerer::Poll() {
    if (m_answered >= m_answers.size())
        return;
    const Answer& a = m_answers[m_answered];
    HWND h = FindOwnWindow(a.title);
    if (h == nullptr)
        return;
    m_seen.push_back(a.title);
    ++m_answered;
    if (a.inspect != nullptr)
        a.inspect(h, a.context);
    HWND button = ::GetDlgItem(h, a.buttonId);
    if (button != nullptr)
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(a.buttonId, BN_CLICKED), (LPARAM)button);
    else
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(a.buttonId, 0), 0);
}

ThreadedClick::ThreadedClick(const std::string& title, int buttonId, DWORD timeoutMs)
    : m_title(title), m_buttonId(buttonId), m_timeoutMs(timeoutMs) {
    m_hThread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

ThreadedClick::~ThreadedClick() {
    ::InterlockedExchange(&m_bStop, 1);
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
}

DWORD WINAPI ThreadedClick::Run(LPVOID p) {
    ThreadedClick* self = static_cast<ThreadedClick*>(p);
    DWORD start = ::GetTickCount();
    while (!self->m_bStop && ::GetTickCount() - start < self->m_timeoutMs) {
        HWND h = FindOwnWindow(self->m_title);
        if (h != nullptr) {
            ::Sleep(100);  // let the dialog finish its initialisation
            HWND button = ::GetDlgItem(h, self->m_buttonId);
            if (button != nullptr)
                ::PostMessageA(button, BM_CLICK, 0, 0);
            else
                ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(self->m_buttonId, BN_CLICKED), 0);
            ::InterlockedExchange(&self->m_bClicked, 1);
            return 0;
        }
        ::Sleep(20);
    }
    return 0;
}

void PumpMessages(DWORD milliseconds) {
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < milliseconds);
}

void DeleteKeyTree(const char* path) {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
}

bool ReadDword(const char* path, const char* name, DWORD* value) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = sizeof(*value);
    DWORD type = 0;
    LONG r = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(key);
    return r == ERROR_SUCCESS && type == REG_DWORD;
}

bool ReadString(const char* path, const char* name, std::string* value) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buf[1024];
    DWORD size = sizeof(buf);
    DWORD type = 0;
    LONG r = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    ::RegCloseKey(key);
    if (r != ERROR_SUCCESS || type != REG_SZ)
        return false;
    value->assign(buf, size > 0 && buf[size - 1] == '\0' ? size - 1 : size);
    return true;
}

void WriteDword(const char* path, const char* name, DWORD value) {
    HKEY key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
}

bool ValueExists(const char* path, const char* name) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    LONG r = ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

std::string ModuleDir() {
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string dir(self);
    return dir.substr(0, dir.find_last_of("\\/") + 1);
}

bool StartProcess(const std::string& commandLine, PROCESS_INFORMATION* pi) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    *pi = PROCESS_INFORMATION();
    return ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi) != FALSE;
}

bool RunProcess(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode) {
    PROCESS_INFORMATION pi;
    if (!StartProcess(commandLine, &pi))
        return false;
    bool ended = ::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!ended)
        ::TerminateProcess(pi.hProcess, 99);
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    if (exitCode != nullptr)
        *exitCode = code;
    return ended;
}

bool CallExport(const std::string& dll, const char* name) {
    HMODULE module = ::LoadLibraryA(dll.c_str());
    if (module == nullptr)
        return false;
    typedef HRESULT(STDAPICALLTYPE * Fn)();
    Fn fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
    HRESULT hr = fn != nullptr ? fn() : E_FAIL;
    ::FreeLibrary(module);
    return hr == S_OK;
}

std::string ReadFileBytes(const char* path) {
    std::string out;
    FILE* f = std::fopen(path, "rb");
    if (f == nullptr)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0)
        out.append(buf, n);
    std::fclose(f);
    return out;
}

}  // namespace testsupport
