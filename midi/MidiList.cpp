// The MIDI device list (1033): filling it, and describing the device chosen from it.
#include "midi/MidiDescription.h"
#include "ui/PelloraDlg.h"

void CPelloraDlg::FillMidiList() {
    m_bMidiPlaying = 0;
    // The list is sorted; explicit positions keep the devices in device order, so item i+1 is device i.
    m_cboMidi.InsertString(0, kMidiPlaceholder);
    UINT count = ::midiOutGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        MIDIOUTCAPSA caps;
        GetMidiCaps((int)i, &caps);
        m_cboMidi.InsertString(-1, MidiDeviceName(caps).c_str());
    }
    m_cboMidi.SetCurSel(0);
}

void CPelloraDlg::OnMidiDropDown() {
    // While the list is open, item i is device i.
    int sel = m_cboMidi.GetCurSel();
    if (sel >= 0 && m_cboMidi.GetLBText(sel) == kMidiPlaceholder)
        m_cboMidi.DeleteString(sel);
}

void CPelloraDlg::OnMidiSelEndCancel() {
    m_bMidiSelectPending = 0;
}

void CPelloraDlg::OnMidiCloseUp() {
    int sel = m_cboMidi.GetCurSel();
    if (m_bMidiSelectPending == 0) {
        if (sel == -1) {
            m_cboMidi.SetCurSel(m_cboMidi.AddString(kMidiPlaceholder));
            if (m_overrides.bOverrideMIDI == 1)
                m_btnPlayMidi.EnableWindow(FALSE);
        }
    } else {
        m_nMidiDevice = sel;
        MIDIOUTCAPSA caps;
        GetMidiCaps(sel, &caps);
        if (m_overrides.bOverrideMIDI == 1)
            m_btnPlayMidi.EnableWindow(TRUE);
        m_strStatus = DescribeMidiDevice(caps);
        AddStatusLine(&m_edtStatus, m_strStatus.c_str(), false);
        if (m_bMidiPlaying == 1)
            RestartMidiFile();
    }
    m_bMidiSelectPending = 1;
}
