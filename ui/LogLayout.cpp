#include "ui/LogLayout.h"

const char kLogFileName[] = "Pellora.LOG";

std::string BuildLogHeader(const char* ctimeText) {
    std::string h = "Pellora.LOG file Last Updated ";
    h += ctimeText != nullptr ? ctimeText : "\n";
    h += "\r\n";
    h += std::string(54, '-');
    h += "\r\n";
    return h;
}

std::string CommentarySpan(const std::string& paneText, int lastLineStart) {
    if (lastLineStart <= 0)
        return std::string();
    size_t len = (size_t)lastLineStart;
    if (len > paneText.size())
        len = paneText.size();
    std::string span = paneText.substr(0, len);
    span[len - 1] = '\0';
    return span;
}

std::vector<std::pair<size_t, size_t>> SplitPrintPages(const std::string& span) {
    std::vector<std::pair<size_t, size_t>> pages;
    size_t start = 0;
    while (start < span.size()) {
        size_t end = start;
        int lineFeeds = 0;
        while (end < span.size()) {
            if (span[end++] == '\n' && ++lineFeeds == 65)
                break;
        }
        pages.emplace_back(start, end - start);
        start = end;
    }
    return pages;
}
