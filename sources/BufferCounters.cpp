// Process-wide counts of open buffers, shown by the profiler and reported by the analysis.
#include "sources/SourceSet.h"

unsigned int g_nHW2DBuffers = 0;
unsigned int g_nHW3DBuffers = 0;
unsigned int g_nSW2DBuffers = 0;
unsigned int g_nSW3DBuffers = 0;
unsigned int g_nPeak2DBuffers = 0;
unsigned int g_nPeak3DBuffers = 0;

void ResetBufferCounters() {
    g_nHW2DBuffers = 0;
    g_nHW3DBuffers = 0;
    g_nSW2DBuffers = 0;
    g_nSW3DBuffers = 0;
}

void ResetBufferPeaks() {
    g_nPeak2DBuffers = 0;
    g_nPeak3DBuffers = 0;
}

void UpdateBufferCounters(int isHardware, int is3D, int opened, int forceSoftware) {
    const bool hardware = isHardware != 0 && forceSoftware == 0;
    unsigned int& count =
        hardware ? (is3D ? g_nHW3DBuffers : g_nHW2DBuffers) : (is3D ? g_nSW3DBuffers : g_nSW2DBuffers);
    if (opened)
        ++count;
    else if (count > 0)
        --count;
    // With hardware 3D buffers open, every update takes one hardware 2D buffer back off the count; the
    // published peaks have always been computed this way.
    if (g_nHW3DBuffers > 0 && g_nHW2DBuffers > 0)
        --g_nHW2DBuffers;
    if (g_nSW2DBuffers + g_nHW2DBuffers > g_nPeak2DBuffers)
        g_nPeak2DBuffers = g_nSW2DBuffers + g_nHW2DBuffers;
    if (g_nSW3DBuffers + g_nHW3DBuffers > g_nPeak3DBuffers)
        g_nPeak3DBuffers = g_nSW3DBuffers + g_nHW3DBuffers;
}
