// Character and paragraph format from the toolbar and the font dialog, and the list of font names.
#include "REMain.h"
#include "EditorLogic.h"
#include <commdlg.h>
#include <richedit.h>
#include <algorithm>
#include <vector>

namespace {

int CALLBACK AddFontName(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM list) {
    std::wstring name(lf->lfFaceName, wcsnlen(lf->lfFaceName, 32));
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
    return 1;
}

void SetCharFormat(HWND editor, CHARFORMAT2W& cf) {
    cf.cbSize = sizeof(cf);
    SendMessageW(editor, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void SetParaFormat(HWND editor, PARAFORMAT2& pf) {
    pf.cbSize = sizeof(pf);
    SendMessageW(editor, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

}  // namespace

void TWin_RE::LoadFontNames() {
    std::vector<std::wstring> names;
    HDC dc = GetDC(nullptr);
    EnumFontsW(dc, nullptr, AddFontName, reinterpret_cast<LPARAM>(&names));
    ReleaseDC(nullptr, dc);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    for (const std::wstring& n : names)
        SendMessageW(FontName->Handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
}

void TWin_RE::BoldButtonClick(TComponent* Sender) {
    if (FSyncingControls)
        return;
    bool down = Sender->Down();
    if (Sender == BulletsButton) {
        PARAFORMAT2 pf = {};
        pf.dwMask = PFM_NUMBERING;
        pf.wNumbering = down ? PFN_BULLET : 0;
        SetParaFormat(Editor->Handle, pf);
        return;
    }
    CHARFORMAT2W cf = {};
    if (Sender == BoldButton)
        cf.dwMask = CFM_BOLD;
    else if (Sender == ItalicButton)
        cf.dwMask = CFM_ITALIC;
    else if (Sender == UnderlineButton)
        cf.dwMask = CFM_UNDERLINE;
    else
        return;
    cf.dwEffects = down ? cf.dwMask : 0;  // the CFE_ effect bits equal their CFM_ mask bits
    SetCharFormat(Editor->Handle, cf);
}

void TWin_RE::AlignButtonClick(TComponent* Sender) {
    if (FSyncingControls)
        return;
    static const WORD kAlignments[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER};
    int tag = Sender->Desc->Tag;
    if (tag < 0 || tag > 2)
        return;
    PARAFORMAT2 pf = {};
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = kAlignments[tag];
    SetParaFormat(Editor->Handle, pf);
}

void TWin_RE::FontNameChange(TComponent* Sender) {
    if (FSyncingControls)
        return;
    if (Sender == FontName) {
        int index = static_cast<int>(SendMessageW(FontName->Handle, CB_GETCURSEL, 0, 0));
        if (index >= 0) {
            int len = static_cast<int>(SendMessageW(FontName->Handle, CB_GETLBTEXTLEN, index, 0));
            std::wstring name(len + 1, L'\0');
            SendMessageW(FontName->Handle, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&name[0]));
            CHARFORMAT2W cf = {};
            cf.dwMask = CFM_FACE;
            lstrcpynW(cf.szFaceName, name.c_str(), LF_FACESIZE);
            SetCharFormat(Editor->Handle, cf);
        }
    } else if (Sender == FontSize) {
        std::wstring text = FontSize->Text();
        int size = 0;
        if (ParseWholeNumber(text, &size)) {
            CHARFORMAT2W cf = {};
            cf.dwMask = CFM_SIZE;
            cf.yHeight = size * 20;
            SetCharFormat(Editor->Handle, cf);
        } else if (!text.empty()) {
            // An emptied box is a size being typed, not a wrong one.
            ShowError(InvalidIntegerMessage(text));
        }
    }
    if (Editor->CanFocus())
        Editor->SetFocus();
}

void TWin_RE::SelectFont(TComponent*) {
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof(cf);
    SendMessageW(Editor->Handle, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    LOGFONTW lf = {};
    HDC dc = GetDC(Handle);
    lf.lfHeight = -MulDiv(cf.yHeight, GetDeviceCaps(dc, LOGPIXELSY), 1440);
    ReleaseDC(Handle, dc);
    lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
    lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
    lf.lfCharSet = cf.bCharSet;
    lstrcpynW(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
    CHOOSEFONTW chf = {};
    chf.lStructSize = sizeof(chf);
    chf.hwndOwner = Handle;
    chf.lpLogFont = &lf;
    chf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    chf.rgbColors = (cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
    if (ChooseFontW(&chf)) {
        CHARFORMAT2W nf = {};
        nf.dwMask =
            CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR | CFM_CHARSET;
        lstrcpynW(nf.szFaceName, lf.lfFaceName, LF_FACESIZE);
        nf.yHeight = chf.iPointSize * 2;  // tenths of a point to twips
        nf.dwEffects = (lf.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (lf.lfItalic ? CFE_ITALIC : 0) |
                       (lf.lfUnderline ? CFE_UNDERLINE : 0) | (lf.lfStrikeOut ? CFE_STRIKEOUT : 0);
        nf.crTextColor = chf.rgbColors;
        nf.bCharSet = lf.lfCharSet;
        SetCharFormat(Editor->Handle, nf);
    }
    Editor->SetFocus();
}
