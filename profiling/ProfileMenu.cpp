// The "Profile Options" menu of the application: each entry toggles one measurement for the profiler.
// "Pick &App..." has no handler: choosing it does nothing.
#include "resources/resource.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

namespace {

void ToggleProfileFlag(CPelloraApp* app, int* pFlag, UINT commandId) {
    *pFlag = !*pFlag;
    if (app->m_pMainWnd != nullptr) {
        HMENU menu = app->m_pMainWnd->GetMenu();
        if (menu != nullptr)
            ::CheckMenuItem(menu, commandId, MF_BYCOMMAND | (*pFlag ? MF_CHECKED : MF_UNCHECKED));
    }
    app->CopyProfileFlagsToDialog();
}

}  // namespace

void CPelloraApp::CopyProfileFlagsToDialog() {
    if (m_pMainDlg != nullptr)
        m_pMainDlg->m_profile = m_profile;
}

void CPelloraApp::OnShowCpuUse() {
    ToggleProfileFlag(this, &m_profile.bCpuUse, ID_PROFILE_CPU);
}

void CPelloraApp::OnShowRamUse() {
    ToggleProfileFlag(this, &m_profile.bRamUse, ID_PROFILE_RAM);
}

void CPelloraApp::OnShow2DHW() {
    ToggleProfileFlag(this, &m_profile.b2DHW, ID_PROFILE_2DHW);
}

void CPelloraApp::OnShow3DHW() {
    ToggleProfileFlag(this, &m_profile.b3DHW, ID_PROFILE_3DHW);
}
