// The application object: runs the main dialog and holds the menu state (test selection, profile options).
#pragma once
#include "WinApp.h"
#include "profiling/ProfileOptions.h"

class CPelloraDlg;

class CPelloraApp : public CWinApp {
public:
    CPelloraApp();
    ~CPelloraApp() override;

    BOOL InitInstance() override;

    // Test selection, in the order the dialog's copy has it.
    int m_bTestDistance;
    int m_bTestMultiSource;
    int m_bTestDoppler;
    int m_bTestMixing;
    int m_bTestLatency;
    int m_bTestSingleSource;
    int m_bTestRadiation;
    int m_bTestVisualApp;
    int m_bTestMaxOut;
    int m_bAllTests;
    int m_bTestRateConv;
    ProfileOptions m_profile;
    CPelloraDlg* m_pMainDlg;  // owned while InitInstance runs

    // File and Help menu commands.
    void OnSaveLog();
    void OnViewLog();
    void OnPrintLog();
    void OnInstructions();

    // Profile Options menu.
    void OnShowCpuUse();
    void OnShowRamUse();
    void OnShow2DHW();
    void OnShow3DHW();
    void CopyProfileFlagsToDialog();

    DECLARE_MESSAGE_MAP()
};
