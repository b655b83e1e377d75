// The one routine that writes commentary into the status pane or a read-out box, and the position read-out.
#include <cstdio>
#include "ui/PelloraDlg.h"

void CPelloraDlg::AddStatusLine(CEdit* pControl, const char* text, bool replace) {
    // Texts longer than 255 characters (long driver descriptions) are kept whole: nothing is cut.
    std::string content = replace ? std::string() : pControl->GetWindowText();
    content += text != nullptr ? text : "";
    pControl->SetWindowText(content.c_str());
    pControl->LineScroll(pControl->GetLineCount());
}

void CPelloraDlg::ShowPosition(float x, float y, float z) {
    char buf[64];
    std::snprintf(buf, sizeof(buf), "%.1fm", x);
    AddStatusLine(&m_edtPosX, buf, true);
    std::snprintf(buf, sizeof(buf), "%.1fm", y);
    AddStatusLine(&m_edtPosY, buf, true);
    std::snprintf(buf, sizeof(buf), "%.1fm", z);
    AddStatusLine(&m_edtPosZ, buf, true);
}
