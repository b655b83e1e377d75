#include "WinApp.h"
#include <commctrl.h>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    g_pApp = this;
    m_hInstance = ::GetModuleHandleA(nullptr);
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::Enable3dControlsStatic() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
}

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

CWinApp* FwGetApp() {
    return g_pApp;
}

HINSTANCE FwGetResourceHandle() {
    return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HWND FwGetMainHwnd() {
    if (g_pApp == nullptr || g_pApp->m_pMainWnd == nullptr)
        return nullptr;
    HWND h = g_pApp->m_pMainWnd->m_hWnd;
    return ::IsWindow(h) ? h : nullptr;
}

int FwMessageBox(const char* text, UINT type) {
    const char* caption = g_pApp != nullptr ? g_pApp->m_pszAppName : "";
    HWND owner = FwGetMainHwnd();
    if (owner != nullptr) {
        HWND popup = ::GetLastActivePopup(owner);
        if (popup != nullptr && ::IsWindowEnabled(popup))
            owner = popup;
    }
    return ::MessageBoxA(owner, text, caption, type);
}

int FwWinMain(HINSTANCE hInstance) {
    if (g_pApp == nullptr)
        return -1;
    g_pApp->m_hInstance = hInstance;
    if (!g_pApp->InitInstance())
        return g_pApp->ExitInstance();
    return g_pApp->Run();
}
