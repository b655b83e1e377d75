// Copies the selection's attributes into the toolbar and the ruler, and the caret position and the
// modified state into the status bar.
#include "REMain.h"
#include "EditorLogic.h"
#include <richedit.h>

namespace {
// Clears the syncing flag on every way out of SelectionChange.
struct TSyncGuard {
    bool& flag;
    explicit TSyncGuard(bool& f) : flag(f) { flag = true; }
    ~TSyncGuard() { flag = false; }
};
}  // namespace

void TWin_RE::SelectionChange(TComponent*) {
    TSyncGuard guard(FSyncingControls);
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof(pf);
    SendMessageW(Editor->Handle, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    int first = pf.dxStartIndent / 20, left = pf.dxOffset / 20, right = pf.dxRightIndent / 20;
    FirstInd->SetLeft(FirstIndMarkerLeft(first));
    LeftInd->SetLeft(LeftIndMarkerLeft(left, first));
    RightInd->SetLeft(RightIndMarkerLeft(right, Ruler->ClientWidth()));

    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof(cf);
    SendMessageW(Editor->Handle, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    BoldButton->SetDown((cf.dwEffects & CFE_BOLD) != 0);
    ItalicButton->SetDown((cf.dwEffects & CFE_ITALIC) != 0);
    UnderlineButton->SetDown((cf.dwEffects & CFE_UNDERLINE) != 0);
    BulletsButton->SetDown(pf.wNumbering == PFN_BULLET);

    FontSize->SetText(std::to_wstring(cf.yHeight / 20));
    FontName->SetText(cf.szFaceName);

    if (pf.wAlignment == PFA_LEFT)
        LeftAlign->SetDown(true);
    else if (pf.wAlignment == PFA_RIGHT)
        RightAlign->SetDown(true);
    else if (pf.wAlignment == PFA_CENTER)
        CenterAlign->SetDown(true);

    UpdateStatusPosition();
}

void TWin_RE::UpdateStatusPosition() {
    CHARRANGE sel = {};
    SendMessageW(Editor->Handle, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    int line = static_cast<int>(SendMessageW(Editor->Handle, EM_EXLINEFROMCHAR, 0, sel.cpMin));
    int start = static_cast<int>(SendMessageW(Editor->Handle, EM_LINEINDEX, line, 0));
    StatusPos->SetText(StatusPositionText(line, sel.cpMin - start));
    bool selected = sel.cpMax - sel.cpMin > 0;
    CopyButton->SetEnabled(selected);
    EditCopyItem->SetEnabled(selected);
    CutButton->SetEnabled(selected);
    EditCutItem->SetEnabled(selected);
}

void TWin_RE::ShowModifiedState(bool modified) {
    StatusModified->SetText(ModifiedText(modified));
}
