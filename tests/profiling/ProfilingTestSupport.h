// Helpers of the profiling tests: registry values restored afterwards, scratch folders with a stand-in
// profiler, the real Pellora started as a process, and test cases run in a child process.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace profilingtest {

// Remembers the values Pellora writes (feature flags, splash values) and puts them back on destruction;
// keys that did not exist are removed again.
class RegistryGuard {
public:
    RegistryGuard();
    ~RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

private:
    struct Saved {
        const char* key;
        std::string name;
        bool exists;
        DWORD value;
    };
    std::vector<Saved> m_saved;
    bool m_pelloraKeyExisted;
    bool m_tazroKeyExisted;
};

// A fresh folder under the temporary directory, deleted with its files afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    // Copies the recording stand-in in as LoadGauge.exe.
    bool AddStandInProfiler() const;

private:
    std::string m_path;
};

// What the stand-in profiler recorded as its command line (waits up to the given time); empty if nothing.
bool WaitForRecord(const ScratchDir& dir, DWORD milliseconds, std::string* pCommandLine);

// The folder of this test program (where the stand-in is built) and the staged Pellora folder (the
// default working directory of the tests).
std::string ThisProgramFolder();
std::string StagedFolder();

// Pellora.exe of the staged folder started with the given working directory, up to its main window.
struct PelloraProcess {
    PROCESS_INFORMATION pi = {};
    HWND hDialog = nullptr;
    ~PelloraProcess();
};
bool StartPellora(const std::string& workingDir, PelloraProcess* pProcess);
// Sends a command to the running dialog and waits until it was handled (or the process ended).
void SendCommand(const PelloraProcess& p, int id, int code = 0);

// Child cases: a test that must survive to its end runs in a child process and exits with this code.
const DWORD kChildSurvived = 77;
bool InChildProcess();
DWORD RunChildCase(const char* testName);

}  // namespace profilingtest
