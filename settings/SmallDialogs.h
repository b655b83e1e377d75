// The format warning, the auto-pause box, the alert with OK and Cancel, and the About box.
#pragma once
#include <string>
#include "Dialog.h"

class CFormatWarningDlg : public CDialog {
public:
    explicit CFormatWarningDlg(CWnd* pParent = nullptr);
};

class CAutoPauseDlg : public CDialog {
public:
    explicit CAutoPauseDlg(CWnd* pParent = nullptr);
    void OnOK() override;
};

class CAlertDlg : public CDialog {
public:
    explicit CAlertDlg(CWnd* pParent = nullptr);
    CStatic m_stcText;      // 1037
    std::string m_strText;  // the message, set by the caller before DoModal
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
