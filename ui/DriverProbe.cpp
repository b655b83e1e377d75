// Choosing a driver: stop a run, probe the driver with a temporary source set, report what it offers.
#include <cstdlib>
#include <string>
#include "WinApp.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "sources/SourceSet.h"
#include "ui/CapabilityReport.h"
#include "ui/DriverList.h"
#include "ui/DriverTable.h"
#include "ui/PelloraDlg.h"

static_assert(sizeof(DSCAPS) == 96, "DirectSound's capability record");

namespace {

const char kTooManyDrivers[] =
    "\r\nPellora can test only the first 9 drivers of the list; please choose one of those.\r\n";

}  // namespace

void CPelloraDlg::StopRunForNewDriver() {
    m_bTesting = 0;
    ReleaseSources();
    KillTimer(2);
    m_btnBeginTesting.SetWindowText("Begin Testing");
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    AddStatusLine(&m_edtStatus, "", true);
}

int CPelloraDlg::SelectedDriverEntry() {
    int sel = m_cboDriver.GetCurSel();
    if (sel < 0)
        return -1;
    DWORD_PTR data = m_cboDriver.GetItemData(sel);
    if (data == kNoDriverEntry || data == (DWORD_PTR)CB_ERR || data > (DWORD_PTR)kDriverTableSize)
        return -1;
    return (int)data - 1;
}

void CPelloraDlg::OnDriverCloseUp() {
    const int sel = m_cboDriver.GetCurSel();
    const int entry = SelectedDriverEntry();
    if (m_bDriverSelectPending == 0) {
        if (sel == -1) {
            int item = m_cboDriver.AddString(kDriverPlaceholder);
            m_cboDriver.SetItemData(item, kNoDriverEntry);
            m_cboDriver.SetCurSel(item);
        }
    } else if (sel >= 0 && entry < 0 && m_cboDriver.GetLBText(sel) != kDriverPlaceholder) {
        // A driver listed beyond the table: refused without touching the device or a run.
        AddStatusLine(&m_edtStatus, kTooManyDrivers, false);
    } else if (entry >= 0) {
        ProbeDriver(entry, m_cboDriver.GetLBText(sel));
    }
    m_cboOutput.EnableWindow(m_overrides.bOverrideSetOutput ? TRUE : FALSE);
    m_bDriverSelectPending = 1;
}

void CPelloraDlg::ProbeDriver(int entry, const std::string& description) {
    if (m_bTesting)
        StopRunForNewDriver();

    GUID* guid = g_aDriverTable[entry].pGuid;
    if (m_pSettings != nullptr)
        m_pSettings->WriteCurrentDevice((DWORD)(DWORD_PTR)guid, description.c_str());

    if (m_pSources == nullptr)
        m_pSources = new CSourceSet;
    int tazro = 0;
    HRESULT hr = m_pSources->InitRenderer(m_hWnd, guid, 0, &tazro);
    g_nTazroStatus = tazro;

    if (m_overrides.bOverrideThreading) {
        if (tazro) {
            m_strTazroAccel.clear();
            m_strTazroDetail.clear();
            if (m_pVersionCheck == nullptr)
                m_pVersionCheck = new CSettingsStore;
            TazroVerdict verdict = TazroVerdictFor(m_pVersionCheck->CheckRuntimeCompatibility());
            m_strTazroAccel = verdict.accel;
            m_strTazroDetail = verdict.detail;
            g_nTazroStatus = verdict.status;
        } else {
            m_strTazroAccel = "not available";
            m_strTazroDetail.clear();
            g_nTazroStatus = 0;
        }
    } else {
        m_strTazroAccel = tazro ? "available" : "not available";
        m_strTazroDetail.clear();
    }

    if (FAILED(hr)) {
        FwMessageBox("Failed to get Tazro or DirectSound...Exiting.", MB_OK | MB_ICONWARNING);
        RunExitCleanUp();
        std::exit(-1);
    }

    int mode = 3;
    if (m_overrides.bOverrideSetOutput) {
        m_cboOutput.EnableWindow(TRUE);
        mode = -1;
        if (FAILED(m_pSources->GetOutputMode(&mode)))
            mode = -1;
    } else {
        m_cboOutput.EnableWindow(FALSE);
    }

    m_btnBeginTesting.EnableWindow(TRUE);
    if (m_overrides.bOverrideForceSW)
        m_btnForceSoftware.EnableWindow(TRUE);
    if (m_overrides.bOverrideAutoPause)
        m_btnAutoPause.EnableWindow(TRUE);
    if (m_overrides.bOverrideAutoToggle)
        m_btnAutoToggle.EnableWindow(TRUE);
    if (m_overrides.bOverrideSetFormat)
        m_btnFormat.EnableWindow(TRUE);

    int outSel = m_cboOutput.GetCurSel();
    if (outSel >= 0 && m_cboOutput.GetLBText(outSel) == kOutputPlaceholder) {
        m_cboOutput.DeleteString(outSel);
        m_cboOutput.SetCurSel(mode >= 1 && mode <= 4 ? mode - 1 : -1);
    }

    ReportCapabilities(description.c_str());
    ReleaseSources();
}

void CPelloraDlg::ReportCapabilities(const char* description) {
    DSCAPS caps = {};
    caps.dwSize = sizeof(caps);
    if (m_pSources != nullptr && m_pSources->m_pDevice != nullptr)
        m_pSources->m_pDevice->GetCaps(&caps);

    const std::string desc = description != nullptr ? description : "";
    for (const std::string& block : CapabilityBlocks(caps, desc))
        AddStatusLine(&m_edtStatus, block.c_str(), false);
    g_bDSAccel = caps.dwMaxHwMixingAllBuffers != 0;
    g_bDS3DAccel = caps.dwMaxHw3DAllBuffers != 0;
    m_strDSAccel = g_bDSAccel ? "available" : "not available";
    m_strDS3DAccel = g_bDS3DAccel ? "available" : "not available";
    for (const std::string& block :
         VerdictBlocks(desc, m_strDSAccel, m_strDS3DAccel, g_nTazroStatus, m_strTazroAccel, m_strTazroDetail)) {
        m_strStatus = block;
        AddStatusLine(&m_edtStatus, m_strStatus.c_str(), false);
    }

    const int entry = SelectedDriverEntry();
    if (entry >= 0 && !g_aDriverTable[entry].bWarned) {
        g_aDriverTable[entry].bWarned = 1;
        if (g_nTazroStatus == -2)
            FwMessageBox(kTazroWarningBox, MB_OK | MB_ICONWARNING);
    }

    m_strStatus = AccelerationSummary(m_bHardwareAllowed, g_bDSAccel, g_bDS3DAccel, g_nTazroStatus);
    AddStatusLine(&m_edtAcceleration, m_strStatus.c_str(), true);
}
