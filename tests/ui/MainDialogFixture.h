// A main dialog created modeless from its template, with the application object around it, in a clean
// registry and a scratch current directory.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DeleteKeyTree(kPelloraKey);
        testsupport::DeleteKeyTree(kTazroKey);
        char tmp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, tmp);
        m_strWorkDir = std::string(tmp) + "pellora-ui-test";
        ::CreateDirectoryA(m_strWorkDir.c_str(), nullptr);
        ::GetCurrentDirectoryA(MAX_PATH, m_szOldDir);
        ::SetCurrentDirectoryA(m_strWorkDir.c_str());
        ::DeleteFileA("Pellora.LOG");
    }

    void TearDown() override {
        CloseDialog();
        ::DeleteFileA("Pellora.LOG");
        ::SetCurrentDirectoryA(m_szOldDir);
    }

    // Creates the dialog; the registry may be prepared before.
    void OpenDialog() {
        m_pDlg = new CPelloraDlg(nullptr);
        m_app.m_pMainDlg = m_pDlg;
        m_app.m_pMainWnd = m_pDlg;
        ASSERT_TRUE(m_pDlg->Create());
    }

    void CloseDialog() {
        if (m_pDlg == nullptr)
            return;
        m_app.m_pMainWnd = nullptr;
        m_app.m_pMainDlg = nullptr;
        delete m_pDlg;
        m_pDlg = nullptr;
    }

    std::string PaneText() { return m_pDlg->m_edtStatus.GetWindowText(); }
    void SetPane(const char* text) { m_pDlg->m_edtStatus.SetWindowText(text); }
    void Command(int id) { ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    CPelloraApp m_app;
    CPelloraDlg* m_pDlg = nullptr;
    std::string m_strWorkDir;
    char m_szOldDir[MAX_PATH] = "";
};
