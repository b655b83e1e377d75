// A window of the program's own class (the room display is one), dispatching through its message map.
// Creation, painting, background erasing and destruction are hooks a derived class maps with
// ON_WM_CREATE, ON_WM_PAINT, ON_WM_ERASEBKGND and ON_WM_DESTROY.
#pragma once
#include "Wnd.h"

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the window; the owner destroys it with DestroyWindow and then deletes the object.
    BOOL Create(const char* lpszClassName,
                const char* lpszWindowName,
                DWORD dwStyle,
                const RECT& rect,
                CWnd* pParentWnd = nullptr,
                DWORD dwExStyle = 0);

    // Called after the last message the window receives.
    virtual void PostNcDestroy() {}

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Paint context for a WM_PAINT handler: BeginPaint at construction, EndPaint at destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC m_hDC;
    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
