// The stand-in Tazro runtime: a DirectSound device on top of the system's DirectSound that behaves like a
// card with a pool of hardware voices.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#include <vector>

// Settings read from HKLM\Software\Zephal\Tazro\Emulation when a device is initialised.
struct EmulationConfig {
    DWORD nHw2DVoices;                   // "HW2DVoices", default 32
    DWORD nHw3DVoices;                   // "HW3DVoices", default 16
    std::vector<DWORD> refusedSpeakers;  // "RefusedSpeakerConfigs", e.g. "0x00140004,3"
    struct Format {
        DWORD rate;
        DWORD bits;
        DWORD channels;
    };
    std::vector<Format> refusedFormats;  // "RefusedFormats", e.g. "44100/16/2,11025/8/1"
};

EmulationConfig ReadEmulationConfig();
// Parses "a,b,c" (decimal or 0x hex) and "rate/bits/channels,..." lists; bad entries are skipped.
std::vector<DWORD> ParseNumberList(const char* text);
std::vector<EmulationConfig::Format> ParseFormatList(const char* text);

// The card's voices, shared by every device and buffer of the process like a card's are.
struct VoicePool {
    LONG nUsed2D;
    LONG nUsed3D;
    DWORD nLimit2D;
    DWORD nLimit3D;
};
extern VoicePool g_voices;
bool TakeVoice(bool is3D);
void GiveVoice(bool is3D);

// Live objects and server locks, for DllCanUnloadNow.
extern LONG g_nObjects;
extern LONG g_nLocks;

// Creates a device object answering riid.
HRESULT CreateTazroDevice(REFIID riid, void** ppv);
// Wraps a buffer of the system's DirectSound; takes over the reference.
IDirectSoundBuffer* WrapBuffer(IDirectSoundBuffer* inner,
                               bool primary,
                               bool hardware,
                               bool is3D,
                               const std::vector<EmulationConfig::Format>* refusedFormats);
// The system buffer behind one of our buffers, or null when the buffer is not ours.
IDirectSoundBuffer* InnerBuffer(IDirectSoundBuffer* buffer, bool* hardware, bool* is3D);
