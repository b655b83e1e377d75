#include "fakes/FakeDirectSound.h"
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include "audio/TazroRuntime.h"

namespace fakeds {

namespace {

Script g_script;
std::vector<std::string> g_calls;
int g_live = 0;
int g_used2D = 0;
int g_used3D = 0;
int g_bufferCount = 0;
std::vector<size_t> g_bufferBytes;

void Record(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    g_calls.push_back(text);
}

class FakeBuffer;

class Fake3DBuffer final : public IDirectSound3DBuffer {
public:
    Fake3DBuffer(FakeBuffer* owner, int number);
    ~Fake3DBuffer();
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(GetAllParameters)(LPDS3DBUFFER) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(GetConeAngles)(LPDWORD in, LPDWORD out) override {
        *in = m_inside;
        *out = m_outside;
        return S_OK;
    }
    STDMETHOD(GetConeOrientation)(LPD3DVECTOR v) override {
        *v = m_orientation;
        return S_OK;
    }
    STDMETHOD(GetConeOutsideVolume)(LPLONG v) override {
        *v = m_outsideVolume;
        return S_OK;
    }
    STDMETHOD(GetMaxDistance)(LPD3DVALUE v) override {
        *v = m_max;
        return S_OK;
    }
    STDMETHOD(GetMinDistance)(LPD3DVALUE v) override {
        *v = m_min;
        return S_OK;
    }
    STDMETHOD(GetMode)(LPDWORD mode) override {
        Record("3D%d.GetMode()", m_number);
        *mode = g_script.mode3D;
        return S_OK;
    }
    STDMETHOD(GetPosition)(LPD3DVECTOR v) override {
        Record("3D%d.GetPosition()", m_number);
        *v = m_position;
        return S_OK;
    }
    STDMETHOD(GetVelocity)(LPD3DVECTOR v) override {
        v->x = v->y = v->z = 0;
        return S_OK;
    }
    STDMETHOD(SetAllParameters)(LPCDS3DBUFFER, DWORD) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(SetConeAngles)(DWORD in, DWORD out, DWORD apply) override {
        Record("3D%d.SetConeAngles(%lu,%lu,%lu)", m_number, in, out, apply);
        m_inside = in;
        m_outside = out;
        return S_OK;
    }
    STDMETHOD(SetConeOrientation)(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override {
        Record("3D%d.SetConeOrientation(%g,%g,%g,%lu)", m_number, x, y, z, apply);
        m_orientation = {x, y, z};
        return S_OK;
    }
    STDMETHOD(SetConeOutsideVolume)(LONG v, DWORD apply) override {
        Record("3D%d.SetConeOutsideVolume(%ld,%lu)", m_number, v, apply);
        m_outsideVolume = v;
        return S_OK;
    }
    STDMETHOD(SetMaxDistance)(D3DVALUE v, DWORD apply) override {
        Record("3D%d.SetMaxDistance(%g,%lu)", m_number, v, apply);
        m_max = v;
        return S_OK;
    }
    STDMETHOD(SetMinDistance)(D3DVALUE v, DWORD apply) override {
        Record("3D%d.SetMinDistance(%g,%lu)", m_number, v, apply);
        m_min = v;
        return S_OK;
    }
    STDMETHOD(SetMode)(DWORD mode, DWORD apply) override {
        Record("3D%d.SetMode(%lu,%lu)", m_number, mode, apply);
        return S_OK;
    }
    STDMETHOD(SetPosition)(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override {
        Record("3D%d.SetPosition(%g,%g,%g,%lu)", m_number, x, y, z, apply);
        m_position = {x, y, z};
        return S_OK;
    }
    STDMETHOD(SetVelocity)(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override {
        Record("3D%d.SetVelocity(%g,%g,%g,%lu)", m_number, x, y, z, apply);
        return S_OK;
    }

private:
    ULONG m_ref = 1;
    FakeBuffer* m_owner;
    int m_number;
    DWORD m_inside = 360, m_outside = 360;
    LONG m_outsideVolume = 0;
    D3DVECTOR m_orientation = {0, 0, 1};
    D3DVECTOR m_position = {0, 0, 0};
    D3DVALUE m_min = 1.0f, m_max = 1.0e9f;
};

class FakeListener final : public IDirectSound3DListener {
public:
    explicit FakeListener(IUnknown* owner) : m_owner(owner) {
        ++g_live;
        m_owner->AddRef();
    }
    ~FakeListener() {
        --g_live;
        m_owner->Release();
    }
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IDirectSound3DListener) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
    STDMETHOD_(ULONG, Release)() override {
        Record("Listener.Release()");
        ULONG r = --m_ref;
        if (r == 0)
            delete this;
        return r;
    }
    STDMETHOD(GetAllParameters)(LPDS3DLISTENER) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(GetDistanceFactor)(LPD3DVALUE v) override {
        *v = m_distance;
        return S_OK;
    }
    STDMETHOD(GetDopplerFactor)(LPD3DVALUE v) override {
        *v = m_doppler;
        return S_OK;
    }
    STDMETHOD(GetOrientation)(LPD3DVECTOR, LPD3DVECTOR) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(GetPosition)(LPD3DVECTOR) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(GetRolloffFactor)(LPD3DVALUE v) override {
        *v = m_rolloff;
        return S_OK;
    }
    STDMETHOD(GetVelocity)(LPD3DVECTOR) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(SetAllParameters)(LPCDS3DLISTENER, DWORD) override { return DSERR_UNSUPPORTED; }
    STDMETHOD(SetDistanceFactor)(D3DVALUE v, DWORD apply) override {
        Record("Listener.SetDistanceFactor(%g,%lu)", v, apply);
        m_distance = v;
        return g_script.setDistance;
    }
    STDMETHOD(SetDopplerFactor)(D3DVALUE v, DWORD apply) override {
        Record("Listener.SetDopplerFactor(%g,%lu)", v, apply);
        m_doppler = v;
        return g_script.setDoppler;
    }
    STDMETHOD(SetOrientation)(D3DVALUE, D3DVALUE, D3DVALUE, D3DVALUE, D3DVALUE, D3DVALUE, DWORD) override {
        Record("Listener.SetOrientation()");
        return S_OK;
    }
    STDMETHOD(SetPosition)(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override {
        Record("Listener.SetPosition(%g,%g,%g,%lu)", x, y, z, apply);
        return S_OK;
    }
    STDMETHOD(SetRolloffFactor)(D3DVALUE v, DWORD apply) override {
        Record("Listener.SetRolloffFactor(%g,%lu)", v, apply);
        m_rolloff = v;
        return g_script.setRolloff;
    }
    STDMETHOD(SetVelocity)(D3DVALUE x, D3DVALUE y, D3DVALUE z, DWORD apply) override {
        Record("Listener.SetVelocity(%g,%g,%g,%lu)", x, y, z, apply);
        return S_OK;
    }
    STDMETHOD(CommitDeferredSettings)() override {
        Record("Listener.CommitDeferredSettings()");
        return g_script.commit;
    }

private:
    ULONG m_ref = 1;
    IUnknown* m_owner;
    D3DVALUE m_doppler = 1.0f, m_distance = 1.0f, m_rolloff = 1.0f;
};

class FakeBuffer final : public IDirectSoundBuffer {
public:
    FakeBuffer(bool primary, DWORD flags, const WAVEFORMATEX* wfx, DWORD bytes, IUnknown* device)
        : m_primary(primary), m_flags(flags), m_device(device) {
        ++g_live;
        m_device->AddRef();
        if (!primary) {
            m_number = ++g_bufferCount;
            g_bufferBytes.push_back(0);
        }
        if (wfx != nullptr)
            m_format = *wfx;
        else
            m_format = WAVEFORMATEX{WAVE_FORMAT_PCM, 2, 22050, 44100, 2, 8, 0};
        m_data.resize(bytes);
    }
    ~FakeBuffer() {
        --g_live;
        if (m_flags & DSBCAPS_LOCHARDWARE) {
            if (m_flags & DSBCAPS_CTRL3D)
                --g_used3D;
            else
                --g_used2D;
        }
        m_device->Release();
    }
    std::string Name() const { return m_primary ? "Primary" : "Buf" + std::to_string(m_number); }
    DWORD Flags() const { return m_flags; }
    const WAVEFORMATEX& Format() const { return m_format; }
    size_t Size() const { return m_data.size(); }
    int Number() const { return m_number; }
    void CopyData(const FakeBuffer& other) { m_data = other.m_data; }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer) {
            *ppv = static_cast<IDirectSoundBuffer*>(this);
            AddRef();
            return S_OK;
        }
        if (m_primary && riid == IID_IDirectSound3DListener) {
            Record("Primary.QueryInterface(Listener)");
            if (g_script.queryListener != S_OK)
                return g_script.queryListener;
            *ppv = static_cast<IDirectSound3DListener*>(new FakeListener(this));
            return S_OK;
        }
        if (!m_primary && riid == IID_IDirectSound3DBuffer) {
            Record("%s.QueryInterface(3D)", Name().c_str());
            if (g_script.query3D != S_OK)
                return g_script.query3D;
            if (!(m_flags & DSBCAPS_CTRL3D))
                return E_NOINTERFACE;
            *ppv = static_cast<IDirectSound3DBuffer*>(new Fake3DBuffer(this, m_number));
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
    STDMETHOD_(ULONG, Release)() override {
        Record("%s.Release()", Name().c_str());
        ULONG r = --m_ref;
        if (r == 0)
            delete this;
        return r;
    }
    STDMETHOD(GetCaps)(LPDSBCAPS caps) override {
        Record("%s.GetCaps(%lu)", Name().c_str(), caps->dwSize);
        if (g_script.getCapsBuffer != S_OK)
            return g_script.getCapsBuffer;
        if (caps->dwSize != sizeof(DSBCAPS))
            return DSERR_INVALIDPARAM;
        caps->dwFlags = m_flags;
        caps->dwBufferBytes = DWORD(m_data.size());
        caps->dwUnlockTransferRate = 0;
        caps->dwPlayCpuOverhead = 0;
        return S_OK;
    }
    STDMETHOD(GetCurrentPosition)(LPDWORD play, LPDWORD write) override {
        if (play)
            *play = 0;
        if (write)
            *write = 0;
        return S_OK;
    }
    STDMETHOD(GetFormat)(LPWAVEFORMATEX wfx, DWORD size, LPDWORD written) override {
        if (wfx != nullptr && size >= sizeof(WAVEFORMATEX))
            *wfx = m_format;
        if (written)
            *written = sizeof(WAVEFORMATEX);
        return S_OK;
    }
    STDMETHOD(GetVolume)(LPLONG v) override {
        *v = m_volume;
        return S_OK;
    }
    STDMETHOD(GetPan)(LPLONG v) override {
        *v = 0;
        return S_OK;
    }
    STDMETHOD(GetFrequency)(LPDWORD f) override {
        Record("%s.GetFrequency()", Name().c_str());
        *f = g_script.frequency != 0 ? g_script.frequency : (m_frequency != 0 ? m_frequency : m_format.nSamplesPerSec);
        return S_OK;
    }
    STDMETHOD(GetStatus)(LPDWORD status) override {
        Record("%s.GetStatus()", Name().c_str());
        if (g_script.statusOverride >= 0)
            *status = DWORD(g_script.statusOverride);
        else
            *status = m_playing ? (DSBSTATUS_PLAYING | (m_looping ? DSBSTATUS_LOOPING : 0)) : 0;
        return S_OK;
    }
    STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return DSERR_ALREADYINITIALIZED; }
    STDMETHOD(Lock)(DWORD offset, DWORD bytes, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2, DWORD flags) override {
        Record("%s.Lock(%lu,%lu,%lu)", Name().c_str(), offset, bytes, flags);
        *p1 = nullptr;
        *n1 = 0;
        if (p2)
            *p2 = nullptr;
        if (n2)
            *n2 = 0;
        if (g_script.lock != S_OK && !g_script.lockReturnsRegion)
            return g_script.lock;
        if (offset + bytes > m_data.size())
            return DSERR_INVALIDPARAM;
        *p1 = m_data.data() + offset;
        *n1 = bytes;
        m_locked = true;
        return g_script.lock;
    }
    STDMETHOD(Play)(DWORD r1, DWORD r2, DWORD flags) override {
        Record("%s.Play(%lu,%lu,%lu)", Name().c_str(), r1, r2, flags);
        m_playing = true;
        m_looping = (flags & DSBPLAY_LOOPING) != 0;
        return S_OK;
    }
    STDMETHOD(SetCurrentPosition)(DWORD pos) override {
        Record("%s.SetCurrentPosition(%lu)", Name().c_str(), pos);
        return S_OK;
    }
    STDMETHOD(SetFormat)(LPCWAVEFORMATEX wfx) override {
        Record("%s.SetFormat(%lu,%u,%u,%u,%lu)", Name().c_str(), wfx->nSamplesPerSec, wfx->wBitsPerSample,
               wfx->nChannels, wfx->nBlockAlign, wfx->nAvgBytesPerSec);
        for (const fakeds::Format& f : g_script.refusedFormats) {
            if (f.rate == wfx->nSamplesPerSec && f.bits == wfx->wBitsPerSample && f.channels == wfx->nChannels)
                return DSERR_BADFORMAT;
        }
        m_format = *wfx;
        return S_OK;
    }
    STDMETHOD(SetVolume)(LONG v) override {
        Record("%s.SetVolume(%ld)", Name().c_str(), v);
        m_volume = v;
        return S_OK;
    }
    STDMETHOD(SetPan)(LONG v) override {
        Record("%s.SetPan(%ld)", Name().c_str(), v);
        return S_OK;
    }
    STDMETHOD(SetFrequency)(DWORD f) override {
        Record("%s.SetFrequency(%lu)", Name().c_str(), f);
        m_frequency = f;
        return S_OK;
    }
    STDMETHOD(Stop)() override {
        Record("%s.Stop()", Name().c_str());
        m_playing = false;
        return S_OK;
    }
    STDMETHOD(Unlock)(LPVOID p1, DWORD n1, LPVOID p2, DWORD n2) override {
        Record("%s.Unlock(%lu,%s,%lu)", Name().c_str(), n1, p2 ? "p2" : "null", n2);
        (void)p1;
        if (!m_primary && m_number >= 1 && size_t(m_number) <= g_bufferBytes.size())
            g_bufferBytes[m_number - 1] = n1;
        m_locked = false;
        return g_script.unlock;
    }
    STDMETHOD(Restore)() override { return S_OK; }

private:
    ULONG m_ref = 1;
    bool m_primary;
    DWORD m_flags;
    IUnknown* m_device;
    int m_number = 0;
    WAVEFORMATEX m_format;
    std::vector<unsigned char> m_data;
    LONG m_volume = 0;
    DWORD m_frequency = 0;
    bool m_playing = false;
    bool m_looping = false;
    bool m_locked = false;
};

Fake3DBuffer::Fake3DBuffer(FakeBuffer* owner, int number) : m_owner(owner), m_number(number) {
    ++g_live;
    m_owner->AddRef();
}

Fake3DBuffer::~Fake3DBuffer() {
    --g_live;
    m_owner->Release();
}

HRESULT Fake3DBuffer::QueryInterface(REFIID riid, void** ppv) {
    if (riid == IID_IUnknown || riid == IID_IDirectSound3DBuffer) {
        *ppv = this;
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG Fake3DBuffer::Release() {
    Record("3D%d.Release()", m_number);
    ULONG r = --m_ref;
    if (r == 0)
        delete this;
    return r;
}

class FakeExtension final : public ITazroExtension {
public:
    explicit FakeExtension(IUnknown* owner) : m_owner(owner) {
        ++g_live;
        m_owner->AddRef();
    }
    ~FakeExtension() {
        --g_live;
        m_owner->Release();
    }
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_ITazroExtension) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
    STDMETHOD_(ULONG, Release)() override {
        Record("Ext.Release()");
        ULONG r = --m_ref;
        if (r == 0)
            delete this;
        return r;
    }
    STDMETHOD(GetVersion)(DWORD* v) override {
        *v = 0x00010000;
        return S_OK;
    }
    STDMETHOD(GetVoicePool)(DWORD* hw2D, DWORD* hw3D) override {
        *hw2D = DWORD(g_script.hw2DVoices);
        *hw3D = DWORD(g_script.hw3DVoices);
        return S_OK;
    }
    STDMETHOD(SetRenderMode)(DWORD mode) override {
        Record("Ext.SetRenderMode(%lu)", mode);
        return g_script.extensionResult;
    }

private:
    ULONG m_ref = 1;
    IUnknown* m_owner;
};

class FakeDevice final : public IDirectSound {
public:
    explicit FakeDevice(bool runtime) : m_runtime(runtime) { ++g_live; }
    ~FakeDevice() { --g_live; }
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDirectSound) {
            *ppv = static_cast<IDirectSound*>(this);
            AddRef();
            return S_OK;
        }
        if (riid == IID_ITazroExtension) {
            Record("DS.QueryInterface(Ext)");
            if (!m_runtime || !g_script.runtimeExtension)
                return E_NOINTERFACE;
            *ppv = static_cast<ITazroExtension*>(new FakeExtension(this));
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++m_ref; }
    STDMETHOD_(ULONG, Release)() override {
        Record("DS.Release()");
        ULONG r = --m_ref;
        if (r == 0)
            delete this;
        return r;
    }
    STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out, IUnknown* outer) override {
        *out = nullptr;
        if (outer != nullptr)
            return DSERR_NOAGGREGATION;
        const bool primary = (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
        Record("DS.CreateSoundBuffer(%lu,0x%lX,%lu,%s)", desc->dwSize, desc->dwFlags, desc->dwBufferBytes,
               desc->lpwfxFormat ? "fmt" : "null");
        if (desc->dwSize != sizeof(DSBUFFERDESC1) && desc->dwSize != sizeof(DSBUFFERDESC))
            return DSERR_INVALIDPARAM;
        if (primary) {
            if (g_script.createPrimary != S_OK)
                return g_script.createPrimary;
            *out = new FakeBuffer(true, desc->dwFlags, nullptr, 0, this);
            return S_OK;
        }
        if (g_script.createSecondary != S_OK)
            return g_script.createSecondary;
        if (g_script.createSecondaryFailAfter >= 0 && m_created >= g_script.createSecondaryFailAfter)
            return DSERR_OUTOFMEMORY;
        if (desc->lpwfxFormat == nullptr || desc->dwBufferBytes == 0)
            return DSERR_INVALIDPARAM;
        DWORD flags = desc->dwFlags;
        const bool is3D = (flags & DSBCAPS_CTRL3D) != 0;
        if (!TakePlacement(&flags, is3D))
            return g_script.hardwareRefused;
        ++m_created;
        *out = new FakeBuffer(false, flags, desc->lpwfxFormat, desc->dwBufferBytes, this);
        return S_OK;
    }
    STDMETHOD(GetCaps)(LPDSCAPS caps) override {
        Record("DS.GetCaps(%lu)", caps->dwSize);
        DWORD size = caps->dwSize;
        *caps = g_script.caps;
        caps->dwSize = size;
        return S_OK;
    }
    STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER original, LPLPDIRECTSOUNDBUFFER out) override {
        FakeBuffer* src = static_cast<FakeBuffer*>(original);
        Record("DS.DuplicateSoundBuffer(%s)", src->Name().c_str());
        *out = nullptr;
        DWORD flags = src->Flags();
        const bool is3D = (flags & DSBCAPS_CTRL3D) != 0;
        if (flags & DSBCAPS_LOCHARDWARE) {
            int& used = is3D ? g_used3D : g_used2D;
            int limit = is3D ? g_script.hw3DVoices : g_script.hw2DVoices;
            if (used < limit) {
                ++used;
            } else if (g_script.softwareDuplicateBeyondPool) {
                flags = (flags & ~DSBCAPS_LOCHARDWARE) | DSBCAPS_LOCSOFTWARE;
            } else {
                return DSERR_ALLOCATED;
            }
        }
        WAVEFORMATEX wfx = src->Format();
        FakeBuffer* dup = new FakeBuffer(false, flags, &wfx, DWORD(src->Size()), this);
        dup->CopyData(*src);
        *out = dup;
        return S_OK;
    }
    STDMETHOD(SetCooperativeLevel)(HWND, DWORD level) override {
        Record("DS.SetCooperativeLevel(%lu)", level);
        return g_script.cooperativeLevel;
    }
    STDMETHOD(Compact)() override { return S_OK; }
    STDMETHOD(GetSpeakerConfig)(LPDWORD config) override {
        Record("DS.GetSpeakerConfig()");
        if (g_script.getSpeakerConfig != S_OK)
            return g_script.getSpeakerConfig;
        *config = g_script.speakerConfig;
        return S_OK;
    }
    STDMETHOD(SetSpeakerConfig)(DWORD config) override {
        Record("DS.SetSpeakerConfig(0x%08lX)", config);
        const auto& refused = g_script.refusedSpeakerConfigs;
        if (std::find(refused.begin(), refused.end(), config) != refused.end())
            return g_script.speakerRefusal;
        g_script.speakerConfig = config;
        return S_OK;
    }
    STDMETHOD(Initialize)(LPCGUID guid) override {
        Record("DS.Initialize(%s)", guid ? "guid" : "null");
        return m_runtime ? g_script.initializeRuntime : g_script.initializeDirectSound;
    }

private:
    // Decides where a new buffer lives; false when hardware was asked and no voice is free.
    bool TakePlacement(DWORD* flags, bool is3D) {
        int& used = is3D ? g_used3D : g_used2D;
        const int limit = is3D ? g_script.hw3DVoices : g_script.hw2DVoices;
        if (*flags & DSBCAPS_LOCSOFTWARE)
            return true;
        if (used < limit) {
            ++used;
            *flags |= DSBCAPS_LOCHARDWARE;
            return true;
        }
        if (*flags & DSBCAPS_LOCHARDWARE)
            return false;
        *flags |= DSBCAPS_LOCSOFTWARE;
        return true;
    }
    ULONG m_ref = 1;
    bool m_runtime;
    int m_created = 0;
};

}  // namespace

Script& script() {
    return g_script;
}

void Reset() {
    g_script = Script();
    g_calls.clear();
    g_used2D = g_used3D = 0;
    g_bufferCount = 0;
    g_bufferBytes.clear();
    Boxes().clear();
}

const std::vector<std::string>& Calls() {
    return g_calls;
}

std::vector<std::string> CallsOf(const std::string& object) {
    std::vector<std::string> out;
    for (const std::string& c : g_calls) {
        if (c.compare(0, object.size() + 1, object + ".") == 0)
            out.push_back(c);
    }
    return out;
}

size_t CountCalls(const std::string& text) {
    return size_t(std::count(g_calls.begin(), g_calls.end(), text));
}

bool HasInOrder(const std::vector<std::string>& expected, std::string* missing) {
    size_t pos = 0;
    for (const std::string& e : expected) {
        while (pos < g_calls.size() && g_calls[pos] != e)
            ++pos;
        if (pos == g_calls.size()) {
            if (missing != nullptr)
                *missing = e;
            return false;
        }
        ++pos;
    }
    return true;
}

std::string Dump() {
    std::string out;
    for (const std::string& c : g_calls)
        out += c + "\n";
    return out;
}

int LiveObjects() {
    return g_live;
}

int UsedHardware2D() {
    return g_used2D;
}

int UsedHardware3D() {
    return g_used3D;
}

size_t BufferBytes(int number) {
    if (number < 1 || size_t(number) > g_bufferBytes.size())
        return 0;
    return g_bufferBytes[number - 1];
}

std::vector<Box>& Boxes() {
    static std::vector<Box> boxes;
    return boxes;
}

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    Boxes().push_back({owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}

HRESULT CreateDevice(REFCLSID clsid, IDirectSound** ppDevice) {
    *ppDevice = nullptr;
    const bool runtime = (clsid == CLSID_TazroDirectSound);
    Record("Create(%s)", runtime ? "Tazro" : "DirectSound");
    HRESULT hr = runtime ? g_script.createRuntime : g_script.createDirectSound;
    if (FAILED(hr))
        return hr;
    *ppDevice = new FakeDevice(runtime);
    return S_OK;
}

}  // namespace fakeds
