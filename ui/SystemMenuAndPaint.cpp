// The About entry of the system menu and of Help, and the minimised icon.
#include "resources/resource.h"
#include "settings/SmallDialogs.h"
#include "ui/PelloraDlg.h"

void CPelloraDlg::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Default();
}

void CPelloraDlg::OnAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CPelloraDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc, 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

HCURSOR CPelloraDlg::OnQueryDragIcon() {
    return (HCURSOR)m_hIcon;
}
