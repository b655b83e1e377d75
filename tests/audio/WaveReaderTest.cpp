// The WAV reader against crafted files, and the fatal path of a recording that cannot be read.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>
#include "audio/WaveFile.h"
#include "support/TestSupport.h"

namespace {

std::string Le32(uint32_t v) {
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}

std::string Le16(uint16_t v) {
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)};
}

// A PCM format chunk body: 22050 Hz, 16 bits, mono, plus extra bytes for an extended chunk.
std::string FmtBody(size_t extra = 0) {
    std::string b = Le16(1) + Le16(1) + Le32(22050) + Le32(44100) + Le16(2) + Le16(16);
    b += std::string(extra, '\x00');
    return b;
}

std::string Chunk(const char* id, const std::string& body, uint32_t declared = 0xFFFFFFFF) {
    return std::string(id, 4) + Le32(declared == 0xFFFFFFFF ? uint32_t(body.size()) : declared) + body;
}

std::string Riff(const char* form, const std::string& body, uint32_t declared = 0xFFFFFFFF) {
    return "RIFF" + Le32(declared == 0xFFFFFFFF ? uint32_t(body.size() + 4) : declared) + std::string(form, 4) + body;
}

std::string Samples(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += char(i * 7);
    return s;
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    bool loads;
    uint32_t length;  // data length expected when it loads
};

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof(dir), dir);
    return std::string(dir) + "pellora_wav_" + name + ".wav";
}

TEST(WaveReaderTest, CraftedFiles) {
    const std::string data = Chunk("data", Samples(100));
    const ReaderCase cases[] = {
        {"plain", Riff("WAVE", Chunk("fmt ", FmtBody()) + data), true, 100},
        {"extended fmt 18", Riff("WAVE", Chunk("fmt ", FmtBody(2)) + data), true, 100},
        {"extensible fmt 40", Riff("WAVE", Chunk("fmt ", FmtBody(24)) + data), true, 100},
        {"LIST before data", Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("LIST", "INFOabcd") + data), false, 0},
        {"fact before data", Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("fact", Le32(50)) + data), false, 0},
        {"data before fmt", Riff("WAVE", data + Chunk("fmt ", FmtBody())), false, 0},
        {"data shorter than declared", Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("data", Samples(60), 100)), true,
         60},
        {"absurd data size", Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("data", Samples(80), 0xFFFFFFF0u)), true,
         80},
        {"other form first", Riff("AVI ", Samples(30)) + Riff("WAVE", Chunk("fmt ", FmtBody()) + data), true, 100},
        {"two other forms",
         Riff("ACON", Samples(8)) + Riff("RMID", Samples(13)) + Riff("WAVE", Chunk("fmt ", FmtBody()) + data), true,
         100},
        {"other form with absurd size",
         Riff("AVI ", Samples(30), 0xFFFFFFF0u) + Riff("WAVE", Chunk("fmt ", FmtBody()) + data), false, 0},
        {"other form with size below 4", Riff("AVI ", "", 2) + Riff("WAVE", Chunk("fmt ", FmtBody()) + data), false, 0},
        {"only another form", Riff("AVI ", Samples(30)), false, 0},
        {"absurd fmt size", Riff("WAVE", Chunk("fmt ", FmtBody(), 0xFFFFFFF0u) + data), false, 0},
        {"fmt size below 16", Riff("WAVE", Chunk("fmt ", FmtBody(), 8) + data), false, 0},
        {"truncated RIFF header", "RIFF" + Le32(100), false, 0},
        {"truncated fmt", Riff("WAVE", "fmt " + Le32(16) + FmtBody().substr(0, 10)), false, 0},
        {"no data chunk", Riff("WAVE", Chunk("fmt ", FmtBody())), false, 0},
        {"truncated data header", Riff("WAVE", Chunk("fmt ", FmtBody()) + "dat"), false, 0},
        {"empty data", Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("data", "")), true, 0},
        {"empty file", "", false, 0},
    };
    for (const ReaderCase& c : cases) {
        const std::string path = TempPath("case");
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(c.bytes.data(), std::streamsize(c.bytes.size()));
        }
        WaveInfo info;
        std::memset(&info, 0xAB, sizeof(info));
        unsigned char* samples = ReadWaveFile(path.c_str(), &info);
        EXPECT_EQ(c.loads, samples != nullptr) << c.name;
        if (samples != nullptr) {
            EXPECT_EQ(c.length, info.nDataLength) << c.name;
            EXPECT_EQ(22050u, info.nSamplesPerSec) << c.name;
            EXPECT_EQ(16u, info.nBitsPerSample) << c.name;
            EXPECT_EQ(2u, info.nBlockAlign) << c.name;
            EXPECT_EQ(1u, info.nChannels) << c.name;
            EXPECT_EQ(1u, info.wFormatTag) << c.name;
            EXPECT_EQ(44100u, info.nAvgBytesPerSec) << c.name;
            for (uint32_t i = 0; i < info.nDataLength; ++i) {
                if (samples[i] != (unsigned char)(i * 7)) {
                    ADD_FAILURE() << c.name << ": sample " << i;
                    break;
                }
            }
            delete[] samples;
        } else {
            EXPECT_EQ(0xABABABABu, info.nDataLength) << c.name << ": info written on failure";
        }
        ::DeleteFileA(path.c_str());
    }
}

TEST(WaveReaderTest, MissingFile) {
    WaveInfo info;
    EXPECT_EQ(nullptr, ReadWaveFile(TempPath("does_not_exist").c_str(), &info));
}

TEST(WaveReaderTest, EveryRecordingReadsWithItsNamedFormat) {
    const char* names[] = {"08B11KM1", "16B22KS2", "08B44KS1", "16B44KM2"};
    const struct {
        uint32_t rate;
        uint16_t bits, channels;
    } formats[] = {{11025, 8, 1}, {22050, 16, 2}, {44100, 8, 2}, {44100, 16, 1}};
    for (int i = 0; i < 4; ++i) {
        std::string path = std::string("./WAV_Files/") + names[i] + ".wav";
        WaveInfo info;
        unsigned char* samples = ReadWaveFile(path.c_str(), &info);
        ASSERT_NE(nullptr, samples) << path;
        EXPECT_EQ(formats[i].rate, info.nSamplesPerSec) << path;
        EXPECT_EQ(formats[i].bits, info.nBitsPerSample) << path;
        EXPECT_EQ(formats[i].channels, info.nChannels) << path;
        EXPECT_GT(info.nDataLength, 0u) << path;
        delete[] samples;
    }
}

// The fatal path ends the process, so it runs in a child: loadfatal.exe <file> loads the file into a buffer
// of the scriptable device. A watcher answers the child's boxes and keeps their texts.
struct Watch {
    DWORD pid;
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

BOOL CALLBACK AnswerChildBox(HWND hWnd, LPARAM lParam) {
    Watch* w = reinterpret_cast<Watch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != w->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char caption[128] = "";
    char text[512] = "";
    ::GetWindowTextA(hWnd, caption, sizeof(caption));
    if (::GetDlgItem(hWnd, IDOK) == nullptr)
        return TRUE;
    ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
    w->captions.push_back(caption);
    w->texts.push_back(text);
    ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hWnd, IDOK));
    ::Sleep(100);
    return FALSE;
}

DWORD RunFatalChild(const std::string& file, Watch* watch) {
    std::string cmd = "\"" + testsupport::ModuleDir() + "loadfatal.exe\" \"" + file + "\"";
    PROCESS_INFORMATION pi;
    if (!testsupport::StartProcess(cmd, &pi))
        return 0x12345678;
    watch->pid = pi.dwProcessId;
    DWORD code = STILL_ACTIVE;
    for (int i = 0; i < 300; ++i) {
        if (::WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0)
            break;
        size_t before = watch->texts.size();
        ::EnumWindows(AnswerChildBox, reinterpret_cast<LPARAM>(watch));
        (void)before;
    }
    if (::WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 99);
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

TEST(LoadFatalTest, UnreadableRecordingShowsTwoBoxesAndExits) {
    const std::string malformed = TempPath("malformed");
    {
        std::string bytes = Riff("WAVE", Chunk("fmt ", FmtBody()) + Chunk("LIST", "INFO") + Chunk("data", "ab"));
        std::ofstream out(malformed, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }
    const std::string files[] = {"./WAV_Files/NOSUCH.wav", malformed};
    for (const std::string& file : files) {
        Watch watch{};
        DWORD code = RunFatalChild(file, &watch);
        EXPECT_EQ(0xFFFFFFFFu, code) << file;
        ASSERT_EQ(2u, watch.texts.size()) << file;
        EXPECT_EQ("Tazro Pellora", watch.captions[0]);
        EXPECT_EQ("Tazro Pellora", watch.captions[1]);
        EXPECT_EQ("Error, " + file + " could not be loaded", watch.texts[0]);
        EXPECT_EQ(0u, watch.texts[1].find("Pellora is exiting...please fix the problem if possible, before running "
                                          "again, or email "))
            << watch.texts[1];
        EXPECT_NE(std::string::npos, watch.texts[1].find(" for assistance.")) << watch.texts[1];
    }
    ::DeleteFileA(malformed.c_str());
}

}  // namespace
