// The device wrapper: the open sequence with its single fallback from the runtime to DirectSound.
#include "audio/SoundDevice.h"
#include "audio/TazroRuntime.h"

HRESULT CreateSoundDeviceObject(REFCLSID clsid, IDirectSound** ppDevice) {
    return ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectSound,
                              reinterpret_cast<void**>(ppDevice));
}

SoundDeviceFactory g_pfnCreateSoundDevice = CreateSoundDeviceObject;

CSoundDevice::CSoundDevice() {
    CSoundDevice::Reset();
}

void CSoundDevice::Reset() {
    m_pDS = nullptr;
    m_pDriverGuid = nullptr;
    m_nMode = 2;
    m_bEndCom = 0;
    m_hWndOwner = nullptr;
}

HRESULT CSoundDevice::Open(const GUID* driverGuid, HWND hWndOwner, int mode, BOOL endCom, int* pbTazro) {
    m_pDriverGuid = driverGuid;
    m_hWndOwner = hWndOwner;
    m_nMode = mode;
    m_bEndCom = endCom;
    ::CoInitialize(nullptr);

    m_pDS = nullptr;
    HRESULT hr = g_pfnCreateSoundDevice(m_nMode == 1 ? CLSID_TazroDirectSound : CLSID_DirectSound, &m_pDS);
    if (SUCCEEDED(hr) && m_pDS == nullptr)
        hr = E_POINTER;
    if (SUCCEEDED(hr)) {
        hr = m_pDS->Initialize(m_pDriverGuid);
        if (pbTazro != nullptr)
            *pbTazro = (SUCCEEDED(hr) && m_nMode == 1) ? 1 : 0;
    }
    if (FAILED(hr) && m_nMode == 1) {
        if (m_pDS != nullptr) {
            m_pDS->Release();
            m_pDS = nullptr;
        }
        hr = g_pfnCreateSoundDevice(CLSID_DirectSound, &m_pDS);
        if (SUCCEEDED(hr) && m_pDS == nullptr)
            hr = E_POINTER;
        if (SUCCEEDED(hr))
            hr = m_pDS->Initialize(m_pDriverGuid);
    }
    if (FAILED(hr)) {
        ReportError("Initialize", hr);
        Close();
        return hr;
    }

    hr = m_pDS->SetCooperativeLevel(m_hWndOwner, DSSCL_PRIORITY);
    if (hr != 0) {
        ReportError("SetCooperativeLevel", hr);
        Close();
        return hr;
    }
    return 0;
}

HRESULT CSoundDevice::Close() {
    if (m_pDS != nullptr) {
        m_pDS->Release();
        m_pDS = nullptr;
    }
    if (m_bEndCom)
        ::CoUninitialize();
    m_nMode = 2;
    m_hWndOwner = nullptr;
    m_bEndCom = 0;
    return 0;
}

HRESULT CSoundDevice::GetCaps(DSCAPS* caps) {
    if (m_pDS == nullptr)
        return 0;
    return m_pDS->GetCaps(caps);
}
