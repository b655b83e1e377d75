// Dialogs built from resource templates: modal (DoModal) or modeless (Create, used by tests), with data
// exchange binding control members to their ids, and OK/Cancel as overridable handlers.
#pragma once
#include "Controls.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, BOOL bSave) : m_bSaveAndValidate(bSave), m_pDlgWnd(pDlg) {}
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
};

// Binds a control member to the control with this id in the dialog.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; returns the value given to EndDialog, or -1 when it could not be created.
    INT_PTR DoModal();
    // Creates the dialog modeless (for tests and embedding); EndDialog then records the result and hides it.
    BOOL Create(CWnd* pParent = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL CheckRadioButton(int first, int last, int check) const {
        return ::CheckRadioButton(m_hWnd, first, last, check);
    }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void SetDlgItemText(int id, const char* s) const { ::SetDlgItemTextA(m_hWnd, id, s); }
    std::string GetDlgItemText(int id) const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;           // not owned
    INT_PTR m_nModalResult = -1;  // last result given to EndDialog
    bool m_bModal = false;

    DECLARE_MESSAGE_MAP()

protected:
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    void ExecuteDlgInit();
};
