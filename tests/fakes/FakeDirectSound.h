// A scriptable DirectSound for tests: real COM objects (device, primary buffer, listener, secondary and 3D
// buffers, the runtime's extension) that record every call with its arguments and do what the script says.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#include <string>
#include <vector>

namespace fakeds {

struct Format {
    DWORD rate;
    WORD bits;
    WORD channels;
};

struct Script {
    // Device creation per class: the runtime's class and CLSID_DirectSound.
    HRESULT createRuntime = REGDB_E_CLASSNOTREG;  // runtime absent by default
    HRESULT createDirectSound = S_OK;
    HRESULT initializeRuntime = S_OK;
    HRESULT initializeDirectSound = S_OK;
    HRESULT cooperativeLevel = S_OK;
    bool runtimeExtension = true;  // the runtime's object answers the extension interface
    HRESULT extensionResult = S_OK;

    // Hardware voices: buffers asked for in hardware or with no placement take one while one is free.
    int hw2DVoices = 0;
    int hw3DVoices = 0;
    HRESULT hardwareRefused = DSERR_UNSUPPORTED;  // hardware asked with no voice free
    // Duplicates of a hardware buffer beyond the pool come back in software (as most cards do).
    bool softwareDuplicateBeyondPool = true;

    std::vector<DWORD> refusedSpeakerConfigs;
    HRESULT speakerRefusal = DSERR_INVALIDPARAM;
    DWORD speakerConfig = 0x00140004;
    HRESULT getSpeakerConfig = S_OK;
    std::vector<Format> refusedFormats;

    HRESULT createPrimary = S_OK;
    HRESULT createSecondary = S_OK;     // every secondary CreateSoundBuffer
    int createSecondaryFailAfter = -1;  // fail (with createSecondary's code or DSERR_OUTOFMEMORY) after n buffers
    HRESULT queryListener = S_OK;
    HRESULT setDoppler = S_OK;
    HRESULT setDistance = S_OK;
    HRESULT setRolloff = S_OK;
    HRESULT query3D = S_OK;
    HRESULT lock = S_OK;
    bool lockReturnsRegion = true;  // with a failing lock: whether a region was handed out anyway
    HRESULT unlock = S_OK;
    HRESULT getCapsBuffer = S_OK;
    HRESULT commit = S_OK;
    DWORD mode3D = DS3DMODE_NORMAL;
    DWORD frequency = 0;       // 0: the format's own rate
    LONG statusOverride = -1;  // >= 0: every GetStatus reports this
    DSCAPS caps = {};
};

// The script in force and the calls recorded since the last Reset.
Script& script();
void Reset();
const std::vector<std::string>& Calls();
std::vector<std::string> CallsOf(const std::string& object);
size_t CountCalls(const std::string& text);
// True when the call sequence contains these calls in this order (other calls may stand between).
bool HasInOrder(const std::vector<std::string>& expected, std::string* missing = nullptr);
std::string Dump();

// Objects alive now (every interface obtained counts until its last Release).
int LiveObjects();
// Hardware voices in use.
int UsedHardware2D();
int UsedHardware3D();
// Bytes written into a secondary buffer (by its number, 1 = first created).
size_t BufferBytes(int number);

// The device factory to put into g_pfnCreateSoundDevice.
HRESULT CreateDevice(REFCLSID clsid, IDirectSound** ppDevice);

// A message box stand-in for g_pfnAudioMessageBox: records the box and answers IDOK.
struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
std::vector<Box>& Boxes();

}  // namespace fakeds
