#include "settings/SmallDialogs.h"
#include "resources/resource.h"

CFormatWarningDlg::CFormatWarningDlg(CWnd* pParent) : CDialog(IDD_FORMAT_WARNING, pParent) {}

CAutoPauseDlg::CAutoPauseDlg(CWnd* pParent) : CDialog(IDD_AUTOPAUSE, pParent) {}

void CAutoPauseDlg::OnOK() {
    CDialog::OnOK();
}

CAlertDlg::CAlertDlg(CWnd* pParent) : CDialog(IDD_ALERT, pParent) {}

void CAlertDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ALERT_TEXT, m_stcText);
}

BOOL CAlertDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ALERT_TEXT, m_strText.c_str());
    return TRUE;
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX, nullptr) {}
