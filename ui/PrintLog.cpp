// Printing the commentary: 65 lines a page, the page number at the top right.
#include "ui/PelloraDlg.h"
#include <commdlg.h>
#include <cstdio>
#include "ui/LogLayout.h"

void CPelloraDlg::PrintLog() {
    std::string text = m_edtStatus.GetWindowText();
    int lastLineStart = m_edtStatus.LineIndex(m_edtStatus.GetLineCount() - 1);
    std::string span = CommentarySpan(text, lastLineStart);
    if (!span.empty())
        span.pop_back();  // the NUL that stands in for the last character
    if (span.empty()) {
        AddStatusLine(&m_edtStatus, "Log File printed...", false);
        return;
    }

    PRINTDLGA pd;
    ZeroMemory(&pd, sizeof(pd));
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = m_hWnd;
    pd.Flags = PD_ALLPAGES | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_RETURNDC;
    if (!::PrintDlgA(&pd) || pd.hDC == nullptr) {
        if (pd.hDevMode != nullptr)
            ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames != nullptr)
            ::GlobalFree(pd.hDevNames);
        return;
    }
    HDC dc = pd.hDC;
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    DOCINFOA di;
    ZeroMemory(&di, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = "PelloraLog";
    di.lpszOutput = nullptr;
    di.lpszDatatype = "CHAR *";
    di.fwType = 1;
    ::StartDocA(dc, &di);
    RECT area = {500, 500, 4000, 8500};
    int pageNumber = 1;
    for (const auto& page : SplitPrintPages(span)) {
        ::StartPage(dc);
        char number[16];
        int n = std::snprintf(number, sizeof(number), "%d", pageNumber++);
        ::TextOutA(dc, 4250, 250, number, n);
        RECT r = area;
        ::DrawTextA(dc, span.data() + page.first, (int)page.second, &r, DT_WORDBREAK);
        ::EndPage(dc);
    }
    ::EndDoc(dc);
    ::SetBkMode(dc, oldMode);
    ::DeleteDC(dc);
    if (pd.hDevMode != nullptr)
        ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames != nullptr)
        ::GlobalFree(pd.hDevNames);
    AddStatusLine(&m_edtStatus, "Log File printed...", false);
}
