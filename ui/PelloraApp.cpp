#include "ui/PelloraApp.h"
#include "resources/resource.h"
#include "ui/PelloraDlg.h"

BEGIN_MESSAGE_MAP(CPelloraApp, CWinApp)
ON_COMMAND(ID_FILE_VIEWLOG, OnViewLog)
ON_COMMAND(ID_FILE_SAVELOG, OnSaveLog)
ON_COMMAND(ID_FILE_PRINTLOG, OnPrintLog)
ON_COMMAND(ID_HELP_INSTRUCTIONS, OnInstructions)
ON_COMMAND(ID_PROFILE_CPU, OnShowCpuUse)
ON_COMMAND(ID_PROFILE_RAM, OnShowRamUse)
ON_COMMAND(ID_PROFILE_2DHW, OnShow2DHW)
ON_COMMAND(ID_PROFILE_3DHW, OnShow3DHW)
END_MESSAGE_MAP()

CPelloraApp::CPelloraApp() : CWinApp("Pellora") {
    m_bTestDistance = m_bTestMultiSource = m_bTestDoppler = m_bTestMixing = m_bTestLatency = 1;
    m_bTestSingleSource = m_bTestRadiation = m_bTestVisualApp = m_bTestMaxOut = m_bAllTests = 1;
    m_bTestRateConv = 1;
    m_profile = ProfileOptions{1, 1, 1, 1};
    m_pMainDlg = nullptr;
}

CPelloraApp::~CPelloraApp() {
    delete m_pMainDlg;
    m_pMainDlg = nullptr;
}

BOOL CPelloraApp::InitInstance() {
    Enable3dControlsStatic();
    CPelloraDlg* dlg = new CPelloraDlg(nullptr);
    m_pMainWnd = dlg;
    m_pMainDlg = dlg;
    INT_PTR result = dlg->DoModal();
    // A source set still held after the modal run (the run ended without the exit clean-up).
    if (result == IDCANCEL)
        dlg->ReleaseSources();
    m_pMainWnd = nullptr;
    delete dlg;
    m_pMainDlg = nullptr;
    return FALSE;
}
