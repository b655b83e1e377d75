// The status pane routine and the log file: exact bytes on disk, reading back, and the two questions.
#include <cstring>
#include "ui/LogLayout.h"
#include "ui/MainDialogFixture.h"
#include "resources/resource.h"

using testsupport::DialogAnswerer;
using testsupport::ReadFileBytes;

namespace {

const char kAlertTitle[] = "                    PELLORA  ALERT!";
const std::string kRule(54, '-');

// The header as stored: the ctime text's LF and the CR LF pairs widened by text mode.
void ExpectHeaderOnDisk(const std::string& file, size_t* headerEnd) {
    const std::string title = "Pellora.LOG file Last Updated ";
    ASSERT_GE(file.size(), title.size() + 24 + 2 + 3 + 54 + 3);
    EXPECT_EQ(title, file.substr(0, title.size()));
    size_t p = title.size() + 24;  // weekday, month, day, time, year
    EXPECT_EQ("\r\n\r\r\n", file.substr(p, 5)) << "ctime's LF, then CR LF";
    p += 5;
    EXPECT_EQ(kRule, file.substr(p, 54));
    p += 54;
    EXPECT_EQ("\r\r\n", file.substr(p, 3));
    *headerEnd = p + 3;
}

TEST_F(MainDialogTest, StatusLineAppendsReplacesAndKeepsLongTextsWhole) {
    OpenDialog();
    m_pDlg->AddStatusLine(&m_pDlg->m_edtStatus, "one\r\n", false);
    m_pDlg->AddStatusLine(&m_pDlg->m_edtStatus, "two\r\n", false);
    EXPECT_EQ("one\r\ntwo\r\n", PaneText());
    std::string longText(700, 'x');
    m_pDlg->AddStatusLine(&m_pDlg->m_edtStatus, longText.c_str(), false);
    EXPECT_EQ("one\r\ntwo\r\n" + longText, PaneText()) << "nothing cut at 255 characters";
    m_pDlg->AddStatusLine(&m_pDlg->m_edtPosX, "1.0m", true);
    m_pDlg->AddStatusLine(&m_pDlg->m_edtPosX, "", true);
    EXPECT_EQ("", m_pDlg->m_edtPosX.GetWindowText());
    m_pDlg->ShowPosition(-1.25f, 0.0f, 12.0f);
    EXPECT_EQ("-1.2m", m_pDlg->m_edtPosX.GetWindowText());  // "%.1f" rounds half to even here
    EXPECT_EQ("0.0m", m_pDlg->m_edtPosY.GetWindowText());
    EXPECT_EQ("12.0m", m_pDlg->m_edtPosZ.GetWindowText());
}

TEST_F(MainDialogTest, LongCommentaryIsNeverLostInThePane) {
    OpenDialog();
    std::string line(99, 'c');
    line += "\r\n";
    for (int i = 0; i < 310; ++i)  // 31 310 characters, beyond the edit control's default limit of 30 000
        m_pDlg->AddStatusLine(&m_pDlg->m_edtStatus, line.c_str(), false);
    EXPECT_EQ(310u * 101u, PaneText().size());
}

TEST(LogLayout, CommentarySpanAndPrintPages) {
    EXPECT_EQ(std::string("A\r\nB\r\0", 6), CommentarySpan("A\r\nB\r\n", 6));
    EXPECT_EQ("", CommentarySpan("single line", 0));
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "line " + std::to_string(i + 1) + "\r\n";
    auto pages = SplitPrintPages(text);
    ASSERT_EQ(2u, pages.size());
    std::string first = text.substr(pages[0].first, pages[0].second);
    EXPECT_EQ(65, std::count(first.begin(), first.end(), '\n'));
    EXPECT_EQ("line 66", text.substr(pages[1].first, 7));
    EXPECT_EQ(text.size(), pages[1].first + pages[1].second);
}

TEST_F(MainDialogTest, SaveWritesHeaderThenTheCommentaryEndingInNul) {
    OpenDialog();
    SetPane("A\r\nB\r\n");
    m_app.OnSaveLog();
    std::string file = ReadFileBytes("Pellora.LOG");
    size_t p = 0;
    ExpectHeaderOnDisk(file, &p);
    EXPECT_EQ(std::string("A\r\r\nB\r\0", 7), file.substr(p));
    EXPECT_EQ("A\r\nB\r\nLog File updated...", PaneText());
}

TEST_F(MainDialogTest, SaveOfASingleLinePaneWritesTheHeaderWithItsNul) {
    OpenDialog();
    SetPane("only line");
    m_app.OnSaveLog();
    std::string file = ReadFileBytes("Pellora.LOG");
    size_t p = 0;
    ExpectHeaderOnDisk(file, &p);
    EXPECT_EQ(std::string("\0", 1), file.substr(p));
}

TEST_F(MainDialogTest, SavingOverAnExistingLogAsksFirst) {
    OpenDialog();
    FILE* f = fopen("Pellora.LOG", "wb");
    fputs("old", f);
    fclose(f);
    SetPane("A\r\nB\r\n");
    {
        DialogAnswerer answers;
        std::string question;
        answers.Inspect(
            kAlertTitle,
            [](HWND h, void* ctx) {
                char buf[128] = "";
                ::GetDlgItemTextA(h, IDC_ALERT_TEXT, buf, sizeof(buf));
                *static_cast<std::string*>(ctx) = buf;
            },
            &question, IDCANCEL);
        m_app.OnSaveLog();
        EXPECT_EQ("The Pellora Log file already exists, OverWrite it?", question);
    }
    EXPECT_EQ("old", ReadFileBytes("Pellora.LOG")) << "Cancel leaves the file";
    EXPECT_EQ("A\r\nB\r\n", PaneText()) << "Cancel leaves the pane";
    {
        DialogAnswerer answers;
        answers.Click(kAlertTitle, IDOK);
        m_app.OnSaveLog();
    }
    EXPECT_EQ(0u, ReadFileBytes("Pellora.LOG").find("Pellora.LOG file Last Updated "));
}

TEST_F(MainDialogTest, ViewAfterSaveShowsHeaderRuleAndCommentary) {
    OpenDialog();
    SetPane("A\r\nB\r\n");
    m_app.OnSaveLog();
    SetPane("something else");
    m_app.OnViewLog();
    std::string pane = PaneText();
    EXPECT_EQ(0u, pane.find("Pellora.LOG file Last Updated "));
    size_t rule = pane.find(kRule);
    ASSERT_NE(std::string::npos, rule);
    EXPECT_EQ("\n\r\n", pane.substr(rule - 3, 3)) << "ctime's LF, then the header's CR LF";
    EXPECT_EQ(kRule + "\r\nA\r\nB\r", pane.substr(rule)) << "the commentary's line breaks come back as CR LF";
}

TEST_F(MainDialogTest, ViewWithoutALogFileOffersToCreateIt) {
    OpenDialog();
    SetPane("first\r\nsecond\r\n");
    {
        DialogAnswerer answers;
        answers.Click(kAlertTitle, IDCANCEL);
        m_app.OnViewLog();
        EXPECT_EQ(1u, answers.Answered());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("Pellora.LOG")) << "Cancel creates nothing";
    EXPECT_EQ("first\r\nsecond\r\n", PaneText());
    {
        DialogAnswerer answers;
        answers.Click(kAlertTitle, IDOK);
        m_app.OnViewLog();
    }
    std::string pane = PaneText();
    EXPECT_EQ(0u, pane.find("Pellora.LOG file Last Updated "));
    EXPECT_NE(std::string::npos, pane.find("\r\nfirst\r\nsecond\r"));
}

TEST_F(MainDialogTest, AnEmptyLogClearsThePane) {
    OpenDialog();
    fclose(fopen("Pellora.LOG", "wb"));
    SetPane("text");
    m_app.OnViewLog();
    EXPECT_EQ("", PaneText());
}

TEST_F(MainDialogTest, PrintingAnEmptyPaneShowsNoDialog) {
    OpenDialog();
    testsupport::ThreadedClick answer("Print", IDCANCEL, 1500);
    m_app.OnPrintLog();
    EXPECT_FALSE(answer.Clicked()) << "no print dialog";
    EXPECT_EQ("Log File printed...", PaneText());
}

TEST_F(MainDialogTest, ConfirmIsTrueOnlyForOK) {
    OpenDialog();
    struct Case {
        const char* how;
        int button;
        bool expected;
    } cases[] = {{"OK", IDOK, true}, {"Cancel", IDCANCEL, false}};
    for (const Case& c : cases) {
        DialogAnswerer answers;
        answers.Click(kAlertTitle, c.button);
        EXPECT_EQ(c.expected, m_pDlg->Confirm("Question?")) << c.how;
    }
    DialogAnswerer answers;
    answers.Inspect(
        kAlertTitle, [](HWND h, void*) { ::PostMessageA(h, WM_CLOSE, 0, 0); }, nullptr, 0);
    EXPECT_FALSE(m_pDlg->Confirm("Question?")) << "closing the window";
}

}  // namespace
