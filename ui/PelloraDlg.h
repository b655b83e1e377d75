// The main dialog: all state of a program run. Handlers are grouped by subject in the files of ui/ and of
// the subsystem folders (a handler's file is named after it or its group).
#pragma once
#include <cstdio>
#include <string>
#include "Dialog.h"
#include <dsound.h>
#include "profiling/ProfileOptions.h"
#include "settings/OutputFormatDlg.h"
#include "settings/OverrideFlags.h"

class CSourceSet;
class CViewRoomWnd;
class CSettingsStore;

extern const char* g_pszLineBreak;  // "\r\n", built once by OnInitDialog

class CPelloraDlg : public CDialog {
public:
    explicit CPelloraDlg(CWnd* pParent = nullptr);
    ~CPelloraDlg() override;

    // Controls, in the order data exchange binds them.
    CButton m_btnFormat;         // 1045
    CComboBox m_cboOutput;       // 1026
    CEdit m_edt3DSoftware;       // 1032
    CEdit m_edt2DSoftware;       // 1027
    CButton m_btnPlayMidi;       // 1004
    CButton m_btnAutoToggle;     // 1043
    CButton m_btnAutoPause;      // 1042
    CEdit m_edtAcceleration;     // 1040
    CButton m_btnForceSoftware;  // 1041
    CButton m_btnProfiling;      // 1017
    CComboBox m_cboMidi;         // 1033
    CEdit m_edtPosZ;             // 1036
    CEdit m_edtPosY;             // 1034
    CEdit m_edtPosX;             // 1035
    CButton m_btnBeginTesting;   // 1003
    CEdit m_edtCpuUse;           // 1008
    CEdit m_edt3DHardware;       // 1031
    CEdit m_edt2DHardware;       // 1025
    CComboBox m_cboDriver;       // 1001
    CEdit m_edtStatus;           // 1018, the status pane

    CSourceSet* m_pSources;    // owned: the set of the current run or driver probe, null otherwise
    CViewRoomWnd* m_pRoomWnd;  // owned: the room display

    // The dialog's copy of the test selection (same order as the application's block).
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

    HICON m_hIcon;           // icon 128, shared resource (not destroyed)
    int m_bHardwareAllowed;  // 1 = software placement not forced
    int m_bTesting;          // a run is active
    int m_bAutoPause;
    int m_bAutoToggle;
    int m_nBounceCount;
    int m_nSplashState;
    OverrideFlags m_overrides;
    CSettingsStore* m_pSettings;      // owned
    CSettingsStore* m_pVersionCheck;  // owned, created at the first runtime compatibility check
    COutputFormatDlg m_dlgOutputFormat;
    int m_nMidiDevice;
    UINT m_wMciDevice;
    int m_bMidiPlaying;
    float m_fRateFactor;
    unsigned int m_nCpuUse;
    std::string m_strStatus;  // text being composed for the status pane
    std::string m_strDSAccel;
    std::string m_strDS3DAccel;
    std::string m_strTazroAccel;
    std::string m_strTazroDetail;
    int m_bDriverSelectPending;
    int m_bMidiSelectPending;
    int m_bOutputSelectPending;
    int m_nCurTest;  // set by every Begin Testing
    int m_nCurStep;
    int m_nOutputMode;  // 1-4, applied when testing begins
    int m_nPrimaryRate;
    int m_nPrimaryBits;
    int m_nPrimaryChannels;

    // Set-up and the ways out.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnExit();
    void OnAbout();
    void OnClose();

    // Status pane, position read-out and log file.
    void AddStatusLine(CEdit* pControl, const char* text, bool replace);
    void ShowPosition(float x, float y, float z);
    void WriteLog(FILE* file);
    void ReadLog(FILE* file);
    void PrintLog();
    bool Confirm(const char* question);

    // Output format button.
    void OnOutputFormat();

    // Driver and output selection.
    void FillDriverList();
    void OnDriverDropDown();
    void OnDriverCloseUp();
    void OnDriverSelEndCancel();
    void ReportCapabilities(const char* description);
    void OnOutputDropDown();
    void OnOutputCloseUp();
    void OnOutputSelEndCancel();
    int GetOutputModeChoice();
    void ProbeDriver(int entry, const std::string& description);
    void StopRunForNewDriver();
    int SelectedDriverEntry();  // table entry of the selected item, -1 for none

    // Test clock (timers 1 and 2).
    void OnTimer(UINT_PTR nIDEvent);

    // Room display.
    void CreateRoomDisplay();
    void UpdateRoomDisplay(const D3DVECTOR& position, const D3DVECTOR& cone, int nListPosition, float fProgress);

    // Processor description and profiler panel.
    void OnBeginProfiling();
    void UpdateCpuUse();
    void Update2DCounts();
    void Update3DCounts();

    // MIDI.
    void FillMidiList();
    void OnMidiDropDown();
    void OnMidiCloseUp();
    void OnMidiSelEndCancel();
    void OnPlayMidi();
    MCIERROR PlayMidiFile(HWND hWnd, int nDeviceIndex, const char* pszPath);
    MCIERROR StopMidiFile();
    void RestartMidiFile();
    void ReportMidi(const char* message);

    // Shuts the source set of a run or probe down and deletes it, when there is one.
    void ReleaseSources();

    DECLARE_MESSAGE_MAP()

private:
    void RunExitCleanUp();
    void WriteBackSettings();
    void ApplyOverridesToControls();
};
