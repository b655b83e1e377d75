// Loading one WAV file into a new static secondary buffer.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "audio/SoundDevice.h"
#include "audio/WaveFile.h"

// The buffer description is the DirectSound 3 record; its size differs between the architectures and
// the system checks it.
static_assert(sizeof(DSBUFFERDESC1) == (sizeof(void*) == 8 ? 24 : 20), "DSBUFFERDESC1 layout");

namespace {

const char kSupportAddress[] = "support@zephal.com";

// A recording that cannot be read leaves the test run meaningless: tell the user and end the program.
[[noreturn]] void FailUnreadableRecording(const char* fileName) {
    char text[400];
    std::snprintf(text, sizeof(text), "Error, %s could not be loaded", fileName);
    g_pfnAudioMessageBox(nullptr, text, "Tazro Pellora", MB_OK | MB_ICONERROR);
    std::snprintf(text, sizeof(text),
                  "Pellora is exiting...please fix the problem if possible, before running again, or email %s for "
                  "assistance.",
                  kSupportAddress);
    g_pfnAudioMessageBox(nullptr, text, "Tazro Pellora", MB_OK | MB_ICONERROR);
    std::exit(-1);
}

}  // namespace

HRESULT CSoundBuffer::Load(IDirectSound* device,
                           const char* fileName,
                           int placement,
                           BOOL playNow,
                           BOOL loop,
                           int kind,
                           LONG volume) {
    // A stopped source loaded anew still holds its previous buffer (and on a card its voice): give it back.
    if (m_p3DBuffer != nullptr || m_pBuffer != nullptr) {
        Release();
    }
    m_pDS = device;
    if (m_pDS == nullptr)
        return -1;

    DSBUFFERDESC1 desc;
    ZeroMemory(&desc, sizeof(desc));
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLVOLUME | DSBCAPS_GETCURRENTPOSITION2;
    desc.dwFlags |= (kind == kKind2D) ? DSBCAPS_CTRLPAN : DSBCAPS_CTRL3D;
    if (placement == kPlaceSoftware)
        desc.dwFlags |= DSBCAPS_LOCSOFTWARE;
    else if (placement == kPlaceHardware)
        desc.dwFlags |= DSBCAPS_LOCHARDWARE;

    WaveInfo info;
    unsigned char* data = ReadWaveFile(fileName, &info);
    if (data == nullptr)
        FailUnreadableRecording(fileName);

    WAVEFORMATEX wfx;
    ZeroMemory(&wfx, sizeof(wfx));
    wfx.wFormatTag = info.wFormatTag;
    wfx.nChannels = info.nChannels;
    wfx.nSamplesPerSec = info.nSamplesPerSec;
    wfx.nAvgBytesPerSec = info.nAvgBytesPerSec;
    wfx.nBlockAlign = info.nBlockAlign;
    wfx.wBitsPerSample = info.nBitsPerSample;
    wfx.cbSize = 0;
    desc.dwBufferBytes = info.nDataLength;
    desc.lpwfxFormat = &wfx;

    m_pBuffer = nullptr;
    m_p3DBuffer = nullptr;
    HRESULT hr = m_pDS->CreateSoundBuffer(reinterpret_cast<DSBUFFERDESC*>(&desc), &m_pBuffer, nullptr);
    if (FAILED(hr) || m_pBuffer == nullptr) {
        m_pBuffer = nullptr;
        delete[] data;
        return FAILED(hr) ? hr : -1;
    }

    void* region1 = nullptr;
    void* region2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    hr = m_pBuffer->Lock(0, info.nDataLength, &region1, &bytes1, &region2, &bytes2, 0);
    if (SUCCEEDED(hr)) {
        if (region1 != nullptr) {
            // Never write past the region the device handed out.
            std::memcpy(region1, data, bytes1 < info.nDataLength ? bytes1 : info.nDataLength);
        }
        hr = m_pBuffer->Unlock(region1, info.nDataLength, region2, 0);
        region1 = nullptr;
    }
    if (FAILED(hr)) {
        if (region1 != nullptr)
            m_pBuffer->Unlock(region1, bytes1, region2, bytes2);
        m_pBuffer->Release();
        m_pBuffer = nullptr;
        delete[] data;
        return hr;
    }

    delete[] data;
    if (volume != 0)
        m_pBuffer->SetVolume(volume);

    if (kind != kKind2D) {
        m_n3DState = 0;
        HRESULT hr3D = Query3D();
        if (FAILED(hr3D))
            return hr3D;
    } else {
        m_n3DState = 2;
    }

    m_bLoop = loop;
    IsHardware();
    m_nPlayState = 1;
    if (playNow)
        return Play();
    return hr;
}
