// Start-up of the main dialog, in the order the program depends on.
#include "WinApp.h"
#include "profiling/ProcessorInfo.h"
#include "resources/resource.h"
#include "settings/PrimaryFormat.h"
#include "settings/SettingsStore.h"
#include "sources/SourceSet.h"
#include "ui/CapabilityReport.h"
#include "ui/PelloraDlg.h"
#include "ui/RuntimeServer.h"

const char* g_pszLineBreak = "\r\n";

BOOL CPelloraDlg::OnInitDialog() {
    // 1. Control binding.
    CDialog::OnInitDialog();

    // 2. Escape and Enter become hot keys that nothing handles, so they cannot end the dialog.
    ::RegisterHotKey(m_hWnd, 0, 0, VK_ESCAPE);
    ::RegisterHotKey(m_hWnd, 1, 0, VK_RETURN);

    // 3. The About entry of the system menu.
    HMENU sysMenu = GetSystemMenu(FALSE);
    char about[64] = "";
    ::LoadStringA(FwGetResourceHandle(), IDS_ABOUTBOX, about, sizeof(about));
    if (sysMenu != nullptr && about[0] != '\0') {
        ::AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, about);
    }

    // 4. Icons.
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);

    // 5. Feature flags and the runtime's splash.
    m_overrides = DefaultOverrideFlags();
    m_pSettings = new CSettingsStore;
    if (IsRuntimeServerRunning()) {
        ::OutputDebugStringA("Disabling set format.\n");
        m_overrides.bOverrideSetFormat = 0;
    }
    if (m_pSettings != nullptr) {
        m_nSplashState = m_pSettings->ReadSplashState();
        m_pSettings->DisableSplash();
        m_pSettings->ReadOverrides(&m_overrides);
    }

    // 6. Run settings.
    m_nBounceCount = 0;
    m_bHardwareAllowed = 1;
    m_bAutoPause = 0;
    m_bAutoToggle = 0;
    m_bMidiSelectPending = 1;
    m_bOutputSelectPending = 1;
    m_nPrimaryRate = 22;
    m_nPrimaryBits = 8;
    m_nPrimaryChannels = 2;

    // 7. Which optional controls are offered.
    ApplyOverridesToControls();

    // 8. Analysis flag: added with the engine.

    // 9. MIDI devices.
    FillMidiList();

    // 10. Driver list.
    FillDriverList();

    // 11. Machine description, line break, run flag and timer 1.
    SetDlgItemText(IDC_SYSTEM_INFO, DescribeSystem().c_str());
    g_bDSAccel = 0;
    g_bDS3DAccel = 0;
    g_nTazroStatus = 0;
    g_pszLineBreak = "\r\n";
    m_bTesting = 0;
    SetTimer(1, 1000);

    // 12. The room display, with marker 0 at the centre.
    CreateRoomDisplay();
    const D3DVECTOR origin = {0.0f, 0.0f, 0.0f};
    UpdateRoomDisplay(origin, origin, 0, 0.0f);

    // 13. Buffer counters and the test selection.
    ResetBufferCounters();
    m_bTestDistance = m_bTestMultiSource = m_bTestDoppler = m_bTestMixing = m_bTestLatency = 1;
    m_bTestSingleSource = m_bTestRadiation = m_bTestVisualApp = m_bTestMaxOut = m_bAllTests = 1;
    m_bTestRateConv = 1;
    m_profile = ProfileOptions{1, 1, 1, 1};

    // 14.
    return TRUE;
}

void CPelloraDlg::ApplyOverridesToControls() {
    // Buttons of optional features are shown now and enabled only once a driver is chosen.
    if (m_overrides.bOverrideAutoPause) {
        m_btnAutoPause.ShowWindow(SW_SHOW);
        m_btnAutoPause.EnableWindow(FALSE);
    }
    if (m_overrides.bOverrideAutoToggle) {
        m_btnAutoToggle.ShowWindow(SW_SHOW);
        m_btnAutoToggle.EnableWindow(FALSE);
    }
    if (m_overrides.bOverrideForceSW) {
        m_btnForceSoftware.ShowWindow(SW_SHOW);
        m_btnForceSoftware.EnableWindow(FALSE);
    }
    m_btnProfiling.ShowWindow(m_overrides.bOverrideProfiler ? SW_SHOW : SW_HIDE);
    m_btnProfiling.EnableWindow(m_overrides.bOverrideProfiler ? TRUE : FALSE);
    if (m_overrides.bOverrideSetFormat)
        m_btnFormat.ShowWindow(SW_SHOW);
    m_btnFormat.EnableWindow(FALSE);
    m_cboMidi.EnableWindow(TRUE);
    m_btnPlayMidi.ShowWindow(m_overrides.bOverrideMIDI ? SW_SHOW : SW_HIDE);
    m_btnPlayMidi.EnableWindow(FALSE);
}
