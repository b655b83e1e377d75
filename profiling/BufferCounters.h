// The open-buffer counters the profiler panel shows. The source set keeps them as it opens and closes
// buffers, and defines them.
#pragma once

extern unsigned int g_nHW2DBuffers;
extern unsigned int g_nHW3DBuffers;
extern unsigned int g_nSW2DBuffers;
extern unsigned int g_nSW3DBuffers;
