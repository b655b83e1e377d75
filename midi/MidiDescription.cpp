#include "midi/MidiDescription.h"
#include <cstdio>
#include <cstring>

const char kMidiPlaceholder[] = "Select MIDI Device";
const char kMidiTestFile[] = "./Midi/test.mid";

static_assert(sizeof(MIDIOUTCAPSA) == 52, "the capability record is the 52-byte ANSI record");

MMRESULT GetMidiCaps(int nIndex, MIDIOUTCAPSA* pCaps) {
    std::memset(pCaps, 0, sizeof(*pCaps));
    UINT device = (UINT)nIndex;
    if (nIndex < 0 || device >= ::midiOutGetNumDevs())
        device = MIDI_MAPPER;
    return ::midiOutGetDevCapsA(device, pCaps, sizeof(*pCaps));
}

namespace {
const char* TechnologyPhrase(WORD technology) {
    switch (technology) {
        case MOD_MIDIPORT:
            return " is a MIDI-port device, with";
        case MOD_SYNTH:
            return " is a synthesizer, with";
        case MOD_SQSYNTH:
            return " is a square-wave synthesizer, with";
        case MOD_FMSYNTH:
            return " is an FM synthesizer, with";
        case MOD_MAPPER:
            return " is the Microsoft MIDI-mapper, with";
        default:
            return " is an undetermined type of MIDI-device, with";
    }
}
}  // namespace

std::string MidiDeviceName(const MIDIOUTCAPSA& caps) {
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof(caps.szPname)));
}

std::string DescribeMidiDevice(const MIDIOUTCAPSA& caps) {
    std::string text = "\r\n" + MidiDeviceName(caps);
    text += TechnologyPhrase(caps.wTechnology);

    bool cache = (caps.dwSupport & MIDICAPS_CACHE) != 0;
    bool stream = (caps.dwSupport & MIDICAPS_STREAM) != 0;
    int volume = (caps.dwSupport & MIDICAPS_LRVOLUME) != 0 ? 2 : (caps.dwSupport & MIDICAPS_VOLUME) != 0 ? 1 : 0;
    if (cache)
        text += " patch caching";
    if (stream) {
        if (cache)
            text += " and";
        text += " direct support for midiStreamOut";
    }
    if (volume > 0) {
        if (cache || stream)
            text += " and";
        text += volume == 2 ? " separate left/right volume control" : " volume control";
    }
    if (!cache && !stream && volume == 0)
        text += " no registered MIDI-support features";
    text += ".";

    char count[64];
    if (caps.wVoices != 0) {
        std::snprintf(count, sizeof(count), " %2d simultaneous voices are supported.", caps.wVoices);
        text += count;
    }
    if (caps.wNotes != 0) {
        std::snprintf(count, sizeof(count), " %2d simultaneous notes are supported.", caps.wNotes);
        text += count;
    }
    text += "\r\n";
    return text;
}
