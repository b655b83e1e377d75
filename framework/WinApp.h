// The application object: one global instance, started by the program's entry point.
#pragma once
#include "Wnd.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName);
    ~CWinApp() override;

    // Returning false ends the program without a message loop of the application's own.
    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }
    int Run();

    // The three-dimensional control look: loads the common controls (static variant).
    void Enable3dControlsStatic();

    const char* m_pszAppName;  // caption of the standard message box
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;  // not owned
};

CWinApp* FwGetApp();
HINSTANCE FwGetResourceHandle();
HWND FwGetMainHwnd();

// The application's standard message box: the program name as caption, owned by the active main window.
int FwMessageBox(const char* text, UINT type = MB_OK);

// Entry point body: runs InitInstance (and a message loop when it returns true) of the global application.
int FwWinMain(HINSTANCE hInstance);
