// The ruler: its caption, its line, and dragging the indent markers to set the paragraph indents.
#include "REMain.h"
#include "EditorLogic.h"
#include <richedit.h>

namespace {
void SetIndents(HWND editor, DWORD mask, int first, int left, int right) {
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof(pf);
    pf.dwMask = mask;
    pf.dxStartIndent = first * 20;
    pf.dxOffset = left * 20;
    pf.dxRightIndent = right * 20;
    SendMessageW(editor, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}
}  // namespace

void TWin_RE::BuildRulerCaption() {
    Ruler->SetCaption(RulerCaption());
}

void TWin_RE::ApplyEditMargins() {
    RECT rc = {6, 0, Editor->ClientWidth() - 6, Editor->ClientHeight()};
    RECT now = {};
    SendMessageW(Editor->Handle, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&now));
    // Setting the rectangle lays the whole text out again; a large document makes that slow on every paint.
    if (!EqualRect(&rc, &now))
        SendMessageW(Editor->Handle, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rc));
}

void TWin_RE::RulerResize(TComponent*) {
    if (RulerLine != nullptr)
        RulerLine->SetWidth(RulerLineWidth(Ruler->ClientWidth(), RulerLine->Left));
}

void TWin_RE::RulerItemMouseDown(TComponent* Sender, int X, int) {
    FGrabOffset = GrabOffsetFor(Sender->Width);
    Sender->SetLeft(Sender->Left + X - FGrabOffset);
    FRulerDragging = true;
}

void TWin_RE::RulerItemMouseMove(TComponent* Sender, int X, int) {
    if (FRulerDragging)
        Sender->SetLeft(Sender->Left + X - FGrabOffset);
}

void TWin_RE::FirstIndMouseUp(TComponent* Sender, int X, int Y) {
    FRulerDragging = false;
    int first = FirstIndentFromMarker(FirstInd->Left, FGrabOffset);
    SetIndents(Editor->Handle, PFM_STARTINDENT, first, 0, 0);
    LeftIndMouseUp(Sender, X, Y);
}

void TWin_RE::LeftIndMouseUp(TComponent*, int, int) {
    FRulerDragging = false;
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof(pf);
    SendMessageW(Editor->Handle, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    int left = LeftIndentFromMarker(LeftInd->Left, FGrabOffset, pf.dxStartIndent / 20);
    SetIndents(Editor->Handle, PFM_OFFSET, 0, left, 0);
    SelectionChange(nullptr);
}

void TWin_RE::RightIndMouseUp(TComponent*, int, int) {
    FRulerDragging = false;
    int right = RightIndentFromMarker(Ruler->ClientWidth(), RightInd->Left, FGrabOffset);
    SetIndents(Editor->Handle, PFM_RIGHTINDENT, 0, 0, right);
    SelectionChange(nullptr);
}
