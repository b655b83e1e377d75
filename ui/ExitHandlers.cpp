// "E&xit" and closing the window: the same clean-up, once.
#include "room/ViewRoomWnd.h"
#include "settings/SettingsStore.h"
#include "sources/SourceSet.h"
#include "ui/DriverTable.h"
#include "ui/PelloraDlg.h"

void CPelloraDlg::RunExitCleanUp() {
    ::UnregisterHotKey(m_hWnd, 0);
    ::UnregisterHotKey(m_hWnd, 1);
    if (m_pSettings != nullptr) {
        m_pSettings->WriteOverrides(m_overrides);
        m_pSettings->RestoreSplash(m_nSplashState);
        delete m_pSettings;
        m_pSettings = nullptr;
    }
    if (m_pSources != nullptr) {
        m_pSources->Shutdown();
        delete m_pSources;
        m_pSources = nullptr;
    }
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
