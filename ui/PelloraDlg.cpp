// Construction, destruction, control binding and the message map of the main dialog.
#include "ui/PelloraDlg.h"
#include "WinApp.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "room/ViewRoomWnd.h"
#include "ui/DriverTable.h"

BEGIN_MESSAGE_MAP(CPelloraDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CLOSE()
ON_COMMAND(ID_FILE_EXIT, OnExit)
ON_COMMAND(ID_HELP_ABOUT, OnAbout)
ON_BN_CLICKED(IDC_FORMAT, OnOutputFormat)
ON_WM_TIMER()
ON_BN_CLICKED(IDC_BEGIN_PROFILING, OnBeginProfiling)
ON_BN_CLICKED(IDC_PLAY_MIDI, OnPlayMidi)
ON_CBN_DROPDOWN(IDC_MIDI_LIST, OnMidiDropDown)
ON_CBN_CLOSEUP(IDC_MIDI_LIST, OnMidiCloseUp)
ON_CBN_SELENDCANCEL(IDC_MIDI_LIST, OnMidiSelEndCancel)
ON_CBN_DROPDOWN(IDC_DRIVER_LIST, OnDriverDropDown)
ON_CBN_CLOSEUP(IDC_DRIVER_LIST, OnDriverCloseUp)
ON_CBN_SELENDCANCEL(IDC_DRIVER_LIST, OnDriverSelEndCancel)
ON_CBN_DROPDOWN(IDC_OUTPUT_LIST, OnOutputDropDown)
ON_CBN_CLOSEUP(IDC_OUTPUT_LIST, OnOutputCloseUp)
ON_CBN_SELENDCANCEL(IDC_OUTPUT_LIST, OnOutputSelEndCancel)
END_MESSAGE_MAP()

CPelloraDlg::CPelloraDlg(CWnd* pParent) : CDialog(IDD_PELLORA_DIALOG, pParent), m_dlgOutputFormat(nullptr) {
    m_hIcon = ::LoadIconA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_pSources = nullptr;
    m_pRoomWnd = nullptr;
    m_pSettings = nullptr;
    m_pVersionCheck = nullptr;
    m_bTesting = 0;
    m_nOutputMode = 3;
    ResetDriverTable();

    // Set again by OnInitDialog; given values here so that no field is ever read uninitialised.
    m_bTestDistance = m_bTestMultiSource = m_bTestDoppler = m_bTestMixing = m_bTestLatency = 1;
    m_bTestSingleSource = m_bTestRadiation = m_bTestVisualApp = m_bTestMaxOut = m_bAllTests = 1;
    m_bTestRateConv = 1;
    m_profile = ProfileOptions{1, 1, 1, 1};
    m_bHardwareAllowed = 1;
    m_bAutoPause = m_bAutoToggle = 0;
    m_nBounceCount = 0;
    m_nSplashState = 0;
    m_overrides = DefaultOverrideFlags();
    m_nMidiDevice = -1;
    m_wMciDevice = 0;
    m_bMidiPlaying = 0;
    m_fRateFactor = 1.0f;
    m_nCpuUse = 0;
    m_bDriverSelectPending = m_bMidiSelectPending = m_bOutputSelectPending = 0;
    m_nCurTest = m_nCurStep = 0;
    m_nPrimaryRate = 22;
    m_nPrimaryBits = 8;
    m_nPrimaryChannels = 2;
}

CPelloraDlg::~CPelloraDlg() {
    WriteBackSettings();
    delete m_pVersionCheck;
    m_pVersionCheck = nullptr;
    delete m_pRoomWnd;  // only when the dialog ended without its exit clean-up
    m_pRoomWnd = nullptr;
    ResetDriverTable();
}

void CPelloraDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORMAT, m_btnFormat);
    DDX_Control(pDX, IDC_OUTPUT_LIST, m_cboOutput);
    DDX_Control(pDX, IDC_3D_SOFTWARE, m_edt3DSoftware);
    DDX_Control(pDX, IDC_2D_SOFTWARE, m_edt2DSoftware);
    DDX_Control(pDX, IDC_PLAY_MIDI, m_btnPlayMidi);
    DDX_Control(pDX, IDC_AUTO_TOGGLE, m_btnAutoToggle);
    DDX_Control(pDX, IDC_AUTO_PAUSE, m_btnAutoPause);
    DDX_Control(pDX, IDC_ACCELERATION, m_edtAcceleration);
    DDX_Control(pDX, IDC_FORCE_SOFTWARE, m_btnForceSoftware);
    DDX_Control(pDX, IDC_BEGIN_PROFILING, m_btnProfiling);
    DDX_Control(pDX, IDC_MIDI_LIST, m_cboMidi);
    DDX_Control(pDX, IDC_POS_Z, m_edtPosZ);
    DDX_Control(pDX, IDC_POS_Y, m_edtPosY);
    DDX_Control(pDX, IDC_POS_X, m_edtPosX);
    DDX_Control(pDX, IDC_BEGIN_TESTING, m_btnBeginTesting);
    DDX_Control(pDX, IDC_CPU_USE, m_edtCpuUse);
    DDX_Control(pDX, IDC_3D_HARDWARE, m_edt3DHardware);
    DDX_Control(pDX, IDC_2D_HARDWARE, m_edt2DHardware);
    DDX_Control(pDX, IDC_DRIVER_LIST, m_cboDriver);
    DDX_Control(pDX, IDC_STATUS, m_edtStatus);
}
