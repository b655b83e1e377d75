// The form template of the editing window: every component with its caption, hint, picture, size and
// event binding, in creation order (a container before its contents).
#include "REMain.h"
#include "ToolbarImages.h"
#include <vector>

TWin_RE* g_EditorForm = nullptr;

namespace {

#define EV(h) static_cast<TNotifyEvent>(&TWin_RE::h)
#define MOUSE(h) static_cast<TMouseEvent>(&TWin_RE::h)
#define MSGH(h) static_cast<TMessageEvent>(&TWin_RE::h)
#define FIELD(f) static_cast<TComponent * TForm::*>(&TWin_RE::f)

// Chainable description entries keep the table readable.
struct D : TComponentDesc {
    D(const char* name, TComponentKind kind, const char* parent, TComponent* TForm::*field) {
        Name = name;
        Kind = kind;
        Parent = parent;
        Field = field;
    }
    D& At(int l, int t, int w, int h) {
        Left = l, Top = t, Width = w, Height = h;
        return *this;
    }
    D& Text(const wchar_t* s) {
        Caption = s;
        return *this;
    }
    D& Tip(const wchar_t* s) {
        Hint = s;
        return *this;
    }
    D& Image(int i) {
        ImageIndex = i;
        return *this;
    }
    D& WithTag(int t) {
        Tag = t;
        return *this;
    }
    D& Keys(const char* s) {
        ShortCut = s;
        return *this;
    }
    D& Opt(unsigned o) {
        Options |= o;
        return *this;
    }
    D& InFont(const wchar_t* name, int height) {
        FontName = name;
        FontHeight = height;
        return *this;
    }
    D& Linked(const char* name) {
        Link = name;
        return *this;
    }
    D& Range(int mn, int mx, int pos) {
        Min = mn, Max = mx, Position = pos;
        return *this;
    }
    D& Click(TNotifyEvent e) {
        OnClick = e;
        return *this;
    }
    D& Change(TNotifyEvent e) {
        OnChange = e;
        return *this;
    }
    D& SelChange(TNotifyEvent e) {
        OnSelectionChange = e;
        return *this;
    }
    D& Resize(TNotifyEvent e) {
        OnResize = e;
        return *this;
    }
    D& Mouse(TMouseEvent down, TMouseEvent move, TMouseEvent up) {
        OnMouseDown = down, OnMouseMove = move, OnMouseUp = up;
        return *this;
    }
    D& Pictures(HIMAGELIST (*source)()) {
        ImageSource = source;
        return *this;
    }
};

// Marker glyphs of the Wingdings font.
const wchar_t kFirstIndGlyph[] = {0xEA, 0};
const wchar_t kLeftIndGlyph[] = {0xE9, 0};
const wchar_t kRightIndGlyph[] = {0xF1, 0};
const int kArial8 = -11;

const TFormDesc kFormWin_RE = {
    "Win_RE",
    L"Kurzbrief bearbeiten",
    220,
    180,
    640,
    480,
    true,
    L"MS Sans Serif",
    -11,
    "MainMenu",
    CreateEditorIcon,
    EV(FormCreate),
    EV(FormShow),
    EV(FormClose),
    EV(FormDestroy),
    EV(FormResize),
    EV(FormPaint),
};

const std::vector<TComponentDesc>& Win_RETemplate() {
    static const std::vector<TComponentDesc> list = {
        // Menu.
        D("MainMenu", ckMainMenu, nullptr, FIELD(MainMenu)),
        D("FileMenu", ckMenu, "MainMenu", FIELD(FileMenu)).Text(L"&Datei"),
        D("FileOpenItem", ckMenuItem, "FileMenu", FIELD(FileOpenItem))
            .Text(L"Ö&ffnen")
            .Keys("Ctrl+O")
            .Tip(L"Open an existing file")
            .Click(EV(FileOpen)),
        D("N1", ckMenuSeparator, "FileMenu", nullptr),
        D("FilePrintItem", ckMenuItem, "FileMenu", FIELD(FilePrintItem))
            .Text(L"&Drucken")
            .Keys("Ctrl+P")
            .Tip(L"Print current file")
            .Click(EV(FilePrint)),
        D("N4", ckMenuSeparator, "FileMenu", nullptr),
        D("FileExitItem", ckMenuItem, "FileMenu", FIELD(FileExitItem))
            .Text(L"&Beenden")
            .Keys("Alt+X")
            .Tip(L"Exit this application")
            .Click(EV(FileExit)),
        D("EditMenu", ckMenu, "MainMenu", FIELD(EditMenu)).Text(L"&Bearbeiten"),
        D("EditUndoItem", ckMenuItem, "EditMenu", FIELD(EditUndoItem))
            .Text(L"&Rückgängig")
            .Keys("Ctrl+Z")
            .Tip(L"Undo the last action")
            .Click(EV(EditUndo)),
        D("N2", ckMenuSeparator, "EditMenu", nullptr),
        D("EditCutItem", ckMenuItem, "EditMenu", FIELD(EditCutItem))
            .Text(L"&Ausschneiden")
            .Keys("Ctrl+X")
            .Tip(L"Delete selected item")
            .Click(EV(EditCut)),
        D("EditCopyItem", ckMenuItem, "EditMenu", FIELD(EditCopyItem))
            .Text(L"&Kopieren")
            .Keys("Ctrl+C")
            .Tip(L"Copy selected item to clipboard")
            .Click(EV(EditCopy)),
        D("EditPasteItem", ckMenuItem, "EditMenu", FIELD(EditPasteItem))
            .Text(L"&Einfügen")
            .Keys("Ctrl+V")
            .Tip(L"Paste contents of clipboard")
            .Click(EV(EditPaste)),
        D("N5", ckMenuSeparator, "EditMenu", nullptr),
        D("miEditFont", ckMenuItem, "EditMenu", FIELD(miEditFont)).Text(L"&Schrift").Click(EV(SelectFont)),

        // Tool bar.
        D("ToolbarImages", ckImageList, nullptr, FIELD(ToolbarImages)).Pictures(CreateToolbarImages),
        D("ToolBar", ckToolBar, nullptr, FIELD(ToolBar))
            .At(0, 0, 632, 28)
            .Opt(coAlignTop | coFlat | coShowHint)
            .Linked("ToolbarImages"),
        D("OpenButton", ckToolButton, "ToolBar", FIELD(OpenButton)).Tip(L"Datei öffnen").Image(0).Click(EV(FileOpen)),
        D("PrintButton", ckToolButton, "ToolBar", FIELD(PrintButton)).Tip(L"Drucken").Image(2).Click(EV(FilePrint)),
        D("ToolButton5", ckToolDivider, "ToolBar", nullptr),
        D("UndoButton", ckToolButton, "ToolBar", FIELD(UndoButton))
            .Tip(L"Rückgängig")
            .Image(3)
            .Opt(coDisabled)
            .Click(EV(EditUndo)),
        D("CutButton", ckToolButton, "ToolBar", FIELD(CutButton)).Tip(L"Ausschneiden").Image(4).Click(EV(EditCut)),
        D("CopyButton", ckToolButton, "ToolBar", FIELD(CopyButton)).Tip(L"Kopieren").Image(5).Click(EV(EditCopy)),
        D("PasteButton", ckToolButton, "ToolBar", FIELD(PasteButton)).Tip(L"Einfügen").Image(6).Click(EV(EditPaste)),
        D("ToolButton10", ckToolSeparator, "ToolBar", nullptr),
        D("FontName", ckComboBox, "ToolBar", FIELD(FontName))
            .At(0, 0, 145, 21)
            .Tip(L"Schrift wählen")
            .Change(EV(FontNameChange)),
        D("ToolButton11", ckToolSeparator, "ToolBar", nullptr),
        D("FontSize", ckEdit, "ToolBar", FIELD(FontSize))
            .At(0, 0, 77, 21)
            .Text(L"0")
            .Tip(L"Font SizeSchriftgrösse wählen")
            .Change(EV(FontNameChange)),
        D("UpDown1", ckUpDown, "ToolBar", FIELD(UpDown1)).Linked("FontSize").Range(0, 100, 0),
        D("BoldButton", ckToolCheck, "ToolBar", FIELD(BoldButton)).Tip(L"Bold").Image(7).Click(EV(BoldButtonClick)),
        D("ItalicButton", ckToolCheck, "ToolBar", FIELD(ItalicButton))
            .Tip(L"Italic")
            .Image(8)
            .Click(EV(BoldButtonClick)),
        D("UnderlineButton", ckToolCheck, "ToolBar", FIELD(UnderlineButton))
            .Tip(L"Underline")
            .Image(9)
            .Click(EV(BoldButtonClick)),
        D("ToolButton16", ckToolDivider, "ToolBar", nullptr),
        D("LeftAlign", ckToolGroupCheck, "ToolBar", FIELD(LeftAlign))
            .Tip(L"Ausrichtung links")
            .Image(10)
            .WithTag(0)
            .Click(EV(AlignButtonClick)),
        D("CenterAlign", ckToolGroupCheck, "ToolBar", FIELD(CenterAlign))
            .Tip(L"Ausrichtung mitte")
            .Image(11)
            .WithTag(2)
            .Click(EV(AlignButtonClick)),
        D("RightAlign", ckToolGroupCheck, "ToolBar", FIELD(RightAlign))
            .Tip(L"Ausrichtung rechts")
            .Image(12)
            .WithTag(1)
            .Click(EV(AlignButtonClick)),
        D("ToolButton20", ckToolDivider, "ToolBar", nullptr),
        D("BulletsButton", ckToolCheck, "ToolBar", FIELD(BulletsButton))
            .Tip(L"Marke")
            .Image(13)
            .Click(EV(BoldButtonClick)),

        // Ruler with its indent markers.
        D("Ruler", ckPanel, nullptr, FIELD(Ruler))
            .At(0, 28, 632, 29)
            .Opt(coAlignTop)
            .InFont(L"Arial", kArial8)
            .Resize(EV(RulerResize)),
        D("FirstInd", ckLabel, "Ruler", FIELD(FirstInd))
            .At(2, 2, 10, 9)
            .Text(kFirstIndGlyph)
            .InFont(L"Wingdings", kArial8)
            .Mouse(MOUSE(RulerItemMouseDown), MOUSE(RulerItemMouseMove), MOUSE(FirstIndMouseUp)),
        D("LeftInd", ckLabel, "Ruler", FIELD(LeftInd))
            .At(2, 12, 10, 11)
            .Text(kLeftIndGlyph)
            .InFont(L"Wingdings", kArial8)
            .Mouse(MOUSE(RulerItemMouseDown), MOUSE(RulerItemMouseMove), MOUSE(LeftIndMouseUp)),
        D("RulerLine", ckBevel, "Ruler", FIELD(RulerLine)).At(4, 12, 579, 2),
        D("RightInd", ckLabel, "Ruler", FIELD(RightInd))
            .At(575, 14, 9, 12)
            .Text(kRightIndGlyph)
            .InFont(L"Wingdings", kArial8)
            .Mouse(MOUSE(RulerItemMouseDown), MOUSE(RulerItemMouseMove), MOUSE(RightIndMouseUp)),

        // Status bar and editor.
        D("StatusBar", ckStatusBar, nullptr, FIELD(StatusBar)).Opt(coAlignBottom),
        D("StatusPos", ckStatusPanel, "StatusBar", FIELD(StatusPos)).At(0, 0, 120, 0),
        D("StatusModified", ckStatusPanel, "StatusBar", FIELD(StatusModified)).At(0, 0, 60, 0).Opt(coCentred),
        D("StatusExtra", ckStatusPanel, "StatusBar", FIELD(StatusExtra)).At(0, 0, 50, 0),
        D("Editor", ckRichEdit, nullptr, FIELD(Editor))
            .Opt(coAlignClient | coDisabled)
            .InFont(L"Arial", kArial8)
            .Change(EV(RichEditChange))
            .SelChange(EV(SelectionChange)),

        // Dialogs.
        D("OpenDialog", ckOpenDialog, nullptr, FIELD(OpenDialog))
            .Text(L"Text Dateien (*.TXT)|*.TXT|Rich Text Dateien (*.RTF)|*.RTF|Alle Dateien|*.*"),
        D("PrintDialog", ckPrintDialog, nullptr, FIELD(PrintDialog)),
        D("FontDialog1", ckFontDialog, nullptr, FIELD(FontDialog1)),
    };
    return list;
}

const TMessageBinding kMessages[] = {
    {WM_DROPFILES, MSGH(OnDropFiles)},
    {WM_CHANGECBCHAIN, MSGH(OnChangeClipboardChain)},
    {WM_DRAWCLIPBOARD, MSGH(OnDrawClipboard)},
    {kReportLoadFailure, MSGH(OnReportLoadFailure)},
};

}  // namespace

TWin_RE::TWin_RE()
    : TForm(&kFormWin_RE,
            Win_RETemplate().data(),
            Win_RETemplate().size(),
            kMessages,
            sizeof(kMessages) / sizeof(kMessages[0])) {}
