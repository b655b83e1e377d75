// The framework layer: table dispatch, routing of unhandled commands to the application, control binding,
// initial list items from the template, modal results, and the frame window's hooks.
#include <gtest/gtest.h>
#include "Dialog.h"
#include "FrameWnd.h"
#include "WinApp.h"
#include "support/TestSupport.h"

namespace {

class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("FrameworkTest") {}
    int m_nAppCommands = 0;
    void OnAppCommand() { ++m_nAppCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(500, OnAppCommand)
END_MESSAGE_MAP()

class TestDlg : public CDialog {
public:
    TestDlg() : CDialog(200) {}
    CButton m_btnAction;
    CComboBox m_cboList;
    CEdit m_edtText;
    int m_nClicks = 0, m_nDropDowns = 0, m_nCloseUps = 0, m_nOK = 0, m_nClose = 0, m_nSysCommands = 0;
    UINT_PTR m_lastTimer = 0;
    int m_nEndWith = 0;  // when set, the action button ends the dialog with it

    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 301, m_btnAction);
        DDX_Control(pDX, 302, m_cboList);
        DDX_Control(pDX, 303, m_edtText);
    }
    void OnOK() override {
        ++m_nOK;
        CDialog::OnOK();
    }
    void OnAction() {
        ++m_nClicks;
        if (m_nEndWith != 0)
            EndDialog(m_nEndWith);
    }
    void OnListDropDown() { ++m_nDropDowns; }
    void OnListCloseUp() { ++m_nCloseUps; }
    void OnTimer(UINT_PTR id) { m_lastTimer = id; }
    void OnSysCommand(UINT, LPARAM) {
        ++m_nSysCommands;
        Default();
    }
    void OnClose() {
        ++m_nClose;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDlg, CDialog)
ON_BN_CLICKED(301, OnAction)
ON_CBN_DROPDOWN(302, OnListDropDown)
ON_CBN_CLOSEUP(302, OnListCloseUp)
ON_WM_TIMER()
ON_WM_SYSCOMMAND()
ON_WM_CLOSE()
END_MESSAGE_MAP()

LRESULT Command(HWND dlg, int id, int code) {
    return ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)::GetDlgItem(dlg, id));
}

TEST(FrameworkDispatch, CommandsAndNotificationsReachTheirHandlersByIdAndCode) {
    TestApp app;
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    Command(dlg.m_hWnd, 301, BN_CLICKED);
    Command(dlg.m_hWnd, 302, CBN_DROPDOWN);
    Command(dlg.m_hWnd, 302, CBN_CLOSEUP);
    Command(dlg.m_hWnd, 302, CBN_SELENDCANCEL);  // not in the table: nobody is called
    Command(dlg.m_hWnd, 301, BN_DOUBLECLICKED);  // same id, other code: not the click handler
    EXPECT_EQ(1, dlg.m_nClicks);
    EXPECT_EQ(1, dlg.m_nDropDowns);
    EXPECT_EQ(1, dlg.m_nCloseUps);
    ::SendMessageA(dlg.m_hWnd, WM_TIMER, 7, 0);
    EXPECT_EQ(7u, dlg.m_lastTimer);
}

TEST(FrameworkDispatch, CommandsTheDialogDoesNotHandleGoToTheApplication) {
    TestApp app;
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(500, 0), 0);  // a menu command
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(501, 0), 0);  // nobody's
    EXPECT_EQ(1, app.m_nAppCommands);
    EXPECT_EQ(0, dlg.m_nClicks);
}

TEST(FrameworkBinding, DataExchangeBindsMembersAndTheTemplateFillsLists) {
    TestApp app;
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, 301), dlg.m_btnAction.m_hWnd);
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, 302), dlg.m_cboList.m_hWnd);
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, 303), dlg.m_edtText.m_hWnd);
    ASSERT_EQ(2, dlg.m_cboList.GetCount());
    EXPECT_EQ("First", dlg.m_cboList.GetLBText(0));
    EXPECT_EQ("Second", dlg.m_cboList.GetLBText(1));
    dlg.m_edtText.SetWindowText("typed");
    EXPECT_EQ("typed", dlg.GetDlgItemText(303));
}

TEST(FrameworkModal, DoModalReturnsTheButtonOrTheValueGivenToEndDialog) {
    TestApp app;
    {
        TestDlg dlg;
        testsupport::DialogAnswerer answers;
        answers.Click("Framework Test Dialog", IDOK);
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(1, dlg.m_nOK);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
    {
        TestDlg dlg;
        testsupport::DialogAnswerer answers;
        answers.Click("Framework Test Dialog", IDCANCEL);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(0, dlg.m_nOK);
    }
    {
        TestDlg dlg;
        dlg.m_nEndWith = 42;
        testsupport::DialogAnswerer answers;
        answers.Click("Framework Test Dialog", 301);
        EXPECT_EQ(42, dlg.DoModal());
    }
    {
        // The close box: the handler runs, then the default handling ends the dialog with IDCANCEL.
        TestDlg dlg;
        testsupport::DialogAnswerer answers;
        answers.Inspect(
            "Framework Test Dialog", [](HWND h, void*) { ::PostMessageA(h, WM_CLOSE, 0, 0); }, nullptr, 0);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(1, dlg.m_nClose);
    }
}

TEST(FrameworkMessageBox, CaptionIsTheProgramName) {
    TestApp app;
    std::string caption;
    testsupport::DialogAnswerer answers;
    answers.Inspect(
        "FrameworkTest",
        [](HWND h, void* ctx) {
            char buf[64];
            ::GetWindowTextA(h, buf, sizeof(buf));
            *static_cast<std::string*>(ctx) = buf;
        },
        &caption, IDOK);
    EXPECT_EQ(IDOK, FwMessageBox("hello"));
    EXPECT_EQ("FrameworkTest", caption);
}

class TestFrame : public CFrameWnd {
public:
    int m_nCreate = 0, m_nPaint = 0, m_nErase = 0, m_nDestroy = 0;
    int OnCreate(LPCREATESTRUCTA) {
        ++m_nCreate;
        return 0;
    }
    void OnPaint() {
        ++m_nPaint;
        CPaintDC dc(this);
    }
    BOOL OnEraseBkgnd(HDC) {
        ++m_nErase;
        return TRUE;
    }
    void OnDestroy() { ++m_nDestroy; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(FrameworkFrame, CreationPaintEraseAndDestructionHooksRun) {
    TestApp app;
    TestFrame frame;
    RECT r = {10, 10, 110, 90};
    ASSERT_TRUE(frame.Create(nullptr, "Test Frame", WS_POPUP | WS_VISIBLE, r));
    EXPECT_EQ(1, frame.m_nCreate);
    ::RedrawWindow(frame.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GE(frame.m_nPaint, 1);
    EXPECT_GE(frame.m_nErase, 1);
    frame.DestroyWindow();
    EXPECT_EQ(1, frame.m_nDestroy);
    EXPECT_EQ(nullptr, frame.m_hWnd);
}

}  // namespace
