// The driver list (1001): filled from DirectSound's enumeration; the placeholder leaves when it opens.
#include <string>
#include "ui/CapabilityReport.h"
#include "ui/DriverList.h"
#include "ui/DriverTable.h"
#include "ui/PelloraDlg.h"

DriverEnumerateFn g_pfnEnumerateDrivers = DirectSoundEnumerateA;

const char kDriverPlaceholder[] = "Select Audio Driver";
const char kOutputPlaceholder[] = "Select Audio Output";

namespace {

BOOL CALLBACK AddDriver(LPGUID guid, LPCSTR description, LPCSTR /*module*/, LPVOID context) {
    CPelloraDlg* dlg = static_cast<CPelloraDlg*>(context);
    int p = dlg->m_cboDriver.AddString(description != nullptr ? description : "");
    if (p < 1)
        return TRUE;
    // Entry p - 1 belongs to the item while the placeholder leads the list; the item remembers its
    // entry so that a choice finds its driver wherever the placeholder is. Drivers beyond the table stay
    // listed without an entry and are refused when chosen.
    const int entry = p - 1;
    if (entry < kDriverTableSize) {
        g_aDriverTable[entry].nIndex = entry;
        g_aDriverTable[entry].pGuid = guid != nullptr ? new GUID(*guid) : nullptr;
        g_aDriverTable[entry].bWarned = 0;
        dlg->m_cboDriver.SetItemData(p, (DWORD_PTR)(entry + 1));
    } else {
        dlg->m_cboDriver.SetItemData(p, kNoDriverEntry);
    }
    return TRUE;
}

}  // namespace

void CPelloraDlg::FillDriverList() {
    ResetDriverTable();
    m_bDriverSelectPending = 1;
    m_cboDriver.SetItemData(0, kNoDriverEntry);
    g_pfnEnumerateDrivers(AddDriver, this);
    m_cboDriver.SetCurSel(m_cboDriver.FindStringExact(-1, kDriverPlaceholder));
    m_cboOutput.SetCurSel(m_cboOutput.FindStringExact(-1, kOutputPlaceholder));
}

void CPelloraDlg::OnDriverDropDown() {
    int sel = m_cboDriver.GetCurSel();
    if (sel >= 0 && m_cboDriver.GetLBText(sel) == kDriverPlaceholder)
        m_cboDriver.DeleteString(sel);
}

void CPelloraDlg::OnDriverSelEndCancel() {
    m_bDriverSelectPending = 0;
}
