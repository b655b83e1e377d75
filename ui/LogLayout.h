// What the log file holds, computed without a window: the header and the commentary span.
#pragma once
#include <string>
#include <utility>
#include <vector>

extern const char kLogFileName[];  // "Pellora.LOG"

// Header lines 1 and 2: the title with the ctime text (which ends in LF), CR LF, the rule, CR LF.
std::string BuildLogHeader(const char* ctimeText);

// The pane's text up to the start of its last line, with the last character of that span replaced by NUL.
// Empty when the last line starts at 0.
std::string CommentarySpan(const std::string& paneText, int lastLineStart);

// Print pages of a span: each runs up to and including its 65th LF, or to the end. (offset, length) pairs.
std::vector<std::pair<size_t, size_t>> SplitPrintPages(const std::string& span);
