// The library's export: edit one file in a modal window and say whether it was written back.
#include "EditorLogic.h"
#include "QuilletApp.h"
#include "REMain.h"
#include <richedit.h>

extern "C" unsigned char __stdcall RICHING(const char* path) {
    if (path == nullptr || !g_QuilletApp.Initialize())
        return 0;
    TWin_RE* form = g_QuilletApp.CreateEditorForm();
    if (form == nullptr)
        return 0;
    g_EditorForm = form;
    form->FDocumentPath = AnsiToWide(path);
    form->ShowModal();
    // A write that failed is reported to the user and must not look like a saved file to the caller.
    bool written = form->EditorModified() && !form->FSaveFailed;
    g_QuilletApp.FinishRelease(form);
    g_EditorForm = nullptr;
    g_QuilletApp.Shutdown();
    return written ? 1 : 0;
}
