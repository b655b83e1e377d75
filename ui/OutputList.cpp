// The output list (1026): the speaker configuration a run applies when it begins.
#include <string>
#include "sources/SourceSet.h"
#include "ui/DriverList.h"
#include "ui/PelloraDlg.h"

int OutputModeForPosition(int position) {
    return position >= 0 && position <= 3 ? position + 1 : 0;
}

int CPelloraDlg::GetOutputModeChoice() {
    return OutputModeForPosition(m_cboOutput.GetCurSel());
}

void CPelloraDlg::OnOutputDropDown() {
    int sel = m_cboOutput.GetCurSel();
    if (sel >= 0 && m_cboOutput.GetLBText(sel) == kOutputPlaceholder)
        m_cboOutput.DeleteString(sel);
}

void CPelloraDlg::OnOutputSelEndCancel() {
    m_bOutputSelectPending = 0;
}

void CPelloraDlg::OnOutputCloseUp() {
    const int sel = m_cboOutput.GetCurSel();
    if (m_bOutputSelectPending) {
        int mode = OutputModeForPosition(sel);
        if (mode != 0)
            m_nOutputMode = mode;
        if (m_pSources != nullptr)
            m_pSources->SetOutputMode(m_nOutputMode);
        m_strStatus = std::string("\r\nOutput Mode on testing will be: ") +
                      (sel >= 0 ? m_cboOutput.GetLBText(sel) : "") + ".\r\n";
        AddStatusLine(&m_edtStatus, m_strStatus.c_str(), false);
    } else if (sel == -1) {
        m_cboOutput.SetCurSel(m_cboOutput.AddString(kOutputPlaceholder));
    }
    m_bOutputSelectPending = 1;
}
