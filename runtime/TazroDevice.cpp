// The device of the emulated card: the system's DirectSound underneath, a pool of hardware voices on top.
#include "audio/TazroRuntime.h"
#include "runtime/TazroEmulation.h"

namespace {

const DWORD kRuntimeVersion = 0x00010002;
const DWORD kCardMemoryBytes = 4 * 1024 * 1024;

class TazroDevice final : public IDirectSound, public ITazroExtension {
public:
    TazroDevice() { ::InterlockedIncrement(&g_nObjects); }
    ~TazroDevice() {
        if (m_inner != nullptr)
            m_inner->Release();
        ::InterlockedDecrement(&g_nObjects);
    }
    HRESULT Construct() {
        return ::CoCreateInstance(CLSID_DirectSound, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectSound,
                                  reinterpret_cast<void**>(&m_inner));
    }

    // IUnknown, shared by both interfaces.
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDirectSound)
            *ppv = static_cast<IDirectSound*>(this);
        else if (riid == IID_ITazroExtension)
            *ppv = static_cast<ITazroExtension*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ULONG(::InterlockedIncrement(&m_ref)); }
    STDMETHOD_(ULONG, Release)() override {
        LONG r = ::InterlockedDecrement(&m_ref);
        if (r == 0)
            delete this;
        return ULONG(r);
    }

    // IDirectSound.
    STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out, IUnknown* outer) override {
        if (out == nullptr || desc == nullptr)
            return DSERR_INVALIDPARAM;
        *out = nullptr;
        if (desc->dwSize != sizeof(DSBUFFERDESC) && desc->dwSize != sizeof(DSBUFFERDESC1))
            return DSERR_INVALIDPARAM;
        DSBUFFERDESC copy;
        ZeroMemory(&copy, sizeof(copy));
        CopyMemory(&copy, desc, desc->dwSize);
        const bool primary = (copy.dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
        const bool is3D = (copy.dwFlags & DSBCAPS_CTRL3D) != 0;
        bool hardware = false;
        if (!primary) {
            if (copy.dwFlags & DSBCAPS_LOCHARDWARE) {
                // Asked for in hardware: a voice or nothing, as on the card.
                if (!TakeVoice(is3D))
                    return DSERR_ALLOCATED;
                hardware = true;
            } else if (!(copy.dwFlags & DSBCAPS_LOCSOFTWARE)) {
                hardware = TakeVoice(is3D);
            }
            // The system mixes every voice; it knows no hardware placement.
            copy.dwFlags &= ~(DSBCAPS_LOCHARDWARE | DSBCAPS_LOCSOFTWARE | DSBCAPS_LOCDEFER);
        }
        IDirectSoundBuffer* inner = nullptr;
        HRESULT hr = m_inner->CreateSoundBuffer(reinterpret_cast<LPCDSBUFFERDESC>(&copy), &inner, outer);
        if (FAILED(hr) || inner == nullptr) {
            if (hardware)
                GiveVoice(is3D);
            return FAILED(hr) ? hr : DSERR_GENERIC;
        }
        *out = WrapBuffer(inner, primary, hardware, is3D, primary ? &m_config.refusedFormats : nullptr);
        return hr;
    }
    STDMETHOD(GetCaps)(LPDSCAPS caps) override {
        HRESULT hr = m_inner->GetCaps(caps);
        if (FAILED(hr))
            return hr;
        const DWORD free2D = g_voices.nLimit2D - DWORD(g_voices.nUsed2D);
        const DWORD free3D = g_voices.nLimit3D - DWORD(g_voices.nUsed3D);
        caps->dwMaxHwMixingAllBuffers = g_voices.nLimit2D;
        caps->dwMaxHwMixingStaticBuffers = g_voices.nLimit2D;
        caps->dwMaxHwMixingStreamingBuffers = g_voices.nLimit2D;
        caps->dwFreeHwMixingAllBuffers = free2D;
        caps->dwFreeHwMixingStaticBuffers = free2D;
        caps->dwFreeHwMixingStreamingBuffers = free2D;
        caps->dwMaxHw3DAllBuffers = g_voices.nLimit3D;
        caps->dwMaxHw3DStaticBuffers = g_voices.nLimit3D;
        caps->dwMaxHw3DStreamingBuffers = g_voices.nLimit3D;
        caps->dwFreeHw3DAllBuffers = free3D;
        caps->dwFreeHw3DStaticBuffers = free3D;
        caps->dwFreeHw3DStreamingBuffers = free3D;
        caps->dwTotalHwMemBytes = kCardMemoryBytes;
        caps->dwFreeHwMemBytes = kCardMemoryBytes;
        caps->dwMaxContigFreeHwMemBytes = kCardMemoryBytes;
        caps->dwUnlockTransferRateHwBuffers = 100000;
        return hr;
    }
    STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER original, LPLPDIRECTSOUNDBUFFER out) override {
        if (out == nullptr)
            return DSERR_INVALIDPARAM;
        *out = nullptr;
        bool hardware = false, is3D = false;
        IDirectSoundBuffer* source = InnerBuffer(original, &hardware, &is3D);
        if (source == nullptr)
            return DSERR_INVALIDPARAM;
        IDirectSoundBuffer* inner = nullptr;
        HRESULT hr = m_inner->DuplicateSoundBuffer(source, &inner);
        if (FAILED(hr) || inner == nullptr)
            return FAILED(hr) ? hr : DSERR_GENERIC;
        // A duplicate of a hardware buffer takes a voice while one is free, else it is mixed in software.
        const bool duplicateInHardware = hardware && TakeVoice(is3D);
        *out = WrapBuffer(inner, false, duplicateInHardware, is3D, nullptr);
        return hr;
    }
    STDMETHOD(SetCooperativeLevel)(HWND hWnd, DWORD level) override {
        return m_inner->SetCooperativeLevel(hWnd, level);
    }
    STDMETHOD(Compact)() override { return m_inner->Compact(); }
    STDMETHOD(GetSpeakerConfig)(LPDWORD config) override {
        if (config == nullptr)
            return DSERR_INVALIDPARAM;
        if (!m_bSpeakerSet)
            return m_inner->GetSpeakerConfig(config);
        *config = m_dwSpeaker;
        return DS_OK;
    }
    STDMETHOD(SetSpeakerConfig)(DWORD config) override {
        for (DWORD refused : m_config.refusedSpeakers) {
            if (refused == config)
                return DSERR_INVALIDPARAM;
        }
        HRESULT hr = m_inner->SetSpeakerConfig(config);
        if (SUCCEEDED(hr)) {
            // The card keeps the configuration it was given.
            m_dwSpeaker = config;
            m_bSpeakerSet = true;
        }
        return hr;
    }
    STDMETHOD(Initialize)(LPCGUID guid) override {
        HRESULT hr = m_inner->Initialize(guid);
        if (SUCCEEDED(hr)) {
            m_config = ReadEmulationConfig();
            g_voices.nLimit2D = m_config.nHw2DVoices;
            g_voices.nLimit3D = m_config.nHw3DVoices;
        }
        return hr;
    }

    // ITazroExtension.
    STDMETHOD(GetVersion)(DWORD* version) override {
        if (version == nullptr)
            return E_POINTER;
        *version = kRuntimeVersion;
        return S_OK;
    }
    STDMETHOD(GetVoicePool)(DWORD* hw2D, DWORD* hw3D) override {
        if (hw2D == nullptr || hw3D == nullptr)
            return E_POINTER;
        *hw2D = g_voices.nLimit2D;
        *hw3D = g_voices.nLimit3D;
        return S_OK;
    }
    STDMETHOD(SetRenderMode)(DWORD mode) override {
        // 0 is the runtime's default rendering; the emulation renders every mode the same way.
        m_dwRenderMode = mode;
        return S_OK;
    }

private:
    LONG m_ref = 1;
    IDirectSound* m_inner = nullptr;
    EmulationConfig m_config = {32, 16, {}, {}};
    DWORD m_dwSpeaker = 0;
    bool m_bSpeakerSet = false;
    DWORD m_dwRenderMode = 0;
};

}  // namespace

HRESULT CreateTazroDevice(REFIID riid, void** ppv) {
    *ppv = nullptr;
    TazroDevice* device = new TazroDevice;
    HRESULT hr = device->Construct();
    if (SUCCEEDED(hr))
        hr = device->QueryInterface(riid, ppv);
    device->Release();
    return hr;
}
