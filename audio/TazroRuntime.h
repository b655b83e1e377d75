// Identifiers of the Tazro runtime, shared by Pellora's audio layer and the runtime's own server.
#pragma once
#include <windows.h>
#include <objbase.h>

// Device class: created in-process asking for IID_IDirectSound.
// {5A3E9C21-7B4D-4F1A-9E62-0C8D3B7A5E11}
static const CLSID CLSID_TazroDirectSound = {0x5a3e9c21,
                                             0x7b4d,
                                             0x4f1a,
                                             {0x9e, 0x62, 0x0c, 0x8d, 0x3b, 0x7a, 0x5e, 0x11}};

// Extension interface of the device object.
// {5A3E9C22-7B4D-4F1A-9E62-0C8D3B7A5E11}
static const IID IID_ITazroExtension = {0x5a3e9c22, 0x7b4d, 0x4f1a, {0x9e, 0x62, 0x0c, 0x8d, 0x3b, 0x7a, 0x5e, 0x11}};

// Pellora calls only the third operation, with a render mode that is always 0 (the runtime's default
// rendering). The first two let tools read the runtime's version and its configured voice pool.
struct ITazroExtension : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetVersion(DWORD* pdwVersion) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVoicePool(DWORD* pdwHw2D, DWORD* pdwHw3D) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetRenderMode(DWORD dwMode) = 0;
};

// Name of the event the runtime's server program holds while it runs.
#define TAZRO_SERVER_EVENT "STazroSrvEvt"
// Emulation settings of the stand-in runtime (HKEY_LOCAL_MACHINE).
#define TAZRO_EMULATION_KEY "Software\\Zephal\\Tazro\\Emulation"
