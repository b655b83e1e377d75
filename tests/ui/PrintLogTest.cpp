// Prints a 130-line commentary on the test prefix's PostScript printer (port FILE:, so the job lands in a
// file named "FILE:" in the current directory). The page texts are checked afterwards from the
// PostScript by check_printed_log.sh; this program checks the dialog flow and the DSC page count.
#include <algorithm>
#include "ui/MainDialogFixture.h"

namespace {

TEST_F(MainDialogTest, PrintsSixtyFiveLinesAPageWithPageNumbers) {
    const char* out = getenv("PELLORA_PRINT_DIR");
    if (out != nullptr)
        ::SetCurrentDirectoryA(out);
    ::DeleteFileA("FILE:");
    OpenDialog();
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "Commentary line " + std::to_string(i) + "\r\n";
    SetPane(text.c_str());
    testsupport::ThreadedClick answer("Print", IDOK);
    m_app.OnPrintLog();
    ASSERT_TRUE(answer.Clicked()) << "the print dialog was shown";
    EXPECT_EQ(text + "Log File printed...", PaneText());
    std::string ps = testsupport::ReadFileBytes("FILE:");
    ASSERT_FALSE(ps.empty()) << "nothing printed";
    EXPECT_NE(std::string::npos, ps.find("%%Page: 1 1"));
    EXPECT_NE(std::string::npos, ps.find("%%Page: 2 2"));
    EXPECT_EQ(std::string::npos, ps.find("%%Page: 3 3"));
    EXPECT_NE(std::string::npos, ps.find("PelloraLog")) << "document name";
}

TEST_F(MainDialogTest, CancelledPrintDialogPrintsNothingAndSaysNothing) {
    ::DeleteFileA("FILE:");
    OpenDialog();
    SetPane("a\r\nb\r\n");
    testsupport::ThreadedClick answer("Print", IDCANCEL);
    m_app.OnPrintLog();
    EXPECT_TRUE(answer.Clicked());
    EXPECT_EQ("a\r\nb\r\n", PaneText());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("FILE:"));
}

}  // namespace
