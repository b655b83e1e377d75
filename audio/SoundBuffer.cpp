// One secondary buffer: play state, placement and the 3D operations.
#include "audio/SoundDevice.h"

CSoundBuffer::CSoundBuffer() {
    CSoundBuffer::Reset();
}

void CSoundBuffer::Reset() {
    CSoundDevice::Reset();
    m_pBuffer = nullptr;
    m_p3DBuffer = nullptr;
    m_nHardware = -1;
    m_bLoop = 0;
    m_nPlayState = 0;
    m_n3DState = 2;
}

HRESULT CSoundBuffer::Release() {
    // Release gives reference counts, never a failure code, so there is no negative result to pass on.
    if (m_p3DBuffer != nullptr) {
        m_p3DBuffer->Release();
        m_p3DBuffer = nullptr;
    }
    if (m_pBuffer != nullptr) {
        m_pBuffer->Release();
        m_pBuffer = nullptr;
    }
    m_pDS = nullptr;  // borrowed
    m_nHardware = -1;
    m_nPlayState = 0;
    m_n3DState = 2;
    return 0;
}

HRESULT CSoundBuffer::Query3D() {
    if (m_pBuffer == nullptr || m_n3DState == 2)
        return -1;
    m_n3DState = 1;
    HRESULT hr = m_pBuffer->QueryInterface(IID_IDirectSound3DBuffer, reinterpret_cast<void**>(&m_p3DBuffer));
    if (FAILED(hr))
        m_p3DBuffer = nullptr;
    return hr;
}

HRESULT CSoundBuffer::Play() {
    if (m_pBuffer == nullptr || m_nPlayState == 0)
        return -1;
    if (m_nPlayState == 2) {
        DWORD status = 0;
        if (m_pBuffer->GetStatus(&status) == DS_OK && status == DSBSTATUS_PLAYING)
            return 0;
    }
    m_nPlayState = 2;
    return m_pBuffer->Play(0, 0, m_bLoop ? DSBPLAY_LOOPING : 0);
}

HRESULT CSoundBuffer::Stop() {
    if (m_pBuffer == nullptr || m_nPlayState == 0)
        return -1;
    if (m_nPlayState == 1)
        return 0;
    m_nPlayState = 1;
    return m_pBuffer->Stop();
}

int CSoundBuffer::GetPlayState() {
    if (m_pBuffer == nullptr || m_nPlayState != 2)
        return 0;
    DWORD status = 0;
    if (FAILED(m_pBuffer->GetStatus(&status)))
        return 0;
    if (status & DSBSTATUS_LOOPING)
        return 2;
    if (status & DSBSTATUS_PLAYING)
        return 1;
    return 0;
}

int CSoundBuffer::IsHardware() {
    if (m_nHardware != -1)
        return m_nHardware;
    if (m_pBuffer == nullptr)
        return 0;
    DSBCAPS caps;
    ZeroMemory(&caps, sizeof(caps));
    caps.dwSize = sizeof(caps);
    if (FAILED(m_pBuffer->GetCaps(&caps)))
        m_nHardware = 0;
    else
        m_nHardware = int(caps.dwFlags & DSBCAPS_LOCHARDWARE);
    return m_nHardware;
}

int CSoundBuffer::Is3DActive() {
    if (m_pBuffer == nullptr || m_p3DBuffer == nullptr)
        return 0;
    DWORD mode = DS3DMODE_DISABLE;
    if (FAILED(m_p3DBuffer->GetMode(&mode)))
        return 0;
    return mode != DS3DMODE_DISABLE ? 1 : 0;
}

HRESULT CSoundBuffer::SetPosition(float x, float y, float z, DWORD apply) {
    if (m_p3DBuffer == nullptr)
        return -1;
    return m_p3DBuffer->SetPosition(x, y, z, apply);
}

HRESULT CSoundBuffer::SetConeOrientation(float x, float y, float z, DWORD apply) {
    if (m_p3DBuffer == nullptr)
        return -1;
    return m_p3DBuffer->SetConeOrientation(x, y, z, apply);
}

HRESULT CSoundBuffer::SetConeAngles(DWORD insideDegrees, DWORD outsideDegrees, DWORD apply) {
    if (m_p3DBuffer == nullptr)
        return -1;
    return m_p3DBuffer->SetConeAngles(insideDegrees, outsideDegrees, apply);
}

HRESULT CSoundBuffer::SetConeOutsideVolume(LONG volume, DWORD apply) {
    if (m_p3DBuffer == nullptr)
        return -1;
    return m_p3DBuffer->SetConeOutsideVolume(volume, apply);
}

HRESULT CSoundBuffer::GetPosition(D3DVECTOR* vector) {
    if (m_p3DBuffer == nullptr)
        return -1;
    return m_p3DBuffer->GetPosition(vector);
}
