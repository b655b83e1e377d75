// The dialog's timer handler: timer 1 refreshes the profiler panel once a second; timer 2, the 10 ms
// test clock, drives a run.
#include "ui/PelloraDlg.h"

void CPelloraDlg::OnTimer(UINT_PTR nIDEvent) {
    // Escape and Enter are held as hot keys only while the dialog is in front, so they cannot end it
    // and other programs keep them otherwise.
    if (::GetForegroundWindow() == m_hWnd) {
        ::RegisterHotKey(m_hWnd, 0, 0, VK_ESCAPE);
        ::RegisterHotKey(m_hWnd, 1, 0, VK_RETURN);
    } else {
        ::UnregisterHotKey(m_hWnd, 0);
        ::UnregisterHotKey(m_hWnd, 1);
    }

    if (nIDEvent == 1) {
        if (m_overrides.bOverrideProfiler)
            UpdateCpuUse();
        Update2DCounts();
        Update3DCounts();
    }

    Default();
}
