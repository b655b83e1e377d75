// The format button of the main dialog: choose the format, then show it on the button and in the pane.
#include "settings/PrimaryFormat.h"
#include "ui/PelloraDlg.h"

void CPelloraDlg::OnOutputFormat() {
    INT_PTR result = m_dlgOutputFormat.DoModal();
    if (result != 0) {
        m_nPrimaryRate = g_nPrimaryRate;
        m_nPrimaryBits = g_nPrimaryBits;
        m_nPrimaryChannels = g_nPrimaryChannels;
    }
    char caption[20];
    FormatPrimaryCaption(caption, m_nPrimaryRate, m_nPrimaryBits, m_nPrimaryChannels);
    m_btnFormat.SetWindowText(caption);
    m_strStatus = g_pszLineBreak;
    m_strStatus += "Primary buffer format on testing will be: ";
    m_strStatus += caption;
    m_strStatus += ".";
    m_strStatus += g_pszLineBreak;
    AddStatusLine(&m_edtStatus, m_strStatus.c_str(), false);
}
