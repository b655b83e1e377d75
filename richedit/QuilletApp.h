// The library's application object: loads the rich-edit control's library and owns the forms it creates
// until they are released.
#pragma once
#include <windows.h>

class TWin_RE;

class TQuilletApp {
public:
    bool Initialize();
    TWin_RE* CreateEditorForm();
    // Delivers the form's pending release so its destruction has run when this returns.
    void FinishRelease(TWin_RE* form);
    void Shutdown();

private:
    HMODULE FRichEdit = nullptr;
};

extern TQuilletApp g_QuilletApp;
