// The start-ups that load, place and enter the sources of each test step.
#include <cmath>
#include "sources/SourceSet.h"

namespace {

void FillMotion(SourceMotion* m, float progress, float end, float step, float extent, int path, BOOL place) {
    m->fProgress = progress;
    m->fEnd = end;
    m->fStep = step;
    m->fExtent = extent;
    m->nPath = path;
    m->bPlace = place;
    m->bFirstTick = 1;
}

}  // namespace

HRESULT CSourceSet::StartMixingSource(int index, int position) {
    // Indices past the recordings have no file: the start-up is refused like a missing object.
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) != 0)
        return 0;
    HRESULT hr = LoadSource(index, index, 1, 1, kKind2D, -1000);
    if (hr < 0)
        return hr;
    CountOpened(index);
    FillMotion(&m_aMotion[index], 0.0f, -1.0f, 1.0f, 100.0f, kPathTimer, 0);
    hr = PlaySource(index);
    m_aMotion[index].bActive = 1;
    if (hr >= 0)
        ++m_nMoving;
    Enter(index, position);
    return 0;
}

HRESULT CSourceSet::StartRateSweep(int index, int position) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) != 0)
        return 0;
    HRESULT hr = LoadSource(index, index, 1, 1, kKind2D, -1000);
    if (hr < 0)
        return hr;
    CountOpened(index);
    FillMotion(&m_aMotion[index], 0.3f, 0.2f, 0.025f, 7.0f, kPathTimer, 0);
    // The recording is first heard for 3 s at its own rate.
    g_pfnSourceWait(2000);
    g_pfnSourceWait(1000);
    hr = PlaySource(index);
    m_aMotion[index].bActive = 1;
    if (hr >= 0)
        ++m_nMoving;
    Enter(index, position);
    return 0;
}

HRESULT CSourceSet::StartDistanceRun(int index,
                                     float minDistance,
                                     float maxDistance,
                                     float step,
                                     int position,
                                     int path) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return -1;
    const bool playing = GetSourceState(index) != 0;
    if (!playing) {
        HRESULT hr = LoadSource(index, index, 0, 1, kKind3D, 0);
        if (hr < 0)
            return hr;
    }
    CountOpened(index);
    FillMotion(&m_aMotion[index], 0.0f, -1.0f, step, std::fabs(std::trunc(maxDistance)) + 5.0f, path, 1);

    if (IDirectSound3DListener* listener = Listener3D())
        listener->SetRolloffFactor(0.25f, DS3D_DEFERRED);
    IDirectSound3DBuffer* buffer3D = m_apSources[index]->m_p3DBuffer;
    if (buffer3D == nullptr)
        return -1;
    HRESULT hr = buffer3D->SetMaxDistance(maxDistance < 0.0f ? 1.0e9f : maxDistance, DS3D_IMMEDIATE);
    if (FAILED(hr))
        return hr;
    hr = buffer3D->SetMinDistance(minDistance < 0.0f ? 1.0f : minDistance, DS3D_IMMEDIATE);
    if (FAILED(hr))
        return hr;
    MoveSource(index, 0.0f, 0.0f, 0.0f);

    hr = playing ? 0 : PlaySource(index);
    if (hr < 0)
        return hr;
    m_aMotion[index].bActive = 1;
    Enter(index, position);
    ++m_nMoving;
    return hr;
}

HRESULT CSourceSet::StartDopplerRun(int index, float dopplerFactor, float distance, int position, int path) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) == 0) {
        HRESULT hr = LoadSource(index, index, 0, 1, kKind3D, 0);
        if (hr < 0)
            return hr;
    }
    CountOpened(index);
    FillMotion(&m_aMotion[index], 0.0f, -1.0f, 0.27f, 8.0f * std::fabs(std::trunc(distance)), path, 1);

    MoveSource(index, -distance, 0.0f, distance + 2.0f);
    if (IDirectSound3DListener* listener = Listener3D()) {
        listener->SetDopplerFactor(dopplerFactor, DS3D_IMMEDIATE);
        listener->SetRolloffFactor(0.5f, DS3D_IMMEDIATE);
        HRESULT hr = listener->CommitDeferredSettings();
        if (FAILED(hr))
            return hr;
    }

    HRESULT hr = PlaySource(index);
    m_aMotion[index].bActive = 1;
    if (hr >= 0)
        ++m_nMoving;
    Enter(index, position);
    return 0;
}

HRESULT CSourceSet::StartLatencyRun(int index, int position) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) == 0) {
        HRESULT hr = LoadSource(index, index, 0, 0, kKind3D, 0);
        if (hr < 0)
            return hr;
    }
    CountOpened(index);
    SourceMotion& m = m_aMotion[index];
    FillMotion(&m, 0.0f, -1.0f, 0.5f, 240.0f, kPathBounce, 1);
    m.fDeltaX = 0.0f;
    m.fDeltaZ = 0.5f;

    // The companion plays the same recording, looped and silent, beside the source.
    const int companion = index + 1;
    if (IsKnown(companion)) {
        if (GetSourceState(companion) == 0) {
            HRESULT hr = LoadSource(companion, index, 1, 1, kKind3D, -10000);
            if (hr < 0)
                return hr;
        }
        m_aMotion[companion].bActive = 1;
        ++m_nMoving;
    }

    MoveSource(index, 0.0f, 0.0f, 1.0f);
    if (IDirectSound3DListener* listener = Listener3D()) {
        listener->SetDopplerFactor(0.0f, DS3D_IMMEDIATE);
        listener->SetRolloffFactor(0.25f, DS3D_IMMEDIATE);
        HRESULT hr = listener->CommitDeferredSettings();
        if (FAILED(hr))
            return hr;
    }

    // Not played here: the clock plays it at every bounce.
    m.bActive = 1;
    Enter(index, position);
    ++m_nMoving;
    return 0;
}

HRESULT CSourceSet::StartPositioningPath(int index, int position, int path) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) == 0) {
        HRESULT hr = LoadSource(index, index, 0, 1, kKind3D, 0);
        if (hr < 0)
            return hr;
    }
    CountOpened(index);
    SourceMotion& m = m_aMotion[index];
    switch (path) {
        case kPathOrbit:
            FillMotion(&m, 0.0f, -1.0f, 1.5f, 720.0f, path, 1);
            m.bActive = 1;
            MoveSource(index, 0.0f, 12.0f, 2.0f);
            break;
        case kPathRise:
            FillMotion(&m, 0.0f, -1.0f, 0.05f, 12.0f, path, 1);
            m.bActive = 1;
            MoveSource(index, -1.8f, -6.0f, 1.3f);
            break;
        case kPathFall:
            FillMotion(&m, 0.0f, -1.0f, 0.05f, 12.0f, path, 1);
            m.bActive = 1;
            MoveSource(index, 1.8f, 6.0f, -1.3f);
            break;
        default:
            break;
    }
    if (IDirectSound3DListener* listener = Listener3D()) {
        listener->SetDopplerFactor(0.0f, DS3D_IMMEDIATE);
        listener->SetRolloffFactor(0.5f, DS3D_IMMEDIATE);
        HRESULT hr = listener->CommitDeferredSettings();
        if (FAILED(hr))
            return hr;
    }

    HRESULT hr = PlaySource(index);
    if (hr >= 0)
        ++m_nMoving;
    Enter(index, position);
    return 0;
}

HRESULT
CSourceSet::StartRadiationRun(int index, int insideAngle, int outsideAngle, float x, float y, float z, int position) {
    if (!IsKnown(index) || RecordingPath(index) == nullptr)
        return 0;
    if (GetSourceState(index) != 0)
        return 0;
    HRESULT hr = LoadSource(index, index, 0, 1, kKind3D, 0);
    if (hr < 0)
        return hr;
    CountOpened(index);
    SourceMotion& m = m_aMotion[index];
    FillMotion(&m, 0.0f, -1.0f, 2.0f, 720.0f, kPathConeSweep, 1);
    m.bActive = 1;

    MoveSource(index, x, y, z);
    CSoundBuffer* source = m_apSources[index];
    hr = source->SetConeAngles(DWORD(insideAngle), DWORD(outsideAngle), DS3D_DEFERRED);
    if (FAILED(hr))
        return hr;
    hr = source->SetConeOutsideVolume(-LONG(std::fabs(300.0f * std::trunc(z))), DS3D_DEFERRED);
    if (FAILED(hr))
        return hr;
    hr = source->SetConeOrientation(0.0f, 0.0f, z, DS3D_DEFERRED);
    if (FAILED(hr))
        return hr;
    if (IDirectSound3DListener* listener = Listener3D()) {
        listener->SetRolloffFactor(0.2f, DS3D_DEFERRED);
        hr = listener->CommitDeferredSettings();
        if (FAILED(hr))
            return hr;
    }

    hr = PlaySource(index);
    if (hr >= 0)
        ++m_nMoving;
    Enter(index, position);
    return 0;
}

HRESULT CSourceSet::StartMultiplePositioning(int i1, int i2, int i3, int i4) {
    if (i1 < 0 || i1 >= kSourceCount)
        return -1;
    if (m_apSources[i1] != nullptr && RecordingPath(i1) == nullptr)
        return -1;
    const bool wasPlaying = GetSourceState(i1) != 0;
    if (m_apSources[i1] != nullptr) {
        if (!wasPlaying) {
            HRESULT hr = LoadSource(i1, i1, 0, 1, kKind3D, 0);
            if (hr < 0)
                return hr;
        }
        CountOpened(i1);
    }
    SourceMotion& m = m_aMotion[i1];
    FillMotion(&m, 0.0f, -1.0f, 0.5f, 240.0f, kPathBounce, 1);
    m.fDeltaX = 0.0f;
    m.fDeltaZ = 0.5f;
    m.bActive = 1;
    MoveSource(i1, 0.0f, 0.0f, 1.0f);
    if (IDirectSound3DListener* listener = Listener3D()) {
        listener->SetRolloffFactor(0.5f, DS3D_DEFERRED);
        HRESULT hr = listener->CommitDeferredSettings();
        if (FAILED(hr))
            return hr;
    }
    HRESULT hr = wasPlaying ? -1 : PlaySource(i1);
    if (hr < 0)
        return hr;
    m.bActive = 1;
    ++m_nMoving;
    Enter(i1, 1);

    hr = StartDistanceRun(i2, 1.0f, 35.0f, 0.5f, 2, kPathRadial);
    if (hr == -1)
        return hr;
    hr = StartDopplerRun(i3, 1.0f, 11.0f, 3, kPathPassBy);
    if (hr == -1)
        return hr;
    return StartDopplerRun(i4, 1.0f, 7.0f, 4, kPathPassBy);
}
