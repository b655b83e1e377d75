// The one routine that writes commentary into the status pane or a read-out box, and the position read-out.
#include <cstdio>
#include "ui/PelloraDlg.h"

void CPelloraDlg::AddStatusLine(CEdit* pControl, const char* text, bool replace) {
    // Texts longer than 255 characters (long driver descriptions) are kept whole: nothing is cut.
    const char* s = text != nullptr ? text : "";
    if (replace) {
        pControl->SetWindowText(s);
    } else {
        // Appending at the end gives the same text as reading, concatenating and setting it, without
        // re-laying out the whole commentary on every line; the limit is lifted so nothing is refused.
        if (pControl->GetLimitText() < 0x7FFFFFFE)
            pControl->SetLimitText(0);
        int end = pControl->GetWindowTextLength();
        pControl->SetSel(end, end);
        pControl->ReplaceSel(s);
    }
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
