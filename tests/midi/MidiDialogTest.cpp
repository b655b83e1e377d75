// The MIDI list and the "Play MIDI-File" button of the real main dialog, played for real through Wine's
// MCI sequencer with the staged ./Midi/test.mid.
#include <gtest/gtest.h>
#include <string>
#include "midi/MidiDescription.h"
#include "resources/resource.h"
#include "support/TestSupport.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

namespace {

const char kPelloraKey[] = "Software\\Zephal\\Pellora";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The sequencer's mode for an open device; 0 when the id names no open device.
DWORD MciMode(UINT device) {
    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_STATUS_MODE;
    if (::mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM, (DWORD_PTR)&status) != 0)
        return 0;
    return (DWORD)status.dwReturn;
}

class MidiDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DeleteKeyTree(kPelloraKey);
        testsupport::WriteDword(kPelloraKey, "bOverrideMIDI", 1);  // the button is offered
        ::GetCurrentDirectoryA(sizeof(m_szStartDir), m_szStartDir);
        ASSERT_TRUE(m_dlg.Create());
    }
    void TearDown() override {
        ::SetCurrentDirectoryA(m_szStartDir);
        if (m_dlg.m_bMidiPlaying)
            m_dlg.StopMidiFile();
        m_dlg.DestroyWindow();
        testsupport::DeleteKeyTree(kPelloraKey);
    }
    void List(int code) {
        ::SendMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_MIDI_LIST, code), (LPARAM)m_dlg.m_cboMidi.m_hWnd);
    }
    void ClickPlay() {
        ::SendMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PLAY_MIDI, BN_CLICKED),
                       (LPARAM)m_dlg.m_btnPlayMidi.m_hWnd);
    }
    // A device chosen from the open list: the list's own order of notifications.
    void ChooseFirstItem() {
        List(CBN_DROPDOWN);
        m_dlg.m_cboMidi.SetCurSel(0);
        List(CBN_CLOSEUP);
    }
    // The current directory has no ./Midi/test.mid.
    void MoveToEmptyFolder() {
        char temp[MAX_PATH];
        ::GetTempPathA(sizeof(temp), temp);
        ASSERT_TRUE(::SetCurrentDirectoryA(temp));
        ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(kMidiTestFile));
    }
    std::string Pane() const { return m_dlg.m_edtStatus.GetWindowText(); }
    std::string Caption() const { return m_dlg.m_btnPlayMidi.GetWindowText(); }

    CPelloraApp m_app;
    CPelloraDlg m_dlg;
    char m_szStartDir[MAX_PATH] = "";
};

TEST_F(MidiDialogTest, ListHoldsThePlaceholderUntilOpenedAndGetsItBackWhenTheChoiceIsCancelled) {
    const int devices = (int)::midiOutGetNumDevs();
    EXPECT_TRUE(m_dlg.m_cboMidi.IsWindowEnabled());
    ASSERT_EQ(devices + 1, m_dlg.m_cboMidi.GetCount());
    EXPECT_EQ(kMidiPlaceholder, m_dlg.m_cboMidi.GetLBText(0));
    EXPECT_EQ(0, m_dlg.m_cboMidi.GetCurSel());
    EXPECT_EQ(1, m_dlg.m_bMidiSelectPending);
    EXPECT_TRUE(m_dlg.m_btnPlayMidi.IsWindowVisible());
    EXPECT_FALSE(m_dlg.m_btnPlayMidi.IsWindowEnabled());

    // Opened: while the list is down, item i is device i.
    List(CBN_DROPDOWN);
    EXPECT_EQ(devices, m_dlg.m_cboMidi.GetCount());
    EXPECT_EQ(-1, m_dlg.m_cboMidi.FindStringExact(-1, kMidiPlaceholder));

    // Closed with cancel and nothing selected: the placeholder comes back, selected; nothing is described.
    m_dlg.m_btnPlayMidi.EnableWindow(TRUE);
    const std::string before = Pane();
    List(CBN_SELENDCANCEL);
    EXPECT_EQ(0, m_dlg.m_bMidiSelectPending);
    List(CBN_CLOSEUP);
    EXPECT_EQ(1, m_dlg.m_bMidiSelectPending);
    ASSERT_EQ(devices + 1, m_dlg.m_cboMidi.GetCount());
    EXPECT_EQ(kMidiPlaceholder, m_dlg.m_cboMidi.GetLBText(m_dlg.m_cboMidi.GetCurSel()));
    EXPECT_FALSE(m_dlg.m_btnPlayMidi.IsWindowEnabled());
    EXPECT_EQ(before, Pane());

    // Opening it again while the placeholder is selected removes it again.
    List(CBN_DROPDOWN);
    EXPECT_EQ(devices, m_dlg.m_cboMidi.GetCount());
}

TEST_F(MidiDialogTest, ChoosingAnEntryDescribesItsDeviceAndOffersPlay) {
    List(CBN_CLOSEUP);  // closed on the selected first entry
    EXPECT_EQ(0, m_dlg.m_nMidiDevice);
    EXPECT_TRUE(m_dlg.m_btnPlayMidi.IsWindowEnabled());
    MIDIOUTCAPSA caps;
    if (GetMidiCaps(0, &caps) == MMSYSERR_NOERROR) {
        EXPECT_TRUE(EndsWith(Pane(), DescribeMidiDevice(caps)));
    } else {  // no device and no readable mapper, as on this machine
        EXPECT_TRUE(EndsWith(
            Pane(), "\r\n is an undetermined type of MIDI-device, with no registered MIDI-support features.\r\n"))
            << Pane();
    }
}

TEST_F(MidiDialogTest, PlayThenStopOpensAndClosesTheSequencer) {
    List(CBN_CLOSEUP);
    ClickPlay();
    ASSERT_EQ(1, m_dlg.m_bMidiPlaying) << Pane();
    EXPECT_EQ("Stop MIDI-file.", Caption());
    EXPECT_TRUE(EndsWith(Pane(), "\r\nPlaying MIDI-file.\r\n")) << Pane();
    const UINT device = m_dlg.m_wMciDevice;
    EXPECT_EQ((DWORD)MCI_MODE_PLAY, MciMode(device));

    ClickPlay();
    EXPECT_EQ(0, m_dlg.m_bMidiPlaying);
    EXPECT_TRUE(EndsWith(Pane(), "\r\nPlaying MIDI-file.\r\n\r\nStopped playing MIDI-file.\r\n")) << Pane();
    EXPECT_EQ("Play MIDI-file.", Caption());
    EXPECT_EQ(0u, MciMode(device)) << "closed";
}

TEST_F(MidiDialogTest, MissingFileReportsTheMciErrorThenTheFailure) {
    MoveToEmptyFolder();
    const std::string before = Pane();
    ClickPlay();
    char error[128] = "";
    ::mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, error, sizeof(error));
    EXPECT_EQ(before + error + "\r\n\r\nFailed to play MIDI-file.\r\n", Pane());
    EXPECT_EQ(0, m_dlg.m_bMidiPlaying);
    EXPECT_EQ("Play MIDI-File", Caption()) << "the template's caption stays";
}

TEST_F(MidiDialogTest, FailedStopIsReportedAndTheNextClickStartsAgain) {
    ClickPlay();
    ASSERT_EQ(1, m_dlg.m_bMidiPlaying) << Pane();
    ::mciSendCommandA(m_dlg.m_wMciDevice, MCI_CLOSE, 0, 0);  // closed behind the dialog's back
    ClickPlay();
    EXPECT_TRUE(EndsWith(Pane(), "\r\nFailed to stop playing MIDI-file.\r\n")) << Pane();
    EXPECT_EQ(0, m_dlg.m_bMidiPlaying);
    EXPECT_EQ("Stop MIDI-file.", Caption());
    ClickPlay();
    EXPECT_EQ(1, m_dlg.m_bMidiPlaying);
    EXPECT_EQ((DWORD)MCI_MODE_PLAY, MciMode(m_dlg.m_wMciDevice));
    EXPECT_TRUE(EndsWith(Pane(), "\r\nPlaying MIDI-file.\r\n"));
}

TEST_F(MidiDialogTest, ChoosingADeviceWhilePlayingReplacesThePlaybackSoOneStopClosesAll) {
    ClickPlay();
    ASSERT_EQ(1, m_dlg.m_bMidiPlaying) << Pane();
    const UINT first = m_dlg.m_wMciDevice;
    ChooseFirstItem();
    const UINT second = m_dlg.m_wMciDevice;
    EXPECT_EQ(1, m_dlg.m_bMidiPlaying);
    EXPECT_EQ((DWORD)MCI_MODE_PLAY, MciMode(second));
    if (second != first) {
        EXPECT_EQ(0u, MciMode(first)) << "the earlier playback was closed";
    }
    EXPECT_EQ("Stop MIDI-file.", Caption());

    ClickPlay();
    EXPECT_EQ(0u, MciMode(second));
    EXPECT_EQ(0u, MciMode(first));
    EXPECT_EQ("Play MIDI-file.", Caption());
}

TEST_F(MidiDialogTest, ReplayThatFailsAfterAChoiceLeavesNothingPlayingAndOffersPlayAgain) {
    ClickPlay();
    ASSERT_EQ(1, m_dlg.m_bMidiPlaying) << Pane();
    const UINT first = m_dlg.m_wMciDevice;
    MoveToEmptyFolder();
    ChooseFirstItem();
    EXPECT_EQ(0u, MciMode(first));
    EXPECT_EQ(0, m_dlg.m_bMidiPlaying);
    EXPECT_EQ("Play MIDI-file.", Caption());
    EXPECT_TRUE(EndsWith(Pane(), "\r\n\r\nFailed to play MIDI-file.\r\n")) << Pane();

    ::SetCurrentDirectoryA(m_szStartDir);
    ClickPlay();
    EXPECT_EQ(1, m_dlg.m_bMidiPlaying);
    EXPECT_EQ("Stop MIDI-file.", Caption());
}

}  // namespace
