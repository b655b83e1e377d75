#include "FrameWnd.h"
#include "WinApp.h"

namespace {
const char kDefaultClass[] = "FwFrameWindow";
}

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
END_MESSAGE_MAP()

CFrameWnd::~CFrameWnd() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

BOOL CFrameWnd::Create(const char* lpszClassName,
                       const char* lpszWindowName,
                       DWORD dwStyle,
                       const RECT& rect,
                       CWnd* pParentWnd,
                       DWORD dwExStyle) {
    HINSTANCE inst = FwGetResourceHandle();
    const char* cls = lpszClassName != nullptr ? lpszClassName : kDefaultClass;
    WNDCLASSA wc;
    if (!::GetClassInfoA(inst, cls, &wc)) {
        ZeroMemory(&wc, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = inst;
        wc.hCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = cls;
        if (!::RegisterClassA(&wc))
            return FALSE;
    }
    HWND parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    HWND h = ::CreateWindowExA(dwExStyle, cls, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, nullptr, inst, this);
    return h != nullptr;
}

LRESULT CALLBACK CFrameWnd::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CFrameWnd* wnd;
    if (msg == WM_NCCREATE) {
        wnd = static_cast<CFrameWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)wnd);
        wnd->m_hWnd = hWnd;
    }
    wnd = reinterpret_cast<CFrameWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (wnd == nullptr)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    LRESULT result = 0;
    bool handled = wnd->OnWndMsg(msg, wParam, lParam, &result);
    if (!handled)
        result = ::DefWindowProcA(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}
