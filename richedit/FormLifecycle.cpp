// Creation, showing, closing and destruction of the editing window.
#include "REMain.h"
#include "DocumentFile.h"
#include "QuilletTexts.h"
#include <richedit.h>
#include <shellapi.h>

bool TWin_RE::EditorModified() const {
    return SendMessageW(Editor->Handle, EM_GETMODIFY, 0, 0) != 0;
}

void TWin_RE::FormCreate(TComponent*) {
    LoadFontNames();
    BuildRulerCaption();
    SelectionChange(nullptr);
    FNextViewer = SetClipboardViewer(Handle);
}

void TWin_RE::FormShow(TComponent*) {
    UpdateStatusPosition();
    DragAcceptFiles(Handle, TRUE);
    RichEditChange(nullptr);
    Editor->SetEnabled(true);
    Editor->SetFocus();
    UpdatePasteAvailability();
    if (LoadDocument(Editor->Handle, FDocumentPath) == lrUnreadable) {
        // Nothing typed into an empty window may replace a file that is there but could not be read.
        FLoadFailed = true;
        SendMessageW(Editor->Handle, EM_SETREADONLY, TRUE, 0);
        // Reported once the window is on the screen, so the message has its window behind it.
        PostMessageW(Handle, kReportLoadFailure, 0, 0);
    }
    SendMessageW(Editor->Handle, EM_SETMODIFY, FALSE, 0);
    ShowModifiedState(false);
}

LRESULT TWin_RE::OnReportLoadFailure(WPARAM, LPARAM) {
    ShowError(CannotReadText(FDocumentPath));
    return 0;
}

void TWin_RE::FormClose(TComponent*) {
    if (EditorModified() && !SaveDocument(Editor->Handle, FDocumentPath)) {
        FSaveFailed = true;
        ShowError(CannotSaveText(FDocumentPath));
    }
}

void TWin_RE::FormDestroy(TComponent*) {
    ChangeClipboardChain(Handle, FNextViewer);
}

void TWin_RE::FormResize(TComponent*) {
    ApplyEditMargins();
    SelectionChange(nullptr);
}

void TWin_RE::FormPaint(TComponent*) {
    ApplyEditMargins();
}
