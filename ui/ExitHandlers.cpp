// "E&xit" and closing the window: the same clean-up, once.
#include "room/ViewRoomWnd.h"
#include "settings/SettingsStore.h"
#include "sources/SourceSet.h"
#include "ui/DriverTable.h"
#include "ui/PelloraDlg.h"

// Once per run: the first way out that finds the store writes the flags back and restores the splash.
void CPelloraDlg::WriteBackSettings() {
    if (m_pSettings == nullptr)
        return;
    m_pSettings->WriteOverrides(m_overrides);
    m_pSettings->RestoreSplash(m_nSplashState);
    delete m_pSettings;
    m_pSettings = nullptr;
}

void CPelloraDlg::ReleaseSources() {
    if (m_pSources == nullptr)
        return;
    m_pSources->Shutdown();
    delete m_pSources;
    m_pSources = nullptr;
}

void CPelloraDlg::RunExitCleanUp() {
    ::UnregisterHotKey(m_hWnd, 0);
    ::UnregisterHotKey(m_hWnd, 1);
    WriteBackSettings();
    ReleaseSources();
    if (m_pRoomWnd != nullptr) {
        m_pRoomWnd->DestroyWindow();
        delete m_pRoomWnd;
        m_pRoomWnd = nullptr;
    }
    ResetDriverTable();
    KillTimer(1);
}

void CPelloraDlg::OnExit() {
    RunExitCleanUp();
    EndDialog(IDCANCEL);
}

void CPelloraDlg::OnClose() {
    RunExitCleanUp();
    Default();
}
