// The primary buffer and its 3D listener.
#include "audio/SoundDevice.h"

CSoundListener::CSoundListener() {
    CSoundListener::Reset();
}

void CSoundListener::Reset() {
    CSoundDevice::Reset();
    m_pPrimary = nullptr;
    m_pListener = nullptr;
    m_fDopplerFactor = 1.0f;
    m_fDistanceFactor = 1.0f;
    m_fRolloffFactor = 1.0f;
}

HRESULT CSoundListener::Create(IDirectSound* device) {
    m_pDS = device;
    if (m_pDS == nullptr)
        return -1;

    DSBUFFERDESC1 desc;
    ZeroMemory(&desc, sizeof(desc));
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D;
    desc.dwBufferBytes = 0;
    desc.lpwfxFormat = nullptr;

    const char* label = nullptr;
    bool releaseAfter = false;
    HRESULT hr = m_pDS->CreateSoundBuffer(reinterpret_cast<DSBUFFERDESC*>(&desc), &m_pPrimary, nullptr);
    if (hr != 0) {
        label = "CreatePrimaryBuffer";
        m_pPrimary = nullptr;
    } else {
        releaseAfter = true;
        hr = m_pPrimary->QueryInterface(IID_IDirectSound3DListener, reinterpret_cast<void**>(&m_pListener));
        if (hr != 0) {
            label = "QueryListener";
            m_pListener = nullptr;
        } else if ((hr = m_pListener->SetDopplerFactor(m_fDopplerFactor, DS3D_IMMEDIATE)) != 0) {
            label = "SetDopplerFactor";
        } else if ((hr = m_pListener->SetDistanceFactor(m_fDistanceFactor, DS3D_IMMEDIATE)) != 0) {
            label = "SetDistanceFactor";
        } else if ((hr = m_pListener->SetRolloffFactor(m_fRolloffFactor, DS3D_IMMEDIATE)) != 0) {
            label = "SetRolloffFactor";
        }
    }
    if (label == nullptr)
        return 0;

    ReportError(label, hr);
    if (releaseAfter)
        Release();
    // The device object is only borrowed: forget it without releasing it.
    m_pDS = nullptr;
    m_nMode = 2;
    m_hWndOwner = nullptr;
    m_bEndCom = 0;
    return hr;
}

HRESULT CSoundListener::Release() {
    // Release gives reference counts, never a failure code: the result is 0.
    if (m_pListener != nullptr) {
        m_pListener->Release();
        m_pListener = nullptr;
    }
    if (m_pPrimary != nullptr) {
        m_pPrimary->Stop();
        m_pPrimary->Release();
        m_pPrimary = nullptr;
    }
    m_fDopplerFactor = 1.0f;
    m_fDistanceFactor = 1.0f;
    m_fRolloffFactor = 1.0f;
    return 0;
}

HRESULT CSoundListener::SetPrimaryFormat(DWORD samplesPerSec, WORD bitsPerSample, WORD channels) {
    if (m_pPrimary == nullptr)
        return -1;
    WAVEFORMATEX wfx;
    ZeroMemory(&wfx, sizeof(wfx));
    wfx.wFormatTag = WAVE_FORMAT_PCM;
    wfx.nChannels = channels;
    wfx.nSamplesPerSec = samplesPerSec;
    wfx.wBitsPerSample = bitsPerSample;
    wfx.nBlockAlign = WORD(channels * (bitsPerSample / 8));
    wfx.nAvgBytesPerSec = samplesPerSec * wfx.nBlockAlign;
    wfx.cbSize = 0;
    return m_pPrimary->SetFormat(&wfx);
}
