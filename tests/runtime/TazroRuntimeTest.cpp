// The stand-in Tazro runtime installed into the prefix, seen through Pellora's audio layer.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include "audio/SoundDevice.h"
#include "audio/TazroRuntime.h"
#include "sources/SourceSet.h"
#include "support/TestSupport.h"

namespace {

std::string SystemDll() {
    char dir[MAX_PATH];
    ::GetSystemDirectoryA(dir, sizeof(dir));
    return std::string(dir) + "\\TAZRO.DLL";
}

std::string RuntimeDir() {
    // The runtime is staged beside the Pellora folder the tests run in.
    return "..\\TazroRuntime\\";
}

using testsupport::CallExport;

void Configure(DWORD hw2D, DWORD hw3D, const char* speakers = "", const char* formats = "") {
    testsupport::WriteDword(TAZRO_EMULATION_KEY, "HW2DVoices", hw2D);
    testsupport::WriteDword(TAZRO_EMULATION_KEY, "HW3DVoices", hw3D);
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, TAZRO_EMULATION_KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    ::RegSetValueExA(key, "RefusedSpeakerConfigs", 0, REG_SZ, reinterpret_cast<const BYTE*>(speakers),
                     DWORD(strlen(speakers) + 1));
    ::RegSetValueExA(key, "RefusedFormats", 0, REG_SZ, reinterpret_cast<const BYTE*>(formats),
                     DWORD(strlen(formats) + 1));
    ::RegCloseKey(key);
}

class TazroRuntimeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testsupport::DeleteKeyTree(TAZRO_EMULATION_KEY);
        ASSERT_TRUE(::CopyFileA((RuntimeDir() + "TAZRO.DLL").c_str(), SystemDll().c_str(), FALSE));
        ASSERT_TRUE(CallExport(SystemDll(), "DllRegisterServer"));
    }
    static void TearDownTestSuite() {
        ::CoFreeUnusedLibraries();
        CallExport(SystemDll(), "DllUnregisterServer");
        ::DeleteFileA(SystemDll().c_str());
        testsupport::DeleteKeyTree(TAZRO_EMULATION_KEY);
    }
    void SetUp() override {
        testsupport::DeleteKeyTree(TAZRO_EMULATION_KEY);
        m_hWnd = ::CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        testsupport::DeleteKeyTree(TAZRO_EMULATION_KEY);
        ::DestroyWindow(m_hWnd);
    }
    HWND m_hWnd = nullptr;
};

TEST_F(TazroRuntimeTest, OpenReportsTazroAndGetCapsShowsThePool) {
    CSoundDevice device;
    int tazro = 0;
    ASSERT_EQ(0, device.Open(nullptr, m_hWnd, 1, TRUE, &tazro));
    EXPECT_EQ(1, tazro);
    DSCAPS caps = {};
    caps.dwSize = sizeof(caps);
    ASSERT_EQ(0, device.GetCaps(&caps));
    EXPECT_EQ(32u, caps.dwMaxHwMixingAllBuffers) << "default pool";
    EXPECT_EQ(32u, caps.dwFreeHwMixingStaticBuffers);
    EXPECT_EQ(16u, caps.dwMaxHw3DAllBuffers);
    EXPECT_EQ(16u, caps.dwFreeHw3DAllBuffers);

    // Free counts follow the buffers that hold a voice.
    CSoundBuffer b2D, b3D, sw;
    ASSERT_EQ(0, b2D.Load(device.m_pDS, RecordingPath(8), kPlaceAny, FALSE, FALSE, kKind2D, 0));
    ASSERT_EQ(0, b3D.Load(device.m_pDS, RecordingPath(8), kPlaceHardware, FALSE, FALSE, kKind3D, 0));
    ASSERT_EQ(0, sw.Load(device.m_pDS, RecordingPath(8), kPlaceSoftware, FALSE, FALSE, kKind3D, 0));
    EXPECT_EQ(4, b2D.IsHardware());
    EXPECT_EQ(4, b3D.IsHardware());
    EXPECT_EQ(0, sw.IsHardware());
    EXPECT_EQ(1, b3D.Is3DActive());
    ASSERT_EQ(0, device.GetCaps(&caps));
    EXPECT_EQ(31u, caps.dwFreeHwMixingAllBuffers);
    EXPECT_EQ(15u, caps.dwFreeHw3DAllBuffers);
    b2D.Release();
    b3D.Release();
    sw.Release();
    ASSERT_EQ(0, device.GetCaps(&caps));
    EXPECT_EQ(32u, caps.dwFreeHwMixingAllBuffers);
    EXPECT_EQ(16u, caps.dwFreeHw3DAllBuffers);
    device.Close();
}

TEST_F(TazroRuntimeTest, MaxOutHardwareFindsTheConfiguredPool) {
    const struct {
        DWORD hw2D, hw3D;
        int expected2D, expected3D;
    } cases[] = {{32, 16, 32, 16}, {8, 3, 8, 3}, {1, 0, 1, 0}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        Configure(c.hw2D, c.hw3D);
        CSourceSet set;
        int tazro = 0;
        ASSERT_EQ(0, set.InitRenderer(m_hWnd, nullptr, 0, &tazro));
        EXPECT_EQ(1, tazro);
        EXPECT_NE(nullptr, set.m_pRuntimeExt) << "extension taken";
        EXPECT_EQ(0, set.SetRuntimeMode(0));
        EXPECT_EQ(c.expected2D, set.MaxOutHardware(10, kKind2D)) << c.hw2D;
        EXPECT_EQ(c.expected3D, set.MaxOutHardware(10, kKind3D)) << c.hw3D;
        DSCAPS caps = {};
        caps.dwSize = sizeof(caps);
        set.m_pDevice->GetCaps(&caps);
        EXPECT_EQ(c.hw2D, caps.dwFreeHwMixingAllBuffers) << "voices given back";
        EXPECT_EQ(c.hw3D, caps.dwFreeHw3DAllBuffers) << "voices given back";
        set.Shutdown();
    }
}

TEST_F(TazroRuntimeTest, HardwareBeyondThePoolIsRefusedAndSoftwarePassesThrough) {
    Configure(2, 1);
    CSoundDevice device;
    ASSERT_EQ(0, device.Open(nullptr, m_hWnd, 1, TRUE, nullptr));
    CSoundBuffer a, b, c, d;
    ASSERT_EQ(0, a.Load(device.m_pDS, RecordingPath(0), kPlaceHardware, FALSE, FALSE, kKind2D, 0));
    ASSERT_EQ(0, b.Load(device.m_pDS, RecordingPath(0), kPlaceAny, FALSE, FALSE, kKind2D, 0));
    EXPECT_EQ(DSERR_ALLOCATED, c.Load(device.m_pDS, RecordingPath(0), kPlaceHardware, FALSE, FALSE, kKind2D, 0));
    ASSERT_EQ(0, c.Load(device.m_pDS, RecordingPath(0), kPlaceAny, FALSE, FALSE, kKind2D, 0));
    EXPECT_EQ(0, c.IsHardware()) << "no placement with the pool empty: software";
    ASSERT_EQ(0, d.Load(device.m_pDS, RecordingPath(0), kPlaceSoftware, TRUE, TRUE, kKind2D, 0));
    EXPECT_EQ(2, d.GetPlayState());
    for (CSoundBuffer* x : {&a, &b, &c, &d})
        x->Release();
    device.Close();
}

TEST_F(TazroRuntimeTest, RefusesTheConfiguredSpeakerConfigurationsAndFormats) {
    Configure(32, 16, "0x00140004,3", "44100/16/2");
    CSourceSet set;
    ASSERT_EQ(0, set.InitRenderer(m_hWnd, nullptr, 0, nullptr));
    EXPECT_EQ(0, set.SetOutputMode(3)) << "falls back to stereo";
    int mode = 0;
    EXPECT_EQ(0, set.GetOutputMode(&mode));
    EXPECT_EQ(2, mode) << "the card keeps plain stereo";
    EXPECT_EQ(0, set.SetOutputMode(1));
    EXPECT_EQ(0, set.GetOutputMode(&mode));
    EXPECT_EQ(1, mode);
    EXPECT_EQ(0, set.SetOutputMode(4)) << "quad refused, stereo taken";
    EXPECT_EQ(DSERR_BADFORMAT, set.SetPrimaryFormat(44, 16, 2));
    EXPECT_EQ(0, set.SetPrimaryFormat(22, 16, 2));
    set.Shutdown();
}

TEST_F(TazroRuntimeTest, ServerStaysLoadedWhileADeviceLives) {
    ::CoInitialize(nullptr);
    IDirectSound* device = nullptr;
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_TazroDirectSound, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectSound,
                                       reinterpret_cast<void**>(&device)));
    HMODULE module = ::GetModuleHandleA(SystemDll().c_str());
    ASSERT_NE(nullptr, module);
    typedef HRESULT(STDAPICALLTYPE * Fn)();
    Fn canUnload = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_NE(nullptr, canUnload);
    EXPECT_EQ(S_FALSE, canUnload());
    DSCAPS caps = {};
    caps.dwSize = sizeof(caps);
    EXPECT_EQ(DSERR_UNINITIALIZED, device->GetCaps(&caps)) << "a device before Initialize";
    IUnknown* extension = nullptr;
    ASSERT_EQ(S_OK, device->QueryInterface(IID_ITazroExtension, reinterpret_cast<void**>(&extension)));
    EXPECT_EQ(S_OK, static_cast<ITazroExtension*>(extension)->SetRenderMode(0));
    extension->Release();
    device->Release();
    EXPECT_EQ(S_OK, canUnload());
    ::CoUninitialize();
}

TEST_F(TazroRuntimeTest, VersionBlockNamesTheMaker) {
    const std::string dll = SystemDll();
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(dll.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(dll.c_str(), 0, size, block.data()));
    char path[80];
    std::snprintf(path, sizeof(path), "\\StringFileInfo\\%04X04B0\\CompanyName", ::GetUserDefaultLangID());
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length)) << path;
    EXPECT_STREQ("Zephal Semiconductor Inc.", value);
    std::snprintf(path, sizeof(path), "\\StringFileInfo\\%04X04B0\\ProductName", ::GetUserDefaultLangID());
    ASSERT_TRUE(::VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length)) << path;
    EXPECT_STREQ("Tazro 3D Audio Runtime", value);
}

TEST_F(TazroRuntimeTest, ServerProgramHoldsItsEvent) {
    std::string cmd = "\"" + RuntimeDir() + "TazroSrv.exe\" 20";
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(testsupport::StartProcess(cmd, &pi));
    bool running = false;
    for (int i = 0; i < 100 && !running; ++i) {
        HANDLE e = ::OpenEventA(SYNCHRONIZE, FALSE, TAZRO_SERVER_EVENT);
        if (e != nullptr) {
            running = true;
            ::CloseHandle(e);
        } else {
            ::Sleep(50);
        }
    }
    EXPECT_TRUE(running);
    HANDLE probe = ::CreateEventA(nullptr, FALSE, FALSE, TAZRO_SERVER_EVENT);
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), ::GetLastError());
    ::CloseHandle(probe);

    std::string stop = "\"" + RuntimeDir() + "TazroSrv.exe\" /stop";
    ASSERT_TRUE(testsupport::RunProcess(stop, 10000, nullptr));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 10000));
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    HANDLE after = ::OpenEventA(SYNCHRONIZE, FALSE, TAZRO_SERVER_EVENT);
    EXPECT_EQ(nullptr, after) << "event still held after the server stopped";
    if (after != nullptr)
        ::CloseHandle(after);
}

// Strength of one frequency in a mono signal (Goertzel).
double Power(const std::vector<float>& x, double freq, double rate) {
    const double w = 2.0 * 3.14159265358979 * freq / rate;
    const double coeff = 2.0 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (float v : x) {
        const double s = v + coeff * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - coeff * s1 * s2;
}

int SignatureFrequency(int index) {
    std::ifstream f("./WAV_Files/SIGNATURES.txt");
    std::string line;
    std::getline(f, line);
    while (std::getline(f, line)) {
        std::istringstream in(line);
        int i = 0, rate = 0, bits = 0, channels = 0, freq = 0;
        std::string file;
        in >> i >> file >> rate >> bits >> channels >> freq;
        if (i == index)
            return freq;
    }
    return 0;
}

TEST_F(TazroRuntimeTest, PlayedRecordingReachesTheSinkWithItsSignature) {
    const int index = 17;  // 08B44KM2
    const int expected = SignatureFrequency(index);
    ASSERT_GT(expected, 0);
    // The ALSA file sink writes to the unix path in PELLORA_CAPTURE, which a Wine child inherits unchanged
    // (Windows-side changes to the variable do not reach it). Each process opening the sink starts the file
    // anew, so once the child has ended the file holds what the child played.
    const char* sink = std::getenv("PELLORA_CAPTURE");
    ASSERT_NE(nullptr, sink);
    const std::string capture = std::string("Z:") + sink;
    std::string cmd = "\"" + testsupport::ModuleDir() + "tazroplay.exe\" " + std::to_string(index) + " 1500";
    DWORD code = 0;
    ASSERT_TRUE(testsupport::RunProcess(cmd, 30000, &code)) << "started and ended in time";
    EXPECT_EQ(11u, code) << "device from the runtime, recording played";

    std::string raw = testsupport::ReadFileBytes(capture.c_str());
    const size_t frames = raw.size() / 8;
    ASSERT_GT(frames, 4800u) << "nothing captured";
    std::vector<float> mono;
    mono.reserve(frames);
    const float* samples = reinterpret_cast<const float*>(raw.data());
    for (size_t i = 0; i < frames; ++i) {
        const float m = 0.5f * (samples[2 * i] + samples[2 * i + 1]);
        if (!mono.empty() || std::fabs(m) > 1e-4f)
            mono.push_back(m);
    }
    ASSERT_GT(mono.size(), 4800u) << "only silence captured";
    mono.resize(std::min(mono.size(), size_t(24000)));
    int best = 0;
    double bestPower = 0;
    for (int f = 100; f <= 4000; f += 5) {
        const double p = Power(mono, f, 48000.0);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    EXPECT_NEAR(expected, best, 10) << "strongest frequency of the capture";
}

}  // namespace
