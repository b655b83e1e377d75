// The sentence Pellora writes about a MIDI output device, built from capability records given by the test
// (this machine has no MIDI output device), and reading capabilities for an index that names no device.
#include <gtest/gtest.h>
#include <cstring>
#include "midi/MidiDescription.h"

namespace {

MIDIOUTCAPSA Caps(const char* name, WORD technology, DWORD support, WORD voices, WORD notes) {
    MIDIOUTCAPSA caps;
    std::memset(&caps, 0, sizeof(caps));
    std::strncpy(caps.szPname, name, sizeof(caps.szPname) - 1);
    caps.wTechnology = technology;
    caps.dwSupport = support;
    caps.wVoices = voices;
    caps.wNotes = notes;
    return caps;
}

TEST(MidiDescription, SentenceNamesKindFeaturesAndCounts) {
    const DWORD all = MIDICAPS_VOLUME | MIDICAPS_LRVOLUME | MIDICAPS_CACHE | MIDICAPS_STREAM;
    struct Case {
        const char* name;
        MIDIOUTCAPSA caps;
        const char* expected;
    };
    const Case cases[] = {
        {"all four support bits", Caps("Wavetable", MOD_SYNTH, all, 32, 32),
         "\r\nWavetable is a synthesizer, with patch caching and direct support for midiStreamOut and separate "
         "left/right volume control. 32 simultaneous voices are supported. 32 simultaneous notes are supported.\r\n"},
        {"no support bits", Caps("Plain", MOD_MIDIPORT, 0, 0, 0),
         "\r\nPlain is a MIDI-port device, with no registered MIDI-support features.\r\n"},
        {"port with 0 voices and notes", Caps("External MIDI Port", MOD_MIDIPORT, MIDICAPS_CACHE, 0, 0),
         "\r\nExternal MIDI Port is a MIDI-port device, with patch caching.\r\n"},
        {"synthesizer with 9 voices and 18 notes", Caps("OPL3", MOD_FMSYNTH, MIDICAPS_VOLUME, 9, 18),
         "\r\nOPL3 is an FM synthesizer, with volume control.  9 simultaneous voices are supported. 18 "
         "simultaneous notes are supported.\r\n"},
        {"stream and plain volume", Caps("S", MOD_SQSYNTH, MIDICAPS_STREAM | MIDICAPS_VOLUME, 0, 4),
         "\r\nS is a square-wave synthesizer, with direct support for midiStreamOut and volume control.  4 "
         "simultaneous notes are supported.\r\n"},
        {"left/right volume alone", Caps("Mapper", MOD_MAPPER, MIDICAPS_LRVOLUME, 1, 0),
         "\r\nMapper is the Microsoft MIDI-mapper, with separate left/right volume control.  1 simultaneous voices "
         "are supported.\r\n"},
        {"cache and stream", Caps("X", 7, MIDICAPS_CACHE | MIDICAPS_STREAM, 100, 0),
         "\r\nX is an undetermined type of MIDI-device, with patch caching and direct support for midiStreamOut. "
         "100 simultaneous voices are supported.\r\n"},
        {"technology 0", Caps("Zero", 0, 0, 0, 0),
         "\r\nZero is an undetermined type of MIDI-device, with no registered MIDI-support features.\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DescribeMidiDevice(c.caps)) << c.name;
}

TEST(MidiDescription, NameThatFillsTheWholeFieldIsNotReadPastItsEnd) {
    MIDIOUTCAPSA caps = Caps("", MOD_MIDIPORT, 0, 0, 0);
    std::memset(caps.szPname, 'N', sizeof(caps.szPname));  // 32 characters, no terminator
    caps.wTechnology = MOD_MIDIPORT;
    EXPECT_EQ(std::string(32, 'N'), MidiDeviceName(caps));
    EXPECT_EQ("\r\n" + std::string(32, 'N') + " is a MIDI-port device, with no registered MIDI-support features.\r\n",
              DescribeMidiDevice(caps));
}

TEST(MidiDescription, IndexWithoutADeviceReadsTheMapperAndAFailedReadDescribesNothing) {
    const int count = (int)::midiOutGetNumDevs();
    MIDIOUTCAPSA mapper;
    MMRESULT expected = ::midiOutGetDevCapsA(MIDI_MAPPER, &mapper, sizeof(mapper));
    for (int index : {count, count + 5, -1}) {
        MIDIOUTCAPSA caps;
        std::memset(&caps, 0x5A, sizeof(caps));
        EXPECT_EQ(expected, GetMidiCaps(index, &caps)) << "index " << index;
        if (expected != MMSYSERR_NOERROR) {
            // Nothing of the record's earlier contents is described.
            EXPECT_EQ("\r\n is an undetermined type of MIDI-device, with no registered MIDI-support features.\r\n",
                      DescribeMidiDevice(caps))
                << "index " << index;
        }
    }
}

}  // namespace
