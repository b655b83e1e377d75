// Result-code names and the one error box of the audio layer.
#include <cstdio>
#include "audio/SoundDevice.h"

AudioMessageBoxFn g_pfnAudioMessageBox = MessageBoxA;

const char* ErrorName(HRESULT code) {
    struct Entry {
        DWORD code;
        const char* name;
    };
    static const Entry kNames[] = {
        {0x00000000, "NO ERROR"},
        {0x00000001, "NO ERROR"},
        {0xFFFFFFFF, "INVALID OBJECT POINTER"},
        {0x80004005, "DSERR_GENERIC"},
        {0x80004001, "DSERR_UNSUPPORTED"},
        {0x8007000E, "DSERR_OUTOFMEMORY"},
        {0x80040110, "DSERR_NOAGGREGATION"},
        {0x80070057, "DSERR_INVALIDPARAM"},
        {0x8878000A, "DSERR_ALLOCATED"},
        {0x8878001E, "DSERR_CONTROLUNAVAIL"},
        {0x88780032, "DSERR_INVALIDCALL"},
        {0x88780046, "DSERR_PRIOLEVELNEEDED"},
        {0x88780064, "DSERR_BADFORMAT"},
        {0x88780078, "DSERR_NODRIVER"},
        {0x88780082, "DSERR_ALREADYINITIALIZED"},
        {0x88780096, "DSERR_BUFFERLOST"},
        {0x887800A0, "DSERR_OTHERAPPHASPRIO"},
        {0x887800AA, "DSERR_UNINITIALIZED"},
    };
    for (const Entry& e : kNames) {
        if (e.code == DWORD(code))
            return e.name;
    }
    return "UNKNOWN ERROR CODE.";
}

void ReportError(const char* label, HRESULT code) {
    char text[512];
    std::snprintf(text, sizeof(text), "Tazro Error in %s---> %s\n", label, ErrorName(code));
    g_pfnAudioMessageBox(::GetForegroundWindow(), text, "Tazro-Error Information", MB_OK | MB_ICONERROR);
}
