// Per-source operations: play, stop, state, release, position, and the hardware-voice probe.
#include "sources/SourceSet.h"

HRESULT CSourceSet::PlaySource(int index) {
    if (!IsKnown(index))
        return -1;
    return m_apSources[index]->Play();
}

HRESULT CSourceSet::StopSource(int index) {
    if (!IsKnown(index))
        return -1;
    return m_apSources[index]->Stop();
}

int CSourceSet::GetSourceState(int index) {
    if (!IsKnown(index))
        return 0;
    return m_apSources[index]->GetPlayState();
}

HRESULT CSourceSet::ReleaseSource(int index) {
    if (!IsKnown(index))
        return 0;
    return m_apSources[index]->Release();
}

HRESULT CSourceSet::MoveSource(int index, float x, float y, float z) {
    if (index < 0 || index >= kSourceCount)
        return -1;
    if (m_apSources[index] == nullptr)
        return 0;
    return m_apSources[index]->SetPosition(x, y, z, DS3D_IMMEDIATE);
}

int CSourceSet::MaxOutHardware(int index, int kind) {
    if (index < 0 || index >= kSourceCount)
        return -1;
    CSoundBuffer* source = m_apSources[index];
    if (source == nullptr) {
        g_pfnSourceWait(200);
        return 0;
    }
    // Indices without a recording have nothing to probe with.
    if (RecordingPath(index) == nullptr)
        return 0;
    IDirectSound* device = m_pDevice != nullptr ? m_pDevice->m_pDS : nullptr;
    if (source->Load(device, RecordingPath(index), kPlaceHardware, 0, 0, kind, 0) != 0)
        return 0;

    const int kMaxDuplicates = 1024;
    static IDirectSoundBuffer* duplicates[kMaxDuplicates];
    int count = 0;
    for (int i = 0; i < kMaxDuplicates; ++i) {
        IDirectSoundBuffer* duplicate = nullptr;
        if (device->DuplicateSoundBuffer(source->m_pBuffer, &duplicate) != 0 || duplicate == nullptr)
            break;
        DSBCAPS caps;
        ZeroMemory(&caps, sizeof(caps));
        caps.dwSize = sizeof(caps);
        // A card out of voices hands back a software duplicate: that ends the count.
        if (duplicate->GetCaps(&caps) == DS_OK && (caps.dwFlags & DSBCAPS_LOCHARDWARE)) {
            duplicates[count++] = duplicate;
        } else {
            duplicate->Release();
            break;
        }
    }
    for (int i = 0; i < count; ++i) {
        duplicates[i]->Release();
        duplicates[i] = nullptr;
    }
    ReleaseSource(index);
    g_pfnSourceWait(200);
    const int total = count + 1;
    return total < 0 ? 0 : total;
}

HRESULT CSourceSet::LoadSource(int index, int fileIndex, BOOL playNow, BOOL loop, int kind, LONG volume) {
    IDirectSound* device = m_pDevice != nullptr ? m_pDevice->m_pDS : nullptr;
    return m_apSources[index]->Load(device, RecordingPath(fileIndex), m_bForceSoftware ? kPlaceSoftware : kPlaceAny,
                                    playNow, loop, kind, volume);
}

void CSourceSet::CountOpened(int index) {
    CSoundBuffer* source = m_apSources[index];
    UpdateBufferCounters(source->IsHardware(), source->Is3DActive(), 1, m_bForceSoftware);
}

void CSourceSet::Enter(int index, int position) {
    // Positions outside 1-255 would land beside the list; they are counted but not written.
    if (position >= 1 && position <= kMovingSlots)
        m_anMoving[position] = index;
}

IDirectSound3DListener* CSourceSet::Listener3D() const {
    return m_pListener != nullptr ? m_pListener->m_pListener : nullptr;
}
