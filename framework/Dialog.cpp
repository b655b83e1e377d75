#include "Dialog.h"
#include "WinApp.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    // Re-bound on every exchange: a dialog object may be opened many times, each with new windows.
    rControl.Attach(pDX->m_pDlgWnd->GetDlgItem(nIDC));
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOKCommand)
ON_COMMAND(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && !m_bModal && ::IsWindow(m_hWnd)) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

HWND CDialog::OwnerWindow() const {
    if (m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr)
        return m_pParentWnd->m_hWnd;
    // Without a parent the dialog is owned by the main window, so it is modal over the program.
    HWND main = FwGetMainHwnd();
    if (main == m_hWnd)
        return nullptr;
    if (main != nullptr) {
        HWND popup = ::GetLastActivePopup(main);
        return popup != nullptr ? popup : main;
    }
    return nullptr;
}

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    m_nModalResult = -1;
    INT_PTR r = ::DialogBoxParamA(FwGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(), DialogProc,
                                  (LPARAM)this);
    m_bModal = false;
    m_hWnd = nullptr;
    return r;
}

BOOL CDialog::Create(CWnd* pParent) {
    if (pParent != nullptr)
        m_pParentWnd = pParent;
    m_bModal = false;
    HWND h = ::CreateDialogParamA(FwGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerWindow(), DialogProc,
                                  (LPARAM)this);
    return h != nullptr;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_hWnd == nullptr)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

std::string CDialog::GetDlgItemText(int id) const {
    CWnd item(GetDlgItem(id));
    return item.GetWindowText();
}

void CDialog::ExecuteDlgInit() {
    // Initial list items carried by the template's companion resource: id, message, byte count, text.
    HINSTANCE inst = FwGetResourceHandle();
    HRSRC res = ::FindResourceA(inst, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(240));
    if (res == nullptr)
        return;
    HGLOBAL mem = ::LoadResource(inst, res);
    const BYTE* p = mem != nullptr ? static_cast<const BYTE*>(::LockResource(mem)) : nullptr;
    if (p == nullptr)
        return;
    const BYTE* end = p + ::SizeofResource(inst, res);
    while (p + 2 <= end) {
        WORD id = *reinterpret_cast<const WORD*>(p);
        if (id == 0 || p + 8 > end)
            break;
        WORD msg = *reinterpret_cast<const WORD*>(p + 2);
        DWORD len = *reinterpret_cast<const DWORD*>(p + 4);
        p += 8;
        if (p + len > end)
            break;
        std::string text(reinterpret_cast<const char*>(p), len);
        p += len;
        size_t nul = text.find('\0');
        if (nul != std::string::npos)
            text.resize(nul);
        ::SendDlgItemMessageA(m_hWnd, id, msg, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* dlg;
    if (msg == WM_INITDIALOG) {
        dlg = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        dlg->m_hWnd = hWnd;
        dlg->ExecuteDlgInit();
        return dlg->OnInitDialog();
    }
    dlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dlg == nullptr)
        return FALSE;
    LRESULT result = 0;
    bool handled = dlg->OnWndMsg(msg, wParam, lParam, &result);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        dlg->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    // These messages return their value directly from a dialog procedure.
    switch (msg) {
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            return (INT_PTR)result;
        default:
            ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
