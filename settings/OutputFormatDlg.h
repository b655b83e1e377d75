// "Output Format Settings": the primary-buffer format of the next run, with the one-time warning.
#pragma once
#include "Dialog.h"

class COutputFormatDlg : public CDialog {
public:
    explicit COutputFormatDlg(CWnd* pParent = nullptr);

    CButton m_btnDefault;  // 1052
    CButton m_btnStereo;   // 1051
    CButton m_btnRate44;   // 1047
    CButton m_btnRate22;   // 1046
    CButton m_btnBits16;   // 1049
    CButton m_btnOK;       // 1
    CButton m_btnCancel;   // 2
    CButton m_btnRate11;   // 1045
    CButton m_btnMono;     // 1050
    CButton m_btnBits8;    // 1048
    int m_nRate;           // loaded from the process-wide values by OnInitDialog
    int m_nBits;
    int m_nChannels;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    void OnRate11();
    void OnRate22();
    void OnRate44();
    void OnBits8();
    void OnBits16();
    void OnMono();
    void OnStereo();
    void OnDefault();

    DECLARE_MESSAGE_MAP()
};
