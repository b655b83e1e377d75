// The once-per-second panel of the main dialog: processor load and open 2D and 3D buffers.
#include <windows.h>
#include <cstdio>
#include "profiling/BufferCounters.h"
#include "profiling/ProcessorInfo.h"
#include "profiling/Profiler.h"
#include "ui/PelloraDlg.h"

std::string BufferCountText(unsigned int count) {
    char text[32];
    std::snprintf(text, sizeof(text), "%u%s", count, count == 1 ? " buf." : " bufs.");
    return text;
}

std::string CpuUseText(unsigned int percent) {
    char text[32];
    std::snprintf(text, sizeof(text), "%u %%  ", percent);
    return text;
}

unsigned int MeasureCpuUse() {
    int value = cpuspeed2(static_cast<float>(g_nLastClockMHz));
    char line[64];
    std::snprintf(line, sizeof(line), "CPU = %d\n", value);
    ::OutputDebugStringA(line);
    // Compared as unsigned: a negative figure is above 100 too.
    unsigned int percent = static_cast<unsigned int>(value);
    return percent > 100 ? 100 : percent;
}

void CPelloraDlg::UpdateCpuUse() {
    m_nCpuUse = MeasureCpuUse();
    char line[64];
    std::snprintf(line, sizeof(line), "Updating CPU use: %d.\n", static_cast<int>(m_nCpuUse));
    ::OutputDebugStringA(line);
    AddStatusLine(&m_edtCpuUse, CpuUseText(m_nCpuUse).c_str(), true);
}

void CPelloraDlg::Update2DCounts() {
    AddStatusLine(&m_edt2DHardware, BufferCountText(g_nHW2DBuffers).c_str(), true);
    AddStatusLine(&m_edt2DSoftware, BufferCountText(g_nSW2DBuffers).c_str(), true);
}

void CPelloraDlg::Update3DCounts() {
    AddStatusLine(&m_edt3DHardware, BufferCountText(g_nHW3DBuffers).c_str(), true);
    AddStatusLine(&m_edt3DSoftware, BufferCountText(g_nSW3DBuffers).c_str(), true);
}
