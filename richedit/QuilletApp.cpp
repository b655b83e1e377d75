#include "QuilletApp.h"
#include "REMain.h"

TQuilletApp g_QuilletApp;

bool TQuilletApp::Initialize() {
    if (FRichEdit == nullptr)
        FRichEdit = LoadLibraryW(L"riched20.dll");
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&icc);
    return FRichEdit != nullptr && TForm::RegisterClasses();
}

TWin_RE* TQuilletApp::CreateEditorForm() {
    TWin_RE* form = new TWin_RE;
    if (!form->Create()) {
        delete form;
        return nullptr;
    }
    return form;
}

void TQuilletApp::FinishRelease(TWin_RE* form) {
    HWND hwnd = form->Handle;
    form->Release();
    // The release message is the form's own; the caller's loop may never run, so deliver it here.
    MSG msg;
    while (IsWindow(hwnd) && PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TQuilletApp::Shutdown() {
    TForm::UnregisterClasses();
}
