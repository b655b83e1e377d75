// Playing the MIDI test file through the MCI sequencer: the "Play MIDI-File" button and its two operations.
#include <cstring>
#include "midi/MidiDescription.h"
#include "ui/PelloraDlg.h"

namespace {
const char kPlayCaption[] = "Play MIDI-file.";
const char kStopCaption[] = "Stop MIDI-file.";
}  // namespace

// The device index is not used: the sequencer plays through the system's default MIDI output.
MCIERROR CPelloraDlg::PlayMidiFile(HWND hWnd, int /*nDeviceIndex*/, const char* pszPath) {
    MCI_OPEN_PARMSA open;
    std::memset(&open, 0, sizeof(open));
    open.lpstrDeviceType = (LPCSTR)(UINT_PTR)MCI_DEVTYPE_SEQUENCER;
    open.lpstrElementName = pszPath;
    MCIERROR error =
        ::mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT, (DWORD_PTR)&open);
    if (error != 0) {
        char text[81] = "";  // MCI error texts are shown up to 80 characters
        ::mciGetErrorStringA(error, text, sizeof(text));
        ::OutputDebugStringA(text);
        std::string line = std::string(text) + "\r\n";
        AddStatusLine(&m_edtStatus, line.c_str(), false);
        return error;
    }
    m_wMciDevice = open.wDeviceID;
    MCI_PLAY_PARMS play;
    std::memset(&play, 0, sizeof(play));
    play.dwCallback = (DWORD_PTR)hWnd;
    error = ::mciSendCommandA(m_wMciDevice, MCI_PLAY, MCI_NOTIFY, (DWORD_PTR)&play);
    if (error != 0) {
        ::mciSendCommandA(m_wMciDevice, MCI_CLOSE, 0, 0);
        return error;
    }
    return 0;
}

MCIERROR CPelloraDlg::StopMidiFile() {
    return ::mciSendCommandA(m_wMciDevice, MCI_CLOSE, 0, 0);
}

void CPelloraDlg::ReportMidi(const char* message) {
    m_strStatus = std::string("\r\n") + message + "\r\n";
    AddStatusLine(&m_edtStatus, m_strStatus.c_str(), false);
}

void CPelloraDlg::OnPlayMidi() {
    m_bMidiPlaying = !m_bMidiPlaying;
    if (m_bMidiPlaying) {
        if (PlayMidiFile(m_hWnd, m_nMidiDevice, kMidiTestFile) == 0) {
            m_btnPlayMidi.SetWindowText(kStopCaption);
            ReportMidi("Playing MIDI-file.");
        } else {
            m_bMidiPlaying = 0;
            ReportMidi("Failed to play MIDI-file.");
        }
    } else {
        if (StopMidiFile() == 0) {
            ReportMidi("Stopped playing MIDI-file.");
            m_btnPlayMidi.SetWindowText(kPlayCaption);
        } else {
            ReportMidi("Failed to stop playing MIDI-file.");
        }
    }
}

void CPelloraDlg::RestartMidiFile() {
    // A device chosen while the file plays starts it again; the earlier playback is closed first, so that
    // one playback is open at a time and a stop closes everything.
    StopMidiFile();
    if (PlayMidiFile(m_hWnd, m_nMidiDevice, kMidiTestFile) != 0) {
        // Nothing plays any more: the button offers to start again.
        m_bMidiPlaying = 0;
        m_btnPlayMidi.SetWindowText(kPlayCaption);
        ReportMidi("Failed to play MIDI-file.");
    }
}
