// Everything one test run plays: the device, its listener, 256 buffers addressed by source index, one
// motion record per source, the moving list the test clock walks, and the open-buffer counters.
#pragma once
#include <windows.h>
#include <string>
#include "audio/SoundDevice.h"

const int kSourceCount = 256;
const int kRecordingCount = 24;
const int kMovingSlots = 255;  // positions 1-255

// Path codes of the motion record.
enum {
    kPathPassBy = 0,
    kPathOrbit = 1,
    kPathConeSweep = 3,
    kPathRadial = 4,
    kPathBounce = 5,
    kPathRise = 6,
    kPathFall = 7,
    kPathTimer = 8
};

struct SourceMotion {
    float fProgress;
    float fEnd;
    float fStep;
    float fDeltaX;
    float fDeltaZ;
    float fExtent;
    int nPath;
    BOOL bFirstTick;
    BOOL bPlace;
    BOOL bActive;
};

// Buffers open now, by placement and kind, and the highest 2D and 3D totals since the peaks were cleared.
extern unsigned int g_nHW2DBuffers;
extern unsigned int g_nHW3DBuffers;
extern unsigned int g_nSW2DBuffers;
extern unsigned int g_nSW3DBuffers;
extern unsigned int g_nPeak2DBuffers;
extern unsigned int g_nPeak3DBuffers;

// Path of a test recording (index 0-23), null for any other index.
const char* RecordingPath(int index);
// Zeroes the four current open-buffer counts (the peaks stay).
void ResetBufferCounters();
// Zeroes the two peaks.
void ResetBufferPeaks();
void UpdateBufferCounters(int isHardware, int is3D, int opened, int forceSoftware);

// The blocking waits of the source set (Sleep unless a test replaces it).
typedef void(WINAPI* SourceWaitFn)(DWORD milliseconds);
extern SourceWaitFn g_pfnSourceWait;

class CSourceSet {
public:
    CSourceSet();

    HRESULT InitRenderer(HWND hWndOwner, const GUID* driverGuid, DWORD runtimeValue, int* pbTazro);
    HRESULT Shutdown();
    HRESULT SetRuntimeMode(DWORD value);
    HRESULT SetOutputMode(int mode);
    HRESULT GetOutputMode(int* mode);
    HRESULT SetPrimaryFormat(DWORD rate, WORD bits, WORD channels);
    static std::string DescribeFormat(int index);
    HRESULT PlaySource(int index);
    HRESULT StopSource(int index);
    int GetSourceState(int index);
    HRESULT ReleaseSource(int index);
    HRESULT MoveSource(int index, float x, float y, float z);
    int MaxOutHardware(int index, int kind);
    void ClearMovingList();

    HRESULT StartMixingSource(int index, int position);
    HRESULT StartRateSweep(int index, int position);
    HRESULT StartDistanceRun(int index, float minDistance, float maxDistance, float step, int position, int path);
    HRESULT StartDopplerRun(int index, float dopplerFactor, float distance, int position, int path);
    HRESULT StartMultiplePositioning(int i1, int i2, int i3, int i4);
    HRESULT StartLatencyRun(int index, int position);
    HRESULT StartPositioningPath(int index, int position, int path);
    HRESULT StartRadiationRun(int index, int insideAngle, int outsideAngle, float x, float y, float z, int position);

    CSoundDevice* m_pDevice;                  // owned
    CSoundListener* m_pListener;              // owned
    CSoundBuffer* m_apSources[kSourceCount];  // owned
    IUnknown* m_pRuntimeExt;                  // owned reference, taken on first use
    SourceMotion m_aMotion[kSourceCount];
    int m_nMoving;
    int m_anMoving[kMovingSlots + 1];  // positions 1-255 used, -1 = empty
    HWND m_hWndOwner;
    BOOL m_bForceSoftware;

private:
    // Loads the recording of fileIndex into the buffer of index with the set's placement.
    HRESULT LoadSource(int index, int fileIndex, BOOL playNow, BOOL loop, int kind, LONG volume);
    bool IsKnown(int index) const { return index >= 0 && index < kSourceCount && m_apSources[index] != nullptr; }
    void CountOpened(int index);
    void Enter(int index, int position);
    IDirectSound3DListener* Listener3D() const;
};
