// The output-format dialog with its one-time warning, and the main window's format button.
#include "resources/resource.h"
#include "settings/PrimaryFormat.h"
#include "ui/MainDialogFixture.h"

using testsupport::DialogAnswerer;

namespace {

const char kFormatTitle[] = "Output Format Settings";
const char kWarningTitle[] = "Set Output Format Warning!";

struct Clicks {
    std::vector<int> ids;
    int finalButton;
};

void ClickAll(HWND h, void* ctx) {
    for (int id : static_cast<Clicks*>(ctx)->ids)
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(h, id));
}

class OutputFormatTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        g_nPrimaryRate = 22;
        g_nPrimaryBits = 8;
        g_nPrimaryChannels = 2;
        g_bFormatWarningShown = 0;
        OpenDialog();
    }

    // Opens the format dialog from the main window's button, clicks the radios, closes with a button.
    void UseFormatDialog(Clicks clicks, DialogAnswerer& answers) {
        answers.Inspect(kFormatTitle, ClickAll, &clicks, clicks.finalButton);
        m_pDlg->OnOutputFormat();
    }

    std::string Caption() { return m_pDlg->m_btnFormat.GetWindowText(); }
};

TEST_F(OutputFormatTest, DefaultFormatNeverWarns) {
    DialogAnswerer answers;
    UseFormatDialog({{IDC_RATE_44, IDC_RATE_22, IDC_BITS_8, IDC_STEREO}, IDOK}, answers);
    EXPECT_EQ(1u, answers.Answered());
    EXPECT_EQ(0, g_bFormatWarningShown);
    EXPECT_EQ("22KHz-8 bit-stereo", Caption());
    EXPECT_EQ("\r\nPrimary buffer format on testing will be: 22KHz-8 bit-stereo.\r\n", PaneText());
}

TEST_F(OutputFormatTest, FirstChangeWarnsOnceAndCancelKeepsTheOldFormat) {
    {
        // The warning comes up from inside the format dialog's OK.
        Clicks clicks = {{IDC_RATE_44, IDC_BITS_16}, IDOK};
        DialogAnswerer answers;
        answers.Inspect(kFormatTitle, ClickAll, &clicks, IDOK).Click(kWarningTitle, IDCANCEL);
        m_pDlg->OnOutputFormat();
        EXPECT_EQ(2u, answers.Answered()) << "format dialog, then the warning";
    }
    EXPECT_EQ(1, g_bFormatWarningShown);
    EXPECT_EQ(22, g_nPrimaryRate);
    EXPECT_EQ(8, g_nPrimaryBits);
    EXPECT_EQ("22KHz-8 bit-stereo", Caption()) << "the previous format";
    EXPECT_NE(std::string::npos, PaneText().find("will be: 22KHz-8 bit-stereo."));

    // A second change while the program runs applies without a warning.
    DialogAnswerer answers;
    UseFormatDialog({{IDC_RATE_11, IDC_BITS_8, IDC_MONO}, IDOK}, answers);
    EXPECT_EQ(1u, answers.Answered());
    EXPECT_EQ(11, g_nPrimaryRate);
    EXPECT_EQ(1, g_nPrimaryChannels);
    EXPECT_EQ(11, m_pDlg->m_nPrimaryRate);
    EXPECT_EQ("11KHz-8 bit-mono", Caption());
}

TEST_F(OutputFormatTest, ApplySettingsStoresTheChoice) {
    DialogAnswerer answers;
    Clicks clicks = {{IDC_RATE_44, IDC_BITS_16, IDC_STEREO}, IDOK};
    answers.Inspect(kFormatTitle, ClickAll, &clicks, IDOK).Click(kWarningTitle, IDOK);
    m_pDlg->OnOutputFormat();
    EXPECT_EQ(44, g_nPrimaryRate);
    EXPECT_EQ(16, g_nPrimaryBits);
    EXPECT_EQ("44KHz-16 bit-stereo", Caption()) << "19 characters fill the buffer exactly";
}

TEST_F(OutputFormatTest, DefaultButtonSetsTheDefaultAndLeavesTheDialogOpen) {
    g_nPrimaryRate = 44;
    g_nPrimaryBits = 16;
    g_nPrimaryChannels = 1;
    g_bFormatWarningShown = 0;
    struct Seen {
        bool stillOpen;
        UINT checked[3];
    } seen = {};
    DialogAnswerer answers;
    answers.Inspect(
        kFormatTitle,
        [](HWND h, void* ctx) {
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_FORMAT_DEFAULT, BN_CLICKED), 0);
            Seen* s = static_cast<Seen*>(ctx);
            s->stillOpen = ::IsWindowVisible(h) != FALSE;
            s->checked[0] = ::IsDlgButtonChecked(h, IDC_RATE_22);
            s->checked[1] = ::IsDlgButtonChecked(h, IDC_BITS_8);
            s->checked[2] = ::IsDlgButtonChecked(h, IDC_STEREO);
        },
        &seen, IDOK);
    m_pDlg->OnOutputFormat();
    EXPECT_TRUE(seen.stillOpen);
    EXPECT_EQ((UINT)BST_CHECKED, seen.checked[0]);
    EXPECT_EQ((UINT)BST_CHECKED, seen.checked[1]);
    EXPECT_EQ((UINT)BST_CHECKED, seen.checked[2]);
    EXPECT_EQ(0, g_bFormatWarningShown) << "22, 8, 2 never warns";
    EXPECT_EQ(22, g_nPrimaryRate);
    EXPECT_EQ(2, g_nPrimaryChannels);
}

TEST_F(OutputFormatTest, CancelLeavesTheFormatAndReopeningShowsTheStoredValues) {
    g_nPrimaryRate = 11;
    g_nPrimaryBits = 16;
    g_nPrimaryChannels = 1;
    {
        DialogAnswerer answers;
        UseFormatDialog({{IDC_RATE_44, IDC_BITS_8, IDC_STEREO}, IDCANCEL}, answers);
    }
    EXPECT_EQ(11, g_nPrimaryRate);
    EXPECT_EQ(16, g_nPrimaryBits);
    EXPECT_EQ(1, g_nPrimaryChannels);
    EXPECT_EQ("11KHz-16 bit-mono", Caption()) << "the caption is refreshed after Cancel too";
    UINT checked[3] = {};
    DialogAnswerer answers;
    answers.Inspect(
        kFormatTitle,
        [](HWND h, void* ctx) {
            UINT* c = static_cast<UINT*>(ctx);
            c[0] = ::IsDlgButtonChecked(h, IDC_RATE_11);
            c[1] = ::IsDlgButtonChecked(h, IDC_BITS_16);
            c[2] = ::IsDlgButtonChecked(h, IDC_MONO);
        },
        checked, IDCANCEL);
    m_pDlg->OnOutputFormat();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((UINT)BST_CHECKED, checked[i]) << "radio group " << i << " shows the stored value";
}

TEST(PrimaryFormatCaption, MonoAndStereoTexts) {
    struct Case {
        int rate, bits, channels;
        const char* caption;
    } cases[] = {{11, 8, 1, "11KHz-8 bit-mono"}, {22, 8, 2, "22KHz-8 bit-stereo"}, {44, 16, 2, "44KHz-16 bit-stereo"}};
    for (const Case& c : cases) {
        char buf[20];
        FormatPrimaryCaption(buf, c.rate, c.bits, c.channels);
        EXPECT_STREQ(c.caption, buf);
    }
}

}  // namespace
