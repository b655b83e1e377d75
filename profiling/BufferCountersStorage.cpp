// Storage of the open-buffer counters until the source set, which keeps them, defines them itself.
#include "profiling/BufferCounters.h"

unsigned int g_nHW2DBuffers = 0;
unsigned int g_nHW3DBuffers = 0;
unsigned int g_nSW2DBuffers = 0;
unsigned int g_nSW3DBuffers = 0;
