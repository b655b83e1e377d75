// Bearbeiten menu: undo, clipboard commands, and the state of the undo and paste controls.
#include "REMain.h"
#include "EditorLogic.h"
#include <richedit.h>

void TWin_RE::EditUndo(TComponent*) {
    if (Editor->Handle != nullptr && IsWindow(Editor->Handle))
        SendMessageW(Editor->Handle, EM_UNDO, 0, 0);
}

void TWin_RE::EditCut(TComponent*) {
    SendMessageW(Editor->Handle, WM_CUT, 0, 0);
}

void TWin_RE::EditCopy(TComponent*) {
    SendMessageW(Editor->Handle, WM_COPY, 0, 0);
}

void TWin_RE::EditPaste(TComponent*) {
    SendMessageW(Editor->Handle, WM_PASTE, 0, 0);
}

void TWin_RE::RichEditChange(TComponent*) {
    ShowModifiedState(EditorModified());
    bool canUndo = SendMessageW(Editor->Handle, EM_CANUNDO, 0, 0) != 0;
    UndoButton->SetEnabled(canUndo);
    EditUndoItem->SetEnabled(canUndo);
}

void TWin_RE::UpdatePasteAvailability() {
    bool available = false;
    if (OpenClipboard(Handle)) {
        UINT format = 0;
        while (!available && (format = EnumClipboardFormats(format)) != 0)
            available = SendMessageW(Editor->Handle, EM_CANPASTE, format, 0) != 0;
        CloseClipboard();
    }
    PasteButton->SetEnabled(available);
    EditPasteItem->SetEnabled(available);
}
