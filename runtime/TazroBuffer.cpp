// A buffer of the emulated card: plays through the system's buffer, reports its placement as the card's,
// and gives its voice back when it is released.
#include "runtime/TazroEmulation.h"

namespace {

// Lets the device recognise its own buffers (DuplicateSoundBuffer is given one of them).
// {5A3E9C2F-7B4D-4F1A-9E62-0C8D3B7A5E11}
const IID IID_TazroBufferSelf = {0x5a3e9c2f, 0x7b4d, 0x4f1a, {0x9e, 0x62, 0x0c, 0x8d, 0x3b, 0x7a, 0x5e, 0x11}};

class TazroBuffer final : public IDirectSoundBuffer {
public:
    TazroBuffer(IDirectSoundBuffer* inner,
                bool primary,
                bool hardware,
                bool is3D,
                const std::vector<EmulationConfig::Format>* refused)
        : m_inner(inner), m_primary(primary), m_hardware(hardware), m_is3D(is3D) {
        if (refused != nullptr)
            m_refused = *refused;
        ::InterlockedIncrement(&g_nObjects);
    }
    ~TazroBuffer() {
        m_inner->Release();
        if (m_hardware)
            GiveVoice(m_is3D);
        ::InterlockedDecrement(&g_nObjects);
    }
    IDirectSoundBuffer* Inner() const { return m_inner; }
    bool Hardware() const { return m_hardware; }
    bool Is3D() const { return m_is3D; }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer || riid == IID_TazroBufferSelf) {
            *ppv = static_cast<IDirectSoundBuffer*>(this);
            AddRef();
            return S_OK;
        }
        // The 3D buffer, the listener and the property sets are the system's own.
        return m_inner->QueryInterface(riid, ppv);
    }
    STDMETHOD_(ULONG, AddRef)() override { return ULONG(::InterlockedIncrement(&m_ref)); }
    STDMETHOD_(ULONG, Release)() override {
        LONG r = ::InterlockedDecrement(&m_ref);
        if (r == 0)
            delete this;
        return ULONG(r);
    }
    STDMETHOD(GetCaps)(LPDSBCAPS caps) override {
        HRESULT hr = m_inner->GetCaps(caps);
        if (SUCCEEDED(hr) && !m_primary) {
            caps->dwFlags &= ~(DSBCAPS_LOCHARDWARE | DSBCAPS_LOCSOFTWARE);
            caps->dwFlags |= m_hardware ? DSBCAPS_LOCHARDWARE : DSBCAPS_LOCSOFTWARE;
        }
        return hr;
    }
    STDMETHOD(GetCurrentPosition)(LPDWORD play, LPDWORD write) override {
        return m_inner->GetCurrentPosition(play, write);
    }
    STDMETHOD(GetFormat)(LPWAVEFORMATEX wfx, DWORD size, LPDWORD written) override {
        return m_inner->GetFormat(wfx, size, written);
    }
    STDMETHOD(GetVolume)(LPLONG v) override { return m_inner->GetVolume(v); }
    STDMETHOD(GetPan)(LPLONG v) override { return m_inner->GetPan(v); }
    STDMETHOD(GetFrequency)(LPDWORD f) override { return m_inner->GetFrequency(f); }
    STDMETHOD(GetStatus)(LPDWORD s) override { return m_inner->GetStatus(s); }
    STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return DSERR_ALREADYINITIALIZED; }
    STDMETHOD(Lock)(DWORD offset, DWORD bytes, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2, DWORD flags) override {
        return m_inner->Lock(offset, bytes, p1, n1, p2, n2, flags);
    }
    STDMETHOD(Play)(DWORD r1, DWORD r2, DWORD flags) override { return m_inner->Play(r1, r2, flags); }
    STDMETHOD(SetCurrentPosition)(DWORD pos) override { return m_inner->SetCurrentPosition(pos); }
    STDMETHOD(SetFormat)(LPCWAVEFORMATEX wfx) override {
        if (wfx != nullptr) {
            for (const EmulationConfig::Format& f : m_refused) {
                if (f.rate == wfx->nSamplesPerSec && f.bits == wfx->wBitsPerSample && f.channels == wfx->nChannels)
                    return DSERR_BADFORMAT;
            }
        }
        return m_inner->SetFormat(wfx);
    }
    STDMETHOD(SetVolume)(LONG v) override { return m_inner->SetVolume(v); }
    STDMETHOD(SetPan)(LONG v) override { return m_inner->SetPan(v); }
    STDMETHOD(SetFrequency)(DWORD f) override { return m_inner->SetFrequency(f); }
    STDMETHOD(Stop)() override { return m_inner->Stop(); }
    STDMETHOD(Unlock)(LPVOID p1, DWORD n1, LPVOID p2, DWORD n2) override { return m_inner->Unlock(p1, n1, p2, n2); }
    STDMETHOD(Restore)() override { return m_inner->Restore(); }

private:
    LONG m_ref = 1;
    IDirectSoundBuffer* m_inner;
    bool m_primary;
    bool m_hardware;
    bool m_is3D;
    std::vector<EmulationConfig::Format> m_refused;
};

}  // namespace

IDirectSoundBuffer* WrapBuffer(IDirectSoundBuffer* inner,
                               bool primary,
                               bool hardware,
                               bool is3D,
                               const std::vector<EmulationConfig::Format>* refusedFormats) {
    return new TazroBuffer(inner, primary, hardware, is3D, refusedFormats);
}

IDirectSoundBuffer* InnerBuffer(IDirectSoundBuffer* buffer, bool* hardware, bool* is3D) {
    if (buffer == nullptr)
        return nullptr;
    IDirectSoundBuffer* self = nullptr;
    if (FAILED(buffer->QueryInterface(IID_TazroBufferSelf, reinterpret_cast<void**>(&self))) || self == nullptr)
        return nullptr;
    TazroBuffer* ours = static_cast<TazroBuffer*>(self);
    *hardware = ours->Hardware();
    *is3D = ours->Is3D();
    IDirectSoundBuffer* inner = ours->Inner();
    self->Release();
    return inner;
}
