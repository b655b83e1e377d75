// What Pellora says about a MIDI output device, and reading a device's capabilities.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <string>

extern const char kMidiPlaceholder[];  // "Select MIDI Device", the list's item for "no device chosen"
extern const char kMidiTestFile[];     // "./Midi/test.mid"

// Capabilities of MIDI output device nIndex; an index that names no device reads the MIDI mapper.
// The record is zeroed first, so a device that cannot be read is described as having nothing.
MMRESULT GetMidiCaps(int nIndex, MIDIOUTCAPSA* pCaps);

// The device name, which a driver need not terminate when it fills the field.
std::string MidiDeviceName(const MIDIOUTCAPSA& caps);

// The status-pane text for a device: line break, name, kind, features, voice and note counts, line break.
std::string DescribeMidiDevice(const MIDIOUTCAPSA& caps);
