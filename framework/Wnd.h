// A window handle with the operations Pellora's windows and controls use, and the message dispatcher.
#pragma once
#include <string>
#include "CmdTarget.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}

    HWND m_hWnd = nullptr;  // not owned by a plain CWnd; dialogs and frames destroy their own

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach() {
        HWND h = m_hWnd;
        m_hWnd = nullptr;
        return h;
    }

    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, msg, w, l); }
    BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, msg, w, l); }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    void DrawMenuBar() const { ::DrawMenuBar(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR id, UINT ms) const { return ::SetTimer(m_hWnd, id, ms, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    void GetClientRect(RECT* r) const { ::GetClientRect(m_hWnd, r); }
    void GetWindowRect(RECT* r) const { ::GetWindowRect(m_hWnd, r); }
    void ScreenToClient(POINT* p) const { ::ScreenToClient(m_hWnd, p); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    BOOL DestroyWindow();

    // Dispatches one message through the message map. Returns true when a handler took it; a handler
    // that calls Default() asks for the platform's default handling as well.
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Called from a handler: the message goes on to the platform's default handling after the handler.
    void Default() { m_bWantDefault = true; }

protected:
    // Commands the window's own map does not handle go to the application object (menus of the dialog).
    virtual bool RouteCommand(UINT nID, UINT nCode);

    bool m_bWantDefault = false;
};
