// Quillet's own small form layer on raw Win32 (wide API throughout, so German texts survive any ANSI code
// page). A form is built from one declarative table of component descriptions; events are bound as
// member-function pointers of the form, the way a component framework binds them.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

class TForm;
struct TComponent;

typedef void (TForm::*TNotifyEvent)(TComponent* Sender);
typedef void (TForm::*TMouseEvent)(TComponent* Sender, int X, int Y);
typedef LRESULT (TForm::*TMessageEvent)(WPARAM wParam, LPARAM lParam);

enum TComponentKind {
    ckMainMenu,
    ckMenu,
    ckMenuItem,
    ckMenuSeparator,
    ckToolBar,
    ckToolButton,
    ckToolCheck,       // check button that stays down
    ckToolGroupCheck,  // check button, one of its group down
    ckToolDivider,     // etched line between groups
    ckToolSeparator,   // blank gap
    ckComboBox,        // editable drop-down list
    ckEdit,
    ckUpDown,  // arrows for the edit named as its Associate
    ckStatusBar,
    ckStatusPanel,
    ckPanel,
    ckLabel,
    ckBevel,  // top line
    ckRichEdit,
    ckOpenDialog,
    ckPrintDialog,
    ckFontDialog,
    ckImageList,
};

enum TComponentOption {
    coDisabled = 1,
    coAlignTop = 2,
    coAlignBottom = 4,
    coAlignClient = 8,
    coCentred = 16,
    coFlat = 32,
    coShowHint = 64,
};

// One entry of a form template. Fields that do not apply to a kind stay zero.
struct TComponentDesc {
    const char* Name = nullptr;
    TComponentKind Kind = ckPanel;
    const char* Parent = nullptr;  // container (menu, tool bar, panel); null = the form
    int Left = 0, Top = 0, Width = 0, Height = 0;
    const wchar_t* Caption = nullptr;  // also: text, filter, associate name
    const wchar_t* Hint = nullptr;
    int ImageIndex = -1;
    int Tag = 0;
    const char* ShortCut = nullptr;  // "Ctrl+O", "Alt+X"
    unsigned Options = 0;
    const wchar_t* FontName = nullptr;  // null = the form's font
    int FontHeight = 0;
    int Min = 0, Max = 0, Position = 0;     // up-down
    const char* Link = nullptr;             // tool bar: its image list; up-down: its associate edit
    HIMAGELIST (*ImageSource)() = nullptr;  // image list: draws the pictures
    TComponent* TForm::*Field = nullptr;    // form field that receives the component
    TNotifyEvent OnClick = nullptr;
    TNotifyEvent OnChange = nullptr;
    TNotifyEvent OnSelectionChange = nullptr;
    TNotifyEvent OnResize = nullptr;
    TMouseEvent OnMouseDown = nullptr;
    TMouseEvent OnMouseMove = nullptr;
    TMouseEvent OnMouseUp = nullptr;
};

struct TFormDesc {
    const char* Name;
    const wchar_t* Caption;
    int Left, Top, Width, Height;
    bool DefaultPosition;  // let the system place the window
    const wchar_t* FontName;
    int FontHeight;
    const char* Menu;
    HICON (*IconSource)();  // draws the window's icon
    TNotifyEvent OnCreate, OnShow, OnClose, OnDestroy, OnResize, OnPaint;
};

struct TMessageBinding {
    UINT Message;
    TMessageEvent Handler;
};

// A live component: its description and its window (tool buttons, menu items and panels of a status bar
// live in their container's window and are addressed by Id or index).
struct TComponent {
    const TComponentDesc* Desc = nullptr;
    TForm* Owner = nullptr;
    TComponent* Parent = nullptr;
    HWND Handle = nullptr;
    HMENU Menu = nullptr;  // menus: own popup; items: the containing menu
    int Id = 0;            // command id of menu items and tool buttons, control id of windows
    int Index = 0;         // position in the container (status panels)
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::wstring Caption;
    HFONT Font = nullptr;  // owned when the component has its own font
    HIMAGELIST Images = nullptr;

    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top, Width, Height); }
    void SetWidth(int width) { SetBounds(Left, Top, width, Height); }
    void SetCaption(const std::wstring& text);
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetDown(bool down);  // tool buttons
    bool Down() const;
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    int ClientWidth() const;
    int ClientHeight() const;
    bool CanFocus() const;
    void SetFocus();
};

class TForm {
public:
    TForm(const TFormDesc* form,
          const TComponentDesc* components,
          size_t count,
          const TMessageBinding* messages,
          size_t messageCount);
    ~TForm();

    // Builds the window and its components, then runs OnCreate.
    bool Create();
    int ShowModal();
    void Close();
    // Deferred destruction: the form deletes itself when the posted release message arrives.
    void Release();
    TComponent* FindComponent(const char* name) const;
    TComponent* ComponentById(int id) const;
    void ShowError(const std::wstring& text);

    HWND Handle = nullptr;
    HFONT Font = nullptr;
    HACCEL Accelerators = nullptr;
    HICON Icon = nullptr;  // owned
    int ModalResult = 0;
    bool Releasing = false;
    std::vector<TComponent*> Components;  // owned

    static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK PanelProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK LabelProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK BevelProc(HWND, UINT, WPARAM, LPARAM);
    static BOOL CALLBACK DisableTaskWindow(HWND, LPARAM);
    static bool RegisterClasses();
    static void UnregisterClasses();

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateComponent(const TComponentDesc* desc);
    void LayoutControls();
    void BuildAccelerators();
    void Fire(TNotifyEvent ev, TComponent* sender);
    void OnCommand(int id, int code, HWND from);
    LRESULT OnNotify(NMHDR* hdr);

    const TFormDesc* FDesc;
    const TComponentDesc* FComponents;
    size_t FCount;
    const TMessageBinding* FMessages;
    size_t FMessageCount;
    std::vector<HWND> FDisabledWindows;
    int FNextId = 100;
};

// Parses "Ctrl+O", "Alt+X", "Ctrl+Shift+F1"-style shortcuts into accelerator flags and key; false if invalid.
bool ParseShortCut(const char* text, BYTE* virt, WORD* key);

HINSTANCE QuilletInstance();
