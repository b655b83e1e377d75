// The editing window: form TWin_RE with its components, fields and handlers. The components and their
// bindings are described once, in REMainTemplate.cpp; each group of handlers has its own file.
#pragma once
#include "QForm.h"
#include <string>

// Posted by FormShow when the document could not be read.
const UINT kReportLoadFailure = WM_APP + 10;

class TWin_RE : public TForm {
public:
    TWin_RE();

    // Form fields.
    std::wstring FDocumentPath;
    bool FSyncingControls = false;
    int FGrabOffset = 0;
    bool FRulerDragging = false;
    HWND FNextViewer = nullptr;
    // Set when the document could not be read or written: the caller must not be told it was saved.
    bool FLoadFailed = false;
    bool FSaveFailed = false;

    // Components (owned by the form's component list).
    TComponent* MainMenu = nullptr;
    TComponent* FileMenu = nullptr;
    TComponent* FileOpenItem = nullptr;
    TComponent* FilePrintItem = nullptr;
    TComponent* FileExitItem = nullptr;
    TComponent* EditMenu = nullptr;
    TComponent* EditUndoItem = nullptr;
    TComponent* EditCutItem = nullptr;
    TComponent* EditCopyItem = nullptr;
    TComponent* EditPasteItem = nullptr;
    TComponent* miEditFont = nullptr;
    TComponent* ToolbarImages = nullptr;
    TComponent* ToolBar = nullptr;
    TComponent* OpenButton = nullptr;
    TComponent* PrintButton = nullptr;
    TComponent* UndoButton = nullptr;
    TComponent* CutButton = nullptr;
    TComponent* CopyButton = nullptr;
    TComponent* PasteButton = nullptr;
    TComponent* FontName = nullptr;
    TComponent* FontSize = nullptr;
    TComponent* UpDown1 = nullptr;
    TComponent* BoldButton = nullptr;
    TComponent* ItalicButton = nullptr;
    TComponent* UnderlineButton = nullptr;
    TComponent* LeftAlign = nullptr;
    TComponent* CenterAlign = nullptr;
    TComponent* RightAlign = nullptr;
    TComponent* BulletsButton = nullptr;
    TComponent* Ruler = nullptr;
    TComponent* FirstInd = nullptr;
    TComponent* LeftInd = nullptr;
    TComponent* RulerLine = nullptr;
    TComponent* RightInd = nullptr;
    TComponent* Editor = nullptr;
    TComponent* StatusBar = nullptr;
    TComponent* StatusPos = nullptr;
    TComponent* StatusModified = nullptr;
    TComponent* StatusExtra = nullptr;
    TComponent* OpenDialog = nullptr;
    TComponent* PrintDialog = nullptr;
    TComponent* FontDialog1 = nullptr;

    // Form events (FormLifecycle.cpp).
    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void FormClose(TComponent* Sender);
    void FormDestroy(TComponent* Sender);
    void FormResize(TComponent* Sender);
    void FormPaint(TComponent* Sender);
    // File commands (FileCommands.cpp).
    void FileOpen(TComponent* Sender);
    void FilePrint(TComponent* Sender);
    void FileExit(TComponent* Sender);
    void LoadFileIntoEditor(const std::wstring& file);
    // Edit commands (EditCommands.cpp).
    void EditUndo(TComponent* Sender);
    void EditCut(TComponent* Sender);
    void EditCopy(TComponent* Sender);
    void EditPaste(TComponent* Sender);
    void RichEditChange(TComponent* Sender);
    void UpdatePasteAvailability();
    // Character and paragraph format (FormatHandlers.cpp).
    void SelectFont(TComponent* Sender);
    void BoldButtonClick(TComponent* Sender);
    void AlignButtonClick(TComponent* Sender);
    void FontNameChange(TComponent* Sender);
    void LoadFontNames();
    // Toolbar and status state from the selection (SelectionChange.cpp).
    void SelectionChange(TComponent* Sender);
    void UpdateStatusPosition();
    void ShowModifiedState(bool modified);
    // Ruler (RulerHandlers.cpp).
    void BuildRulerCaption();
    void ApplyEditMargins();
    void RulerResize(TComponent* Sender);
    void RulerItemMouseDown(TComponent* Sender, int X, int Y);
    void RulerItemMouseMove(TComponent* Sender, int X, int Y);
    void FirstIndMouseUp(TComponent* Sender, int X, int Y);
    void LeftIndMouseUp(TComponent* Sender, int X, int Y);
    void RightIndMouseUp(TComponent* Sender, int X, int Y);
    // Window messages (ClipboardViewer.cpp, DropFiles.cpp).
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnChangeClipboardChain(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawClipboard(WPARAM wParam, LPARAM lParam);
    LRESULT OnReportLoadFailure(WPARAM wParam, LPARAM lParam);

    bool EditorModified() const;
};

extern TWin_RE* g_EditorForm;
