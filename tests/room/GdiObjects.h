// Number of GDI objects this process holds.
#pragma once
#include <windows.h>
#include <winternl.h>

inline int CountGdiObjects() {
    DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0)
        return (int)n;
    // Wine answers GetGuiResources with 0 (not implemented); its GDI handle table, which the process
    // environment block points to, has 65536 entries of 24 bytes with the object type at byte 14.
    PROCESS_BASIC_INFORMATION info;
    ULONG got = 0;
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), &got) != 0)
        return -1;
    const BYTE* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
    if (table == nullptr)
        return -1;
    int count = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i * 24 + 14] != 0)
            ++count;
    return count;
}
