#include "ProfilingTestSupport.h"
#include <cstdio>
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

namespace profilingtest {

namespace {

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

void DeleteValue(const char* path, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, name);
    ::RegCloseKey(key);
}

struct FindPellora {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindPelloraProc(HWND hWnd, LPARAM lParam) {
    FindPellora* ctx = reinterpret_cast<FindPellora*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char title[128] = "";
    ::GetWindowTextA(hWnd, title, sizeof(title));
    // Visible: the dialog is found only once its initialisation is over.
    if (pid == ctx->pid && ::IsWindowVisible(hWnd) &&
        std::string(title) == "Pellora - DirectSound/DirectSound3D/Tazro Test Suite") {
        ctx->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

RegistryGuard::RegistryGuard() {
    m_pelloraKeyExisted = KeyExists(kPelloraKey);
    m_tazroKeyExisted = KeyExists(kTazroKey);
    for (const char* name : kOverrideNames) {
        Saved s = {kPelloraKey, name, false, 0};
        s.exists = testsupport::ReadDword(kPelloraKey, name, &s.value);
        m_saved.push_back(s);
    }
    for (const char* name : {"SplashAudio", "SplashScreen"}) {
        Saved s = {kTazroKey, name, false, 0};
        s.exists = testsupport::ReadDword(kTazroKey, name, &s.value);
        m_saved.push_back(s);
    }
}

RegistryGuard::~RegistryGuard() {
    for (const Saved& s : m_saved) {
        if (s.exists)
            testsupport::WriteDword(s.key, s.name.c_str(), s.value);
        else
            DeleteValue(s.key, s.name.c_str());
    }
    if (!m_pelloraKeyExisted)
        testsupport::DeleteKeyTree(kPelloraKey);
    if (!m_tazroKeyExisted)
        testsupport::DeleteKeyTree(kTazroKey);
}

ScratchDir::ScratchDir() {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof(temp), temp);
    static int counter = 0;
    char name[MAX_PATH];
    std::snprintf(name, sizeof(name), "%sprofiling-%lu-%d", temp, ::GetCurrentProcessId(), ++counter);
    m_path = name;
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((m_path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA(File(data.cFileName).c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

bool ScratchDir::AddStandInProfiler() const {
    std::string from = ThisProgramFolder() + "\\GaugeStandIn.exe";
    return ::CopyFileA(from.c_str(), File("LoadGauge.exe").c_str(), FALSE) != 0;
}

bool WaitForRecord(const ScratchDir& dir, DWORD milliseconds, std::string* pCommandLine) {
    std::string path = dir.File("gauge-record.txt");
    DWORD start = ::GetTickCount();
    do {
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            *pCommandLine = testsupport::ReadFileBytes(path.c_str());
            return true;
        }
        ::Sleep(20);
    } while (::GetTickCount() - start < milliseconds);
    pCommandLine->clear();
    return false;
}

std::string ThisProgramFolder() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/"));
}

std::string StagedFolder() {
    char path[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof(path), path);
    return path;
}

PelloraProcess::~PelloraProcess() {
    if (pi.hProcess != nullptr) {
        if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
            ::PostMessageA(hDialog, WM_CLOSE, 0, 0);
            if (::WaitForSingleObject(pi.hProcess, 10000) == WAIT_TIMEOUT)
                ::TerminateProcess(pi.hProcess, 1);
        }
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
}

bool StartPellora(const std::string& workingDir, PelloraProcess* p) {
    std::string exe = StagedFolder() + "\\Pellora.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    char commandLine[] = "Pellora.exe";
    if (!::CreateProcessA(exe.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr, workingDir.c_str(), &si,
                          &p->pi))
        return false;
    FindPellora ctx = {p->pi.dwProcessId, nullptr};
    for (int i = 0; i < 400 && ctx.found == nullptr; ++i) {
        if (::WaitForSingleObject(p->pi.hProcess, 50) != WAIT_TIMEOUT)
            return false;
        ::EnumWindows(FindPelloraProc, reinterpret_cast<LPARAM>(&ctx));
    }
    p->hDialog = ctx.found;
    return ctx.found != nullptr;
}

void SendCommand(const PelloraProcess& p, int id, int code) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(p.hDialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)::GetDlgItem(p.hDialog, id), SMTO_NORMAL,
                          10000, &result);
}

bool InChildProcess() {
    char value[8] = "";
    return ::GetEnvironmentVariableA("PELLORA_PROFILING_CHILD", value, sizeof(value)) > 0;
}

DWORD RunChildCase(const char* testName) {
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, sizeof(exe));
    std::string commandLine = std::string("\"") + exe + "\" --gtest_filter=" + testName;
    ::SetEnvironmentVariableA("PELLORA_PROFILING_CHILD", "1");
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    BOOL started = ::CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableA("PELLORA_PROFILING_CHILD", nullptr);
    if (!started)
        return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFE;
    if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

}  // namespace profilingtest
