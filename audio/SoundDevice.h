// Thin wrappers around one DirectSound-style device, its primary buffer with the 3D listener, and one
// secondary buffer. The listener and buffer wrappers borrow the device object and never release it.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

// Placement of a loaded buffer.
enum { kPlaceSoftware = 0, kPlaceHardware = 1, kPlaceAny = 2 };
// Kind of a loaded buffer.
enum { kKind3D = 0, kKind2D = 2 };

// Creates the device object of a class, asking for IID_IDirectSound. Replaceable so that tests can hand
// the open sequence a device of their own.
typedef HRESULT (*SoundDeviceFactory)(REFCLSID clsid, IDirectSound** ppDevice);
HRESULT CreateSoundDeviceObject(REFCLSID clsid, IDirectSound** ppDevice);
extern SoundDeviceFactory g_pfnCreateSoundDevice;

// The message boxes of the audio layer go through this pointer (MessageBoxA unless a test replaces it).
typedef int(WINAPI* AudioMessageBoxFn)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern AudioMessageBoxFn g_pfnAudioMessageBox;

const char* ErrorName(HRESULT code);
void ReportError(const char* label, HRESULT code);

class CSoundDevice {
public:
    CSoundDevice();
    void Reset();
    HRESULT Open(const GUID* driverGuid, HWND hWndOwner, int mode, BOOL endCom, int* pbTazro);
    HRESULT Close();
    HRESULT GetCaps(DSCAPS* caps);

    IDirectSound* m_pDS;
    const GUID* m_pDriverGuid;
    int m_nMode;  // 0 DirectSound only, 1 Tazro runtime first, 2 not open
    BOOL m_bEndCom;
    HWND m_hWndOwner;
};

class CSoundListener : public CSoundDevice {
public:
    CSoundListener();
    void Reset();
    HRESULT Create(IDirectSound* device);
    HRESULT Release();
    HRESULT SetPrimaryFormat(DWORD samplesPerSec, WORD bitsPerSample, WORD channels);

    IDirectSoundBuffer* m_pPrimary;
    IDirectSound3DListener* m_pListener;
    float m_fDopplerFactor;
    float m_fDistanceFactor;
    float m_fRolloffFactor;
};

class CSoundBuffer : public CSoundDevice {
public:
    CSoundBuffer();
    void Reset();
    HRESULT
    Load(IDirectSound* device, const char* fileName, int placement, BOOL playNow, BOOL loop, int kind, LONG volume);
    HRESULT Release();
    HRESULT Query3D();
    HRESULT Play();
    HRESULT Stop();
    int GetPlayState();
    int IsHardware();
    int Is3DActive();
    HRESULT SetPosition(float x, float y, float z, DWORD apply);
    HRESULT SetConeOrientation(float x, float y, float z, DWORD apply);
    HRESULT SetConeAngles(DWORD insideDegrees, DWORD outsideDegrees, DWORD apply);
    HRESULT SetConeOutsideVolume(LONG volume, DWORD apply);
    HRESULT GetPosition(D3DVECTOR* vector);

    IDirectSoundBuffer* m_pBuffer;
    IDirectSound3DBuffer* m_p3DBuffer;
    int m_nHardware;  // -1 not yet asked, else the hardware-location bit of the capability flags
    BOOL m_bLoop;
    int m_nPlayState;  // 0 empty, 1 loaded and stopped, 2 started
    int m_n3DState;    // 2 no 3D interface may be taken, 1 held, 0 3D control without the interface
};
