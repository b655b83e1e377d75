// Opening and closing the set, the runtime's extension, speaker configuration and primary format.
#include "sources/SourceSet.h"
#include <cstring>
#include "audio/TazroRuntime.h"

SourceWaitFn g_pfnSourceWait = ::Sleep;

CSourceSet::CSourceSet() {
    m_pDevice = nullptr;
    m_pListener = nullptr;
    for (int i = 0; i < kSourceCount; ++i)
        m_apSources[i] = nullptr;
    m_pRuntimeExt = nullptr;
    // Filled by the start-ups; zeroed so that a record read before its first start-up is harmless.
    std::memset(m_aMotion, 0, sizeof(m_aMotion));
    m_nMoving = 0;
    for (int i = 0; i <= kMovingSlots; ++i)
        m_anMoving[i] = -1;
    m_hWndOwner = nullptr;
    m_bForceSoftware = 0;
}

HRESULT CSourceSet::InitRenderer(HWND hWndOwner, const GUID* driverGuid, DWORD runtimeValue, int* pbTazro) {
    if (hWndOwner == nullptr)
        return -1;
    m_hWndOwner = hWndOwner;
    ResetBufferCounters();

    if (m_pDevice == nullptr)
        m_pDevice = new CSoundDevice;
    if (m_pListener == nullptr)
        m_pListener = new CSoundListener;
    for (int i = 0; i < kSourceCount; ++i) {
        if (m_apSources[i] == nullptr)
            m_apSources[i] = new CSoundBuffer;
    }
    m_nMoving = 0;

    HRESULT hr = -1;
    if (m_pDevice != nullptr)
        hr = m_pDevice->Open(driverGuid, m_hWndOwner, 1, TRUE, pbTazro);
    if (hr < 0) {
        if (m_pDevice != nullptr)
            ReportError("InitRenderer", hr);
        return hr;
    }

    SetRuntimeMode(runtimeValue);

    hr = -1;
    if (m_pListener != nullptr)
        hr = m_pListener->Create(m_pDevice->m_pDS);
    if (hr < 0)
        ReportError("InitListener", hr);
    return hr;
}

HRESULT CSourceSet::Shutdown() {
    HRESULT result = 0;
    for (int i = kSourceCount - 1; i >= 0; --i) {
        CSoundBuffer* source = m_apSources[i];
        if (source == nullptr)
            continue;
        UpdateBufferCounters(source->IsHardware(), source->Is3DActive(), 0, m_bForceSoftware);
        result = source->Release();
        if (result < 0 && m_pDevice != nullptr)
            ReportError("ShutdownSource", result);
        source->Reset();
        delete source;
        m_apSources[i] = nullptr;
    }
    if (m_pListener != nullptr) {
        result = m_pListener->Release();
        if (result < 0 && m_pDevice != nullptr)
            ReportError("ShutdownListener", result);
    }
    if (m_pRuntimeExt != nullptr) {
        m_pRuntimeExt->Release();
        m_pRuntimeExt = nullptr;
    }
    if (m_pDevice != nullptr)
        result = m_pDevice->Close();
    if (m_pListener != nullptr) {
        m_pListener->Reset();
        delete m_pListener;
        m_pListener = nullptr;
    }
    if (m_pDevice != nullptr) {
        m_pDevice->Reset();
        delete m_pDevice;
        m_pDevice = nullptr;
    }
    m_hWndOwner = nullptr;
    return result;
}

HRESULT CSourceSet::SetRuntimeMode(DWORD value) {
    if (m_pRuntimeExt == nullptr) {
        if (m_pDevice == nullptr || m_pDevice->m_pDS == nullptr)
            return -1;
        HRESULT hr = m_pDevice->m_pDS->QueryInterface(IID_ITazroExtension, reinterpret_cast<void**>(&m_pRuntimeExt));
        if (FAILED(hr)) {
            m_pRuntimeExt = nullptr;
            return hr;
        }
    }
    return static_cast<ITazroExtension*>(m_pRuntimeExt)->SetRenderMode(value);
}

HRESULT CSourceSet::SetOutputMode(int mode) {
    if (m_pDevice == nullptr || m_pDevice->m_pDS == nullptr)
        return -1;
    DWORD config = DSSPEAKER_STEREO;
    bool fallback = true;
    switch (mode) {
        case 1:
            config = DSSPEAKER_HEADPHONE;
            fallback = false;
            break;
        case 2:
            config = DSSPEAKER_COMBINED(DSSPEAKER_STEREO, DSSPEAKER_GEOMETRY_NARROW);
            break;
        case 3:
            config = DSSPEAKER_COMBINED(DSSPEAKER_STEREO, DSSPEAKER_GEOMETRY_WIDE);
            break;
        case 4:
            config = DSSPEAKER_QUAD;
            break;
        default:
            config = DSSPEAKER_STEREO;
            fallback = false;
            break;
    }
    HRESULT hr = m_pDevice->m_pDS->SetSpeakerConfig(config);
    if (FAILED(hr) && fallback)
        hr = m_pDevice->m_pDS->SetSpeakerConfig(DSSPEAKER_STEREO);
    return hr;
}

HRESULT CSourceSet::GetOutputMode(int* mode) {
    if (m_pDevice == nullptr || m_pDevice->m_pDS == nullptr) {
        if (mode != nullptr)
            *mode = -1;
        return -1;
    }
    DWORD config = 0;
    HRESULT hr = m_pDevice->m_pDS->GetSpeakerConfig(&config);
    if (mode == nullptr)
        return hr;
    if (FAILED(hr)) {
        *mode = -1;
        return hr;
    }
    switch (DSSPEAKER_CONFIG(config)) {
        case DSSPEAKER_HEADPHONE:
            *mode = 1;
            break;
        case DSSPEAKER_STEREO:
            *mode = DSSPEAKER_GEOMETRY(config) < 20 ? 2 : 3;
            break;
        case DSSPEAKER_QUAD:
            *mode = 4;
            break;
        default:
            *mode = -1;
            break;
    }
    return hr;
}

HRESULT CSourceSet::SetPrimaryFormat(DWORD rate, WORD bits, WORD channels) {
    if (m_pListener == nullptr)
        return -1;
    DWORD hz = rate;
    if (rate < 100) {
        if (rate <= 11)
            hz = 11025;
        else if (rate <= 22)
            hz = 22050;
        else
            hz = 44100;
    }
    return m_pListener->SetPrimaryFormat(hz, bits, channels);
}

void CSourceSet::ClearMovingList() {
    m_nMoving = 0;
    for (int i = 0; i <= kMovingSlots; ++i)
        m_anMoving[i] = -1;
}
