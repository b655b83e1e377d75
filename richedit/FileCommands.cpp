// Datei menu: open another file into the editor, print, leave.
#include "REMain.h"
#include "DocumentFile.h"
#include "EditorLogic.h"
#include "Printing.h"
#include "QuilletTexts.h"
#include <commdlg.h>
#include <richedit.h>

void TWin_RE::FileOpen(TComponent*) {
    std::wstring filter = DialogFilter(OpenDialog->Caption);
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Handle;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn))
        return;
    LoadFileIntoEditor(file);
    SendMessageW(Editor->Handle, EM_SETREADONLY, (ofn.Flags & OFN_READONLY) ? TRUE : FALSE, 0);
}

void TWin_RE::FilePrint(TComponent*) {
    PRINTDLGW pd = {};
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = Handle;
    pd.Flags = PD_RETURNDC | PD_ALLPAGES | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
    if (!PrintDlgW(&pd))
        return;
    if (pd.hDC != nullptr) {
        PrintRichText(Editor->Handle, pd.hDC, FDocumentPath);
        DeleteDC(pd.hDC);
    }
    if (pd.hDevMode != nullptr)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames != nullptr)
        GlobalFree(pd.hDevNames);
}

void TWin_RE::FileExit(TComponent*) {
    Close();
}

void TWin_RE::LoadFileIntoEditor(const std::wstring& file) {
    if (LoadDocument(Editor->Handle, file) != lrLoaded) {
        // The editor keeps what it had; nothing is marked for writing.
        ShowError(CannotReadText(file));
        return;
    }
    Editor->SetFocus();
    SendMessageW(Editor->Handle, EM_SETMODIFY, TRUE, 0);
    ShowModifiedState(true);
}
