#include "QForm.h"
#include <richedit.h>
#include <windowsx.h>
#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

const wchar_t kFormClass[] = L"QuilletForm";
const wchar_t kPanelClass[] = L"QuilletPanel";
const wchar_t kLabelClass[] = L"QuilletLabel";
const wchar_t kBevelClass[] = L"QuilletBevel";
const UINT kReleaseMessage = WM_APP + 1;

bool IsToolItem(TComponentKind kind) {
    return kind == ckToolButton || kind == ckToolCheck || kind == ckToolGroupCheck || kind == ckToolDivider ||
           kind == ckToolSeparator;
}

HFONT MakeFont(const wchar_t* name, int height) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name);
}

// Symbol fonts keep their glyphs at U+F020..U+F0FF; a caption stores the font's own character codes.
std::wstring GlyphText(HDC dc, const std::wstring& caption) {
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    if (tm.tmCharSet != SYMBOL_CHARSET)
        return caption;
    std::wstring out = caption;
    for (wchar_t& c : out) {
        if (c >= 0x20 && c <= 0xFF)
            c = static_cast<wchar_t>(0xF000 | c);
    }
    return out;
}

TComponent* ComponentOf(HWND hwnd) {
    return reinterpret_cast<TComponent*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

HINSTANCE QuilletInstance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

bool ParseShortCut(const char* text, BYTE* virt, WORD* key) {
    if (text == nullptr || *text == 0)
        return false;
    BYTE flags = FVIRTKEY;
    std::string rest = text;
    for (;;) {
        size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size())
            break;
        std::string mod = rest.substr(0, plus);
        if (mod == "Ctrl")
            flags |= FCONTROL;
        else if (mod == "Alt")
            flags |= FALT;
        else if (mod == "Shift")
            flags |= FSHIFT;
        else
            return false;
        rest = rest.substr(plus + 1);
    }
    WORD vk = 0;
    if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9'))) {
        vk = static_cast<WORD>(rest[0]);
    } else if (rest.size() >= 2 && rest[0] == 'F') {
        int n = atoi(rest.c_str() + 1);
        if (n < 1 || n > 12)
            return false;
        vk = static_cast<WORD>(VK_F1 + n - 1);
    } else if (rest == "Del") {
        vk = VK_DELETE;
    } else if (rest == "Ins") {
        vk = VK_INSERT;
    } else {
        return false;
    }
    *virt = flags;
    *key = vk;
    return true;
}

// ---- components ----

void TComponent::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    if (Handle != nullptr && !IsToolItem(Desc->Kind) && Desc->Kind != ckStatusPanel)
        MoveWindow(Handle, left, top, width, height, TRUE);
}

void TComponent::SetCaption(const std::wstring& text) {
    Caption = text;
    if (Handle != nullptr)
        InvalidateRect(Handle, nullptr, TRUE);
}

void TComponent::SetEnabled(bool enabled) {
    if (Desc->Kind == ckMenuItem)
        EnableMenuItem(Menu, Id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    else if (IsToolItem(Desc->Kind))
        SendMessageW(Handle, TB_ENABLEBUTTON, Id, MAKELONG(enabled ? TRUE : FALSE, 0));
    else if (Handle != nullptr)
        EnableWindow(Handle, enabled ? TRUE : FALSE);
}

bool TComponent::Enabled() const {
    if (Desc->Kind == ckMenuItem)
        return (GetMenuState(Menu, Id, MF_BYCOMMAND) & MF_GRAYED) == 0;
    if (IsToolItem(Desc->Kind))
        return SendMessageW(Handle, TB_ISBUTTONENABLED, Id, 0) != 0;
    return Handle != nullptr && IsWindowEnabled(Handle);
}

void TComponent::SetDown(bool down) {
    if (IsToolItem(Desc->Kind))
        SendMessageW(Handle, TB_CHECKBUTTON, Id, MAKELONG(down ? TRUE : FALSE, 0));
}

bool TComponent::Down() const {
    return IsToolItem(Desc->Kind) && SendMessageW(Handle, TB_ISBUTTONCHECKED, Id, 0) != 0;
}

std::wstring TComponent::Text() const {
    if (Desc->Kind == ckStatusPanel) {
        int len = LOWORD(SendMessageW(Handle, SB_GETTEXTLENGTHW, Index, 0));
        std::wstring s(len + 1, L'\0');
        SendMessageW(Handle, SB_GETTEXTW, Index, reinterpret_cast<LPARAM>(&s[0]));
        s.resize(wcslen(s.c_str()));
        if ((Desc->Options & coCentred) && !s.empty() && s[0] == L'\t')
            s.erase(0, 1);
        return s;
    }
    if (Handle == nullptr)
        return std::wstring();
    int len = GetWindowTextLengthW(Handle);
    std::wstring s(len + 1, L'\0');
    GetWindowTextW(Handle, &s[0], len + 1);
    s.resize(wcslen(s.c_str()));
    return s;
}

void TComponent::SetText(const std::wstring& text) {
    if (Desc->Kind == ckStatusPanel) {
        // A leading tab centres a status-bar part's text.
        std::wstring shown = (Desc->Options & coCentred) ? L"\t" + text : text;
        SendMessageW(Handle, SB_SETTEXTW, Index, reinterpret_cast<LPARAM>(shown.c_str()));
    } else if (Handle != nullptr) {
        SetWindowTextW(Handle, text.c_str());
    }
}

int TComponent::ClientWidth() const {
    RECT rc = {};
    GetClientRect(Handle, &rc);
    return rc.right - rc.left;
}

int TComponent::ClientHeight() const {
    RECT rc = {};
    GetClientRect(Handle, &rc);
    return rc.bottom - rc.top;
}

bool TComponent::CanFocus() const {
    return Handle != nullptr && IsWindowVisible(Handle) && IsWindowEnabled(Handle);
}

void TComponent::SetFocus() {
    if (Handle != nullptr)
        ::SetFocus(Handle);
}

// ---- form ----

TForm::TForm(const TFormDesc* form,
             const TComponentDesc* components,
             size_t count,
             const TMessageBinding* messages,
             size_t messageCount)
    : FDesc(form), FComponents(components), FCount(count), FMessages(messages), FMessageCount(messageCount) {}

TForm::~TForm() {
    Fire(FDesc->OnDestroy, nullptr);
    if (Handle != nullptr) {
        SetWindowLongPtrW(Handle, GWLP_USERDATA, 0);
        DestroyWindow(Handle);  // also destroys the child windows and the attached menu
        Handle = nullptr;
    }
    for (TComponent* c : Components) {
        if (c->Font != nullptr)
            DeleteObject(c->Font);
        if (c->Images != nullptr)
            ImageList_Destroy(c->Images);
        delete c;
    }
    Components.clear();
    if (Accelerators != nullptr)
        DestroyAcceleratorTable(Accelerators);
    if (Icon != nullptr)
        DestroyIcon(Icon);
    if (Font != nullptr)
        DeleteObject(Font);
}

bool TForm::RegisterClasses() {
    struct {
        const wchar_t* name;
        WNDPROC proc;
        UINT style;
    } classes[] = {
        {kFormClass, FormProc, CS_HREDRAW | CS_VREDRAW},
        {kPanelClass, PanelProc, CS_HREDRAW | CS_VREDRAW},
        {kLabelClass, LabelProc, 0},
        {kBevelClass, BevelProc, CS_HREDRAW | CS_VREDRAW},
    };
    for (auto& c : classes) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = c.style;
        wc.lpfnWndProc = c.proc;
        wc.hInstance = QuilletInstance();
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = c.name;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
    }
    return true;
}

// The classes point into this library's code: they must go before the library can be unloaded.
void TForm::UnregisterClasses() {
    const wchar_t* names[] = {kFormClass, kPanelClass, kLabelClass, kBevelClass};
    for (const wchar_t* n : names)
        UnregisterClassW(n, QuilletInstance());
}

TComponent* TForm::FindComponent(const char* name) const {
    if (name == nullptr)
        return nullptr;
    for (TComponent* c : Components) {
        if (std::strcmp(c->Desc->Name, name) == 0)
            return c;
    }
    return nullptr;
}

TComponent* TForm::ComponentById(int id) const {
    for (TComponent* c : Components) {
        if (c->Id == id && id != 0)
            return c;
    }
    return nullptr;
}

void TForm::Fire(TNotifyEvent ev, TComponent* sender) {
    if (ev != nullptr)
        (this->*ev)(sender);
}

bool TForm::Create() {
    if (!RegisterClasses())
        return false;
    Font = MakeFont(FDesc->FontName, FDesc->FontHeight);
    int x = FDesc->DefaultPosition ? CW_USEDEFAULT : FDesc->Left;
    int y = FDesc->DefaultPosition ? CW_USEDEFAULT : FDesc->Top;
    Handle = CreateWindowExW(0, kFormClass, FDesc->Caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, FDesc->Width,
                             FDesc->Height, nullptr, nullptr, QuilletInstance(), this);
    if (Handle == nullptr)
        return false;
    if (FDesc->IconSource != nullptr && (Icon = FDesc->IconSource()) != nullptr) {
        SendMessageW(Handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
        SendMessageW(Handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
    }
    for (size_t i = 0; i < FCount; ++i)
        CreateComponent(&FComponents[i]);
    if (TComponent* menu = FindComponent(FDesc->Menu))
        SetMenu(Handle, menu->Menu);
    BuildAccelerators();
    LayoutControls();
    Fire(FDesc->OnCreate, nullptr);
    return true;
}

void TForm::CreateComponent(const TComponentDesc* d) {
    TComponent* c = new TComponent;
    c->Desc = d;
    c->Owner = this;
    c->Parent = FindComponent(d->Parent);
    c->Left = d->Left;
    c->Top = d->Top;
    c->Width = d->Width;
    c->Height = d->Height;
    c->Caption = d->Caption != nullptr ? d->Caption : L"";
    Components.push_back(c);
    if (d->Field != nullptr)
        this->*(d->Field) = c;
    HWND parentWnd = c->Parent != nullptr && c->Parent->Handle != nullptr ? c->Parent->Handle : Handle;
    DWORD disabled = (d->Options & coDisabled) ? WS_DISABLED : 0;
    HFONT font = Font;
    if (d->FontName != nullptr) {
        c->Font = MakeFont(d->FontName, d->FontHeight);
        font = c->Font;
    }

    switch (d->Kind) {
        case ckMainMenu:
            c->Menu = CreateMenu();
            break;
        case ckMenu:
            c->Menu = CreatePopupMenu();
            AppendMenuW(c->Parent->Menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(c->Menu), c->Caption.c_str());
            break;
        case ckMenuItem: {
            c->Id = FNextId++;
            c->Menu = c->Parent->Menu;
            std::wstring text = c->Caption;
            if (d->ShortCut != nullptr) {
                text += L"\t";
                for (const char* p = d->ShortCut; *p; ++p)
                    text += static_cast<wchar_t>(*p);
            }
            AppendMenuW(c->Menu, MF_STRING | ((d->Options & coDisabled) ? MF_GRAYED : 0), c->Id, text.c_str());
            break;
        }
        case ckMenuSeparator:
            AppendMenuW(c->Parent->Menu, MF_SEPARATOR, 0, nullptr);
            break;
        case ckToolBar: {
            c->Id = FNextId++;
            DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
            if (d->Options & coFlat)
                style |= TBSTYLE_FLAT;
            if (d->Options & coShowHint)
                style |= TBSTYLE_TOOLTIPS;
            c->Handle =
                CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, d->Width, d->Height, Handle,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)), QuilletInstance(), nullptr);
            SendMessageW(c->Handle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
            if (TComponent* images = FindComponent(d->Link))
                SendMessageW(c->Handle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Images));
            SendMessageW(c->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
            break;
        }
        case ckToolButton:
        case ckToolCheck:
        case ckToolGroupCheck:
        case ckToolDivider:
        case ckToolSeparator: {
            c->Id = FNextId++;
            c->Handle = c->Parent->Handle;
            c->Index = static_cast<int>(SendMessageW(c->Handle, TB_BUTTONCOUNT, 0, 0));
            TBBUTTON b = {};
            b.idCommand = c->Id;
            b.fsState = (d->Options & coDisabled) ? 0 : TBSTATE_ENABLED;
            b.iBitmap = d->ImageIndex;
            if (d->Kind == ckToolButton)
                b.fsStyle = BTNS_BUTTON;
            else if (d->Kind == ckToolCheck)
                b.fsStyle = BTNS_CHECK;
            else if (d->Kind == ckToolGroupCheck)
                b.fsStyle = BTNS_CHECKGROUP;
            else if (d->Kind == ckToolDivider) {
                b.fsStyle = BTNS_SEP;
                b.iBitmap = 8;
            } else {
                // A gap without the etched line a flat tool bar draws for its separators.
                b.fsStyle = BTNS_BUTTON;
                b.fsState = 0;
                b.iBitmap = I_IMAGENONE;
            }
            SendMessageW(c->Handle, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
            if (d->Kind == ckToolSeparator) {
                TBBUTTONINFOW bi = {};
                bi.cbSize = sizeof(bi);
                bi.dwMask = TBIF_SIZE;
                bi.cx = 8;
                SendMessageW(c->Handle, TB_SETBUTTONINFOW, c->Id, reinterpret_cast<LPARAM>(&bi));
            }
            break;
        }
        case ckComboBox:
        case ckEdit: {
            c->Id = FNextId++;
            HWND bar = c->Parent != nullptr && c->Parent->Desc->Kind == ckToolBar ? c->Parent->Handle : nullptr;
            RECT slot = {d->Left, d->Top, d->Left + d->Width, d->Top + d->Height};
            if (bar != nullptr) {
                // A separator as wide as the control keeps its place among the buttons.
                c->Index = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
                TBBUTTON b = {};
                b.fsStyle = BTNS_SEP;
                b.iBitmap = d->Width;
                SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
                SendMessageW(bar, TB_GETITEMRECT, c->Index, reinterpret_cast<LPARAM>(&slot));
            }
            int h = slot.bottom - slot.top;
            if (d->Kind == ckComboBox) {
                c->Handle = CreateWindowExW(
                    0, WC_COMBOBOXW, nullptr,
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | disabled,
                    slot.left, slot.top, d->Width, 300, parentWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)),
                    QuilletInstance(), nullptr);
            } else {
                c->Handle =
                    CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, c->Caption.c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | disabled, slot.left,
                                    slot.top + 1, d->Width, h > 22 ? 21 : h - 1, parentWnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)), QuilletInstance(), nullptr);
            }
            SendMessageW(c->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            if (bar != nullptr && d->Hint != nullptr) {
                HWND tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
                HWND targets[2] = {c->Handle, GetWindow(c->Handle, GW_CHILD)};
                for (HWND t : targets) {
                    if (tips == nullptr || t == nullptr)
                        continue;
                    TOOLINFOW ti = {};
                    ti.cbSize = sizeof(ti);
                    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
                    ti.hwnd = Handle;
                    ti.uId = reinterpret_cast<UINT_PTR>(t);
                    ti.lpszText = const_cast<LPWSTR>(d->Hint);
                    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
                }
            }
            break;
        }
        case ckUpDown: {
            c->Id = FNextId++;
            TComponent* buddy = FindComponent(d->Link);
            c->Handle = CreateWindowExW(
                0, UPDOWN_CLASSW, nullptr,
                WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                parentWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)), QuilletInstance(), nullptr);
            if (buddy != nullptr)
                SendMessageW(c->Handle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Handle), 0);
            SendMessageW(c->Handle, UDM_SETRANGE32, d->Min, d->Max);
            SendMessageW(c->Handle, UDM_SETPOS32, 0, d->Position);
            break;
        }
        case ckStatusBar:
            c->Id = FNextId++;
            c->Handle = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                        0, Handle, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)),
                                        QuilletInstance(), nullptr);
            SendMessageW(c->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
            break;
        case ckStatusPanel: {
            c->Handle = c->Parent->Handle;
            int edges[16] = {};
            int n = 0, right = 0;
            for (TComponent* p : Components) {
                if (p->Parent == c->Parent && p->Desc->Kind == ckStatusPanel && n < 16) {
                    right += p->Desc->Width;
                    edges[n++] = right;
                }
            }
            c->Index = n - 1;
            SendMessageW(c->Handle, SB_SETPARTS, n, reinterpret_cast<LPARAM>(edges));
            c->SetText(c->Caption);
            break;
        }
        case ckPanel:
            c->Handle = CreateWindowExW(0, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | disabled,
                                        d->Left, d->Top, d->Width, d->Height, parentWnd, nullptr, QuilletInstance(), c);
            break;
        case ckLabel:
            c->Handle = CreateWindowExW(0, kLabelClass, nullptr, WS_CHILD | WS_VISIBLE | disabled, d->Left, d->Top,
                                        d->Width, d->Height, parentWnd, nullptr, QuilletInstance(), c);
            break;
        case ckBevel:
            c->Handle = CreateWindowExW(0, kBevelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED, d->Left, d->Top,
                                        d->Width, d->Height, parentWnd, nullptr, QuilletInstance(), c);
            break;
        case ckRichEdit:
            c->Id = FNextId++;
            c->Handle =
                CreateWindowExW(0, RICHEDIT_CLASSW, nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                                    ES_WANTRETURN | ES_AUTOVSCROLL | ES_DISABLENOSCROLL | disabled,
                                0, 0, d->Width, d->Height, parentWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)), QuilletInstance(), nullptr);
            // The control's default limit is 32767 characters: a larger file would be cut short and then
            // written back truncated.
            SendMessageW(c->Handle, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
            SendMessageW(c->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            SendMessageW(c->Handle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
            break;
        case ckImageList:
            if (d->ImageSource != nullptr)
                c->Images = d->ImageSource();
            break;
        case ckOpenDialog:
        case ckPrintDialog:
        case ckFontDialog:
            break;  // run by the handlers that use them
    }
    if (c->Handle != nullptr && d->Kind == ckPanel)
        SendMessageW(c->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TForm::BuildAccelerators() {
    std::vector<ACCEL> keys;
    for (TComponent* c : Components) {
        ACCEL a = {};
        if (c->Desc->Kind == ckMenuItem && ParseShortCut(c->Desc->ShortCut, &a.fVirt, &a.key)) {
            a.cmd = static_cast<WORD>(c->Id);
            keys.push_back(a);
        }
    }
    if (!keys.empty())
        Accelerators = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void TForm::LayoutControls() {
    RECT rc = {};
    GetClientRect(Handle, &rc);
    int top = 0, bottom = rc.bottom;
    for (TComponent* c : Components) {
        if (c->Parent != nullptr || c->Handle == nullptr)
            continue;
        if (c->Desc->Options & coAlignTop) {
            c->SetBounds(0, top, rc.right, c->Height);
            top += c->Height;
        } else if (c->Desc->Options & coAlignBottom) {
            SendMessageW(c->Handle, WM_SIZE, 0, 0);  // a status bar sizes itself
            RECT sb = {};
            GetWindowRect(c->Handle, &sb);
            bottom -= sb.bottom - sb.top;
        }
    }
    for (TComponent* c : Components) {
        if (c->Parent == nullptr && c->Handle != nullptr && (c->Desc->Options & coAlignClient))
            c->SetBounds(0, top, rc.right, bottom > top ? bottom - top : 0);
    }
}

BOOL CALLBACK TForm::DisableTaskWindow(HWND w, LPARAM p) {
    TForm* self = reinterpret_cast<TForm*>(p);
    if (w != self->Handle && IsWindowVisible(w) && IsWindowEnabled(w)) {
        EnableWindow(w, FALSE);
        self->FDisabledWindows.push_back(w);
    }
    return TRUE;
}

int TForm::ShowModal() {
    Fire(FDesc->OnShow, nullptr);
    // Like any modal window: the caller's other windows take no input meanwhile.
    FDisabledWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, reinterpret_cast<LPARAM>(this));
    ShowWindow(Handle, SW_SHOW);
    SetForegroundWindow(Handle);
    ModalResult = 0;
    MSG msg;
    while (ModalResult == 0) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the caller's loop
            break;
        }
        if (got < 0)
            break;
        if (Accelerators != nullptr && (msg.hwnd == Handle || IsChild(Handle, msg.hwnd)) &&
            TranslateAcceleratorW(Handle, Accelerators, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ModalResult == 0)
        Close();
    return ModalResult;
}

void TForm::Close() {
    if (ModalResult != 0 || !IsWindowVisible(Handle))
        return;
    Fire(FDesc->OnClose, nullptr);
    for (HWND w : FDisabledWindows)
        EnableWindow(w, TRUE);
    FDisabledWindows.clear();
    ShowWindow(Handle, SW_HIDE);
    ModalResult = IDCANCEL;
}

void TForm::Release() {
    Releasing = true;
    PostMessageW(Handle, kReleaseMessage, 0, 0);
}

void TForm::ShowError(const std::wstring& text) {
    MessageBoxW(Handle, text.c_str(), FDesc->Caption, MB_OK | MB_ICONERROR);
}

void TForm::OnCommand(int id, int code, HWND from) {
    TComponent* c = ComponentById(id);
    if (c == nullptr)
        return;
    switch (c->Desc->Kind) {
        case ckMenuItem:
        case ckToolButton:
        case ckToolCheck:
        case ckToolGroupCheck:
            Fire(c->Desc->OnClick, c);
            break;
        case ckComboBox:
            if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE)
                Fire(c->Desc->OnChange, c);
            break;
        case ckEdit:
        case ckRichEdit:
            if (code == EN_CHANGE && from == c->Handle)
                Fire(c->Desc->OnChange, c);
            break;
        default:
            break;
    }
}

LRESULT TForm::OnNotify(NMHDR* hdr) {
    if (hdr->code == TTN_GETDISPINFOW) {
        NMTTDISPINFOW* di = reinterpret_cast<NMTTDISPINFOW*>(hdr);
        TComponent* c = nullptr;
        if (di->uFlags & TTF_IDISHWND) {
            HWND w = reinterpret_cast<HWND>(hdr->idFrom);
            for (TComponent* k : Components) {
                if (k->Handle != nullptr && (k->Handle == w || k->Handle == GetParent(w)) && !IsToolItem(k->Desc->Kind))
                    c = k;
            }
        } else {
            c = ComponentById(static_cast<int>(hdr->idFrom));
        }
        if (c != nullptr && c->Desc->Hint != nullptr)
            di->lpszText = const_cast<LPWSTR>(c->Desc->Hint);
        return 0;
    }
    if (hdr->code == EN_SELCHANGE) {
        TComponent* c = ComponentById(static_cast<int>(hdr->idFrom));
        if (c != nullptr && c->Desc->Kind == ckRichEdit)
            Fire(c->Desc->OnSelectionChange, c);
    }
    return 0;
}

LRESULT TForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    for (size_t i = 0; i < FMessageCount; ++i) {
        if (FMessages[i].Message == msg)
            return (this->*(FMessages[i].Handler))(wParam, lParam);
    }
    switch (msg) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_SIZE:
            if (!Components.empty()) {
                LayoutControls();
                Fire(FDesc->OnResize, nullptr);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(Handle, &ps);
            EndPaint(Handle, &ps);
            Fire(FDesc->OnPaint, nullptr);
            return 0;
        }
        case WM_CLOSE:
            Close();
            return 0;
        case kReleaseMessage:
            delete this;
            return 0;
    }
    return DefWindowProcW(Handle, msg, wParam, lParam);
}

LRESULT CALLBACK TForm::FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        TForm* f = reinterpret_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        f->Handle = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(f));
    }
    TForm* f = reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (f == nullptr)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    return f->HandleMessage(msg, wParam, lParam);
}

// A panel with a lowered inner bevel and its caption drawn left-aligned with tabs expanded.
LRESULT CALLBACK TForm::PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    TComponent* c = ComponentOf(hwnd);
    if (c == nullptr)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_SETFONT:
            return 0;
        case WM_SIZE:
            if (c->Desc->OnResize != nullptr && c->Handle != nullptr)
                (c->Owner->*(c->Desc->OnResize))(c);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            DrawEdge(dc, &rc, BDR_SUNKENINNER, BF_RECT);
            InflateRect(&rc, -2, -2);
            HGDIOBJ old = SelectObject(dc, c->Font != nullptr ? c->Font : c->Owner->Font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextW(dc, c->Caption.c_str(), static_cast<int>(c->Caption.size()), &rc,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
            SelectObject(dc, old);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A label: its caption in its own font; mouse events go to the form's handlers, with the mouse
// captured from button down to button up so a drag can leave the label.
LRESULT CALLBACK TForm::LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    TComponent* c = ComponentOf(hwnd);
    if (c == nullptr)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
            HGDIOBJ old = SelectObject(dc, c->Font != nullptr ? c->Font : c->Owner->Font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            std::wstring text = GlyphText(dc, c->Caption);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
            SelectObject(dc, old);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetCapture(hwnd);
            if (c->Desc->OnMouseDown != nullptr)
                (c->Owner->*(c->Desc->OnMouseDown))(c, x, y);
            return 0;
        case WM_MOUSEMOVE:
            if (c->Desc->OnMouseMove != nullptr)
                (c->Owner->*(c->Desc->OnMouseMove))(c, x, y);
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd)
                ReleaseCapture();
            if (c->Desc->OnMouseUp != nullptr)
                (c->Owner->*(c->Desc->OnMouseUp))(c, x, y);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A bevel shaped as a line along its top edge.
LRESULT CALLBACK TForm::BevelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        rc.bottom = rc.top + 2;
        DrawEdge(dc, &rc, EDGE_ETCHED, BF_TOP);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
