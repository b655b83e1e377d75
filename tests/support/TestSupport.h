// Helpers shared by the Windows-side tests: answering modal dialogs from inside their modal loop,
// pumping messages, and working in the registry.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace testsupport {

// Answers modal windows as they appear, in order: each answer waits for a window of its title owned by
// this process and clicks the button with that id (or sends the message). Install before the call that
// shows the dialog; the answers are given from a thread timer, so they run inside the modal loop.
class DialogAnswerer {
public:
    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer& Click(const std::string& title, int buttonId);
    // Calls back with the window found, then clicks; lets a test read the window before answering.
    DialogAnswerer& Inspect(const std::string& title, void (*inspect)(HWND, void*), void* context, int buttonId);
    size_t Answered() const { return m_answered; }
    std::vector<std::string> SeenTitles() const { return m_seen; }

private:
    struct Answer {
        std::string title;
        int buttonId;
        void (*inspect)(HWND, void*);
        void* context;
    };
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    std::vector<Answer> m_answers;
    size_t m_answered = 0;
    std::vector<std::string> m_seen;
    UINT_PTR m_timer = 0;
};

// Clicks a button of a window from another thread: for the system's common dialogs, whose modal loops do
// not dispatch the thread timers DialogAnswerer relies on. Waits up to timeoutMs for the window.
class ThreadedClick {
public:
    ThreadedClick(const std::string& title, int buttonId, DWORD timeoutMs = 10000);
    ~ThreadedClick();
    bool Clicked() const { return m_bClicked != 0; }

private:
    static DWORD WINAPI Run(LPVOID self);
    std::string m_title;
    int m_buttonId;
    DWORD m_timeoutMs;
    volatile LONG m_bClicked = 0;
    volatile LONG m_bStop = 0;
    HANDLE m_hThread = nullptr;
};

// Finds a top-level window of this process by exact title (any class).
HWND FindOwnWindow(const std::string& title);

// Dispatches messages for the given time.
void PumpMessages(DWORD milliseconds);

// HKEY_LOCAL_MACHINE helpers.
void DeleteKeyTree(const char* path);
bool ReadDword(const char* path, const char* name, DWORD* value);
bool ReadString(const char* path, const char* name, std::string* value);
void WriteDword(const char* path, const char* name, DWORD value);
bool ValueExists(const char* path, const char* name);

// The folder of the running test program, ending in a backslash.
std::string ModuleDir();

// Starts a command line (the program quoted inside it as needed). Handles in *pi are the caller's to close.
bool StartProcess(const std::string& commandLine, PROCESS_INFORMATION* pi);

// Starts a command line and waits for it: true with its exit code when it ended within timeoutMs; a program
// still running then is terminated and false returned.
bool RunProcess(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode);

// Loads a DLL, calls an export taking no arguments (DllRegisterServer and the like), unloads it.
// True when the export exists and returned S_OK.
bool CallExport(const std::string& dll, const char* name);

// Whole file as bytes; empty when missing.
std::string ReadFileBytes(const char* path);

}  // namespace testsupport
