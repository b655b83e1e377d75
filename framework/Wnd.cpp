#include "Wnd.h"
#include "WinApp.h"

std::string CWnd::GetWindowText() const {
    int n = ::GetWindowTextLengthA(m_hWnd);
    std::string s(n + 1, '\0');
    int got = ::GetWindowTextA(m_hWnd, &s[0], n + 1);
    s.resize(got > 0 ? got : 0);
    return s;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    HWND h = m_hWnd;
    BOOL ok = ::DestroyWindow(h);
    m_hWnd = nullptr;
    return ok;
}

bool CWnd::RouteCommand(UINT nID, UINT nCode) {
    if (OnCmdMsg(nID, nCode))
        return true;
    CWinApp* app = FwGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

// Each entry's pointer is cast back to the signature it was stored with.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
bool CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    *pResult = 0;
    m_bWantDefault = false;
    if (msg == WM_COMMAND) {
        UINT nCode = HIWORD(wParam);
        UINT nID = LOWORD(wParam);
        // Accelerators arrive with code 1 and are treated as menu commands.
        if (lParam == 0 && nCode == 1)
            nCode = 0;
        if (!RouteCommand(nID, nCode))
            return false;
        return !m_bWantDefault;
    }
    const FwMsgMapEntry* e = FindEntry(GetMessageMap(), msg, 0, 0);
    if (e == nullptr)
        return false;
    switch (e->nSig) {
        case FwSig_v:
            (this->*(e->pfn))();
            break;
        case FwSig_vTimer:
            (this->*reinterpret_cast<void (CCmdTarget::*)(UINT_PTR)>(e->pfn))(wParam);
            break;
        case FwSig_vSysCmd:
            (this->*reinterpret_cast<void (CCmdTarget::*)(UINT, LPARAM)>(e->pfn))((UINT)wParam, lParam);
            break;
        case FwSig_hIcon:
            *pResult = (LRESULT)(this->*reinterpret_cast<HCURSOR (CCmdTarget::*)()>(e->pfn))();
            break;
        case FwSig_bErase:
            *pResult = (this->*reinterpret_cast<BOOL (CCmdTarget::*)(HDC)>(e->pfn))((HDC)wParam);
            break;
        case FwSig_iCreate:
            *pResult = (this->*reinterpret_cast<int (CCmdTarget::*)(LPCREATESTRUCTA)>(e->pfn))((LPCREATESTRUCTA)lParam);
            break;
        case FwSig_lwl:
            *pResult = (this->*reinterpret_cast<LRESULT (CCmdTarget::*)(WPARAM, LPARAM)>(e->pfn))(wParam, lParam);
            break;
        default:
            return false;
    }
    return !m_bWantDefault;
}
#pragma GCC diagnostic pop
