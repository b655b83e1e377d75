#include "settings/OutputFormatDlg.h"
#include "resources/resource.h"
#include "settings/PrimaryFormat.h"
#include "settings/SmallDialogs.h"

BEGIN_MESSAGE_MAP(COutputFormatDlg, CDialog)
ON_BN_CLICKED(IDC_RATE_11, OnRate11)
ON_BN_CLICKED(IDC_RATE_22, OnRate22)
ON_BN_CLICKED(IDC_RATE_44, OnRate44)
ON_BN_CLICKED(IDC_BITS_8, OnBits8)
ON_BN_CLICKED(IDC_BITS_16, OnBits16)
ON_BN_CLICKED(IDC_MONO, OnMono)
ON_BN_CLICKED(IDC_STEREO, OnStereo)
ON_BN_CLICKED(IDC_FORMAT_DEFAULT, OnDefault)
END_MESSAGE_MAP()

COutputFormatDlg::COutputFormatDlg(CWnd* pParent) : CDialog(IDD_OUTPUT_FORMAT, pParent) {}

void COutputFormatDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORMAT_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_STEREO, m_btnStereo);
    DDX_Control(pDX, IDC_RATE_44, m_btnRate44);
    DDX_Control(pDX, IDC_RATE_22, m_btnRate22);
    DDX_Control(pDX, IDC_BITS_16, m_btnBits16);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_RATE_11, m_btnRate11);
    DDX_Control(pDX, IDC_MONO, m_btnMono);
    DDX_Control(pDX, IDC_BITS_8, m_btnBits8);
}

BOOL COutputFormatDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nRate = g_nPrimaryRate;
    m_nBits = g_nPrimaryBits;
    m_nChannels = g_nPrimaryChannels;
    CheckRadioButton(IDC_MONO, IDC_STEREO, m_nChannels == 1 ? IDC_MONO : IDC_STEREO);
    CheckRadioButton(IDC_BITS_8, IDC_BITS_16, m_nBits == 8 ? IDC_BITS_8 : IDC_BITS_16);
    int rate = m_nRate <= 11 ? IDC_RATE_11 : m_nRate <= 22 ? IDC_RATE_22 : IDC_RATE_44;
    CheckRadioButton(IDC_RATE_11, IDC_RATE_44, rate);
    return TRUE;
}

void COutputFormatDlg::OnOK() {
    bool store = true;
    bool isDefault = m_nRate == 22 && m_nBits == 8 && m_nChannels == 2;
    if (!isDefault && !g_bFormatWarningShown) {
        g_bFormatWarningShown = 1;
        CFormatWarningDlg warning;
        store = warning.DoModal() == IDOK;
    }
    if (store) {
        g_nPrimaryRate = m_nRate;
        g_nPrimaryBits = m_nBits;
        g_nPrimaryChannels = m_nChannels;
    }
    CDialog::OnOK();
}

void COutputFormatDlg::OnCancel() {
    CDialog::OnCancel();
}

void COutputFormatDlg::OnRate11() {
    CheckRadioButton(IDC_RATE_11, IDC_RATE_44, IDC_RATE_11);
    m_nRate = 11;
}

void COutputFormatDlg::OnRate22() {
    CheckRadioButton(IDC_RATE_11, IDC_RATE_44, IDC_RATE_22);
    m_nRate = 22;
}

void COutputFormatDlg::OnRate44() {
    CheckRadioButton(IDC_RATE_11, IDC_RATE_44, IDC_RATE_44);
    m_nRate = 44;
}

void COutputFormatDlg::OnBits8() {
    CheckRadioButton(IDC_BITS_8, IDC_BITS_16, IDC_BITS_8);
    m_nBits = 8;
}

void COutputFormatDlg::OnBits16() {
    CheckRadioButton(IDC_BITS_8, IDC_BITS_16, IDC_BITS_16);
    m_nBits = 16;
}

void COutputFormatDlg::OnMono() {
    CheckRadioButton(IDC_MONO, IDC_STEREO, IDC_MONO);
    m_nChannels = 1;
}

void COutputFormatDlg::OnStereo() {
    CheckRadioButton(IDC_MONO, IDC_STEREO, IDC_STEREO);
    m_nChannels = 2;
}

void COutputFormatDlg::OnDefault() {
    CheckRadioButton(IDC_MONO, IDC_STEREO, IDC_STEREO);
    CheckRadioButton(IDC_BITS_8, IDC_BITS_16, IDC_BITS_8);
    CheckRadioButton(IDC_RATE_11, IDC_RATE_44, IDC_RATE_22);
    m_nRate = 22;
    m_nBits = 8;
    m_nChannels = 2;
}
