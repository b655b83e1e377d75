// LoadGauge: a small window that shows, once a second, the machine's processor load, the memory in use
// and the default sound device's hardware 2D and 3D buffers, as its option words choose.
#include <windows.h>
#include <dsound.h>
#include <string>
#include "GaugeLogic.h"

namespace {

const char kClassName[] = "LoadGaugeWindow";
const char kTitle[] = "LoadGauge";
const UINT_PTR kTimerId = 1;
const int kTextId = 100;

struct GaugeState {
    GaugeOptions options;
    IDirectSound* pSound;  // owned; null when no device could be opened
    CpuTimes lastTimes;
    bool bHaveTimes;
    HWND hText;
    HFONT hFont;  // stock object, not deleted
};

GaugeState g_state;

bool ReadCpuTimes(CpuTimes* pTimes) {
    FILETIME idle, kernel, user;
    if (!::GetSystemTimes(&idle, &kernel, &user))
        return false;
    auto join = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    pTimes->idle = join(idle);
    pTimes->kernel = join(kernel);
    pTimes->user = join(user);
    return true;
}

GaugeSample TakeSample() {
    GaugeSample sample = {};
    CpuTimes now;
    if (ReadCpuTimes(&now)) {
        if (g_state.bHaveTimes) {
            sample.bHaveCpu = true;
            sample.nCpuPercent = CpuLoadPercent(g_state.lastTimes, now);
        }
        g_state.lastTimes = now;
        g_state.bHaveTimes = true;
    }
    MEMORYSTATUSEX memory;
    memory.dwLength = sizeof(memory);
    if (::GlobalMemoryStatusEx(&memory)) {
        sample.nMemTotalMB = memory.ullTotalPhys / (1024 * 1024);
        sample.nMemUsedMB = (memory.ullTotalPhys - memory.ullAvailPhys) / (1024 * 1024);
    }
    if (g_state.pSound != nullptr) {
        DSCAPS caps;
        ZeroMemory(&caps, sizeof(caps));
        caps.dwSize = sizeof(caps);
        if (SUCCEEDED(g_state.pSound->GetCaps(&caps))) {
            sample.bHaveSound = true;
            sample.nHw2DMax = caps.dwMaxHwMixingAllBuffers;
            sample.nHw2DFree = caps.dwFreeHwMixingAllBuffers;
            sample.nHw3DMax = caps.dwMaxHw3DAllBuffers;
            sample.nHw3DFree = caps.dwFreeHw3DAllBuffers;
        }
    }
    return sample;
}

void Refresh() {
    std::string text = FormatGaugeText(g_state.options, TakeSample());
    ::SetWindowTextA(g_state.hText, text.c_str());
}

int LineCount(const GaugeOptions& o) {
    return (o.bCpu ? 1 : 0) + (o.bRam ? 1 : 0) + (o.b2DHW ? 1 : 0) + (o.b3DHW ? 1 : 0);
}

LRESULT CALLBACK GaugeProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            RECT client;
            ::GetClientRect(hWnd, &client);
            g_state.hText =
                ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 6, 4, client.right - 12,
                                  client.bottom - 8, hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)),
                                  reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance, nullptr);
            ::SendMessageA(g_state.hText, WM_SETFONT, reinterpret_cast<WPARAM>(g_state.hFont), FALSE);
            Refresh();
            ::SetTimer(hWnd, kTimerId, 1000, nullptr);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kTimerId)
                Refresh();
            return 0;
        case WM_DESTROY:
            ::KillTimer(hWnd, kTimerId);
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int showCommand) {
    g_state.options = ParseGaugeCommandLine(::GetCommandLineA());
    g_state.pSound = nullptr;
    g_state.bHaveTimes = false;
    g_state.hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (FAILED(::DirectSoundCreate(nullptr, &g_state.pSound, nullptr)))
        g_state.pSound = nullptr;

    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = GaugeProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc))
        return 1;

    // Wide enough for the longest line; one line of text per chosen measurement.
    RECT frame = {0, 0, 300, 8 + 16 * LineCount(g_state.options)};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    HWND hWnd =
        ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kTitle, style, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr) {
        if (g_state.pSound != nullptr)
            g_state.pSound->Release();
        return 1;
    }
    ::ShowWindow(hWnd, showCommand);
    ::UpdateWindow(hWnd);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (g_state.pSound != nullptr)
        g_state.pSound->Release();
    return 0;
}
