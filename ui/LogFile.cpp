// Writing the commentary to the log file and loading it back, and the OK/Cancel question.
#include <cstdio>
#include <ctime>
#include "settings/SmallDialogs.h"
#include "ui/LogLayout.h"
#include "ui/PelloraDlg.h"

namespace {
std::string PaneSpan(CEdit& pane) {
    std::string text = pane.GetWindowText();
    int lastLineStart = pane.LineIndex(pane.GetLineCount() - 1);
    return CommentarySpan(text, lastLineStart);
}
}  // namespace

void CPelloraDlg::WriteLog(FILE* file) {
    if (file == nullptr)
        return;
    time_t now = time(nullptr);
    std::string header = BuildLogHeader(ctime(&now));
    std::string span = PaneSpan(m_edtStatus);
    bool ok;
    if (span.empty()) {
        ok = fwrite(header.c_str(), 1, header.size() + 1, file) == header.size() + 1;
    } else {
        ok = fwrite(header.data(), 1, header.size(), file) == header.size();
        ok = ok && fwrite(span.data(), 1, span.size(), file) == span.size();
    }
    ok = fflush(file) == 0 && ok;
    AddStatusLine(&m_edtStatus, ok ? "Log File updated..." : "**Write Failed**", false);
}

void CPelloraDlg::ReadLog(FILE* file) {
    if (file == nullptr)
        return;
    fseek(file, 0, SEEK_END);
    long length = ftell(file);
    if (length <= 0) {
        AddStatusLine(&m_edtStatus, "", true);
        return;
    }
    fseek(file, 0, SEEK_SET);
    std::string bytes((size_t)length, '\0');
    size_t got = fread(&bytes[0], 1, (size_t)length, file);
    if (got == 0 || ferror(file)) {
        AddStatusLine(&m_edtStatus, "**READ Failed**", false);
        return;
    }
    bytes.resize(got);
    size_t nul = bytes.find('\0');
    if (nul != std::string::npos)
        bytes.resize(nul);
    AddStatusLine(&m_edtStatus, bytes.c_str(), true);
}

bool CPelloraDlg::Confirm(const char* question) {
    CAlertDlg alert(nullptr);
    alert.m_strText = question;
    return alert.DoModal() == IDOK;
}
