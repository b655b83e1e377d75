#include "EditorDriver.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>
#include <atomic>
#include <thread>
#include <vector>

namespace quillettest {

namespace {

typedef unsigned char(__stdcall* RichingProc)(const char*);

// Loaded before any test changes the current directory (the library sits in the staged folder).
HMODULE g_quillet = LoadLibraryA("Quillet.dll");

RichingProc Riching() {
    HMODULE module = g_quillet;
    static RichingProc proc =
        module ? reinterpret_cast<RichingProc>(reinterpret_cast<void*>(GetProcAddress(module, "RICHING"))) : nullptr;
    return proc;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = L"";
    GetClassNameW(w, name, 64);
    return name;
}

BOOL CALLBACK DiscoverChild(HWND child, LPARAM p) {
    EditorWindow& w = *reinterpret_cast<EditorWindow*>(p);
    std::wstring cls = ClassOf(child);
    HWND parent = GetParent(child);
    if (cls == L"RichEdit20W")
        w.editor = child;
    else if (cls == L"ToolbarWindow32")
        w.toolbar = child;
    else if (cls == L"msctls_statusbar32")
        w.status = child;
    else if (cls == L"QuilletPanel")
        w.ruler = child;
    else if (cls == L"ComboBox")
        w.fontName = child;
    else if (cls == L"Edit" && parent == w.toolbar)
        w.fontSize = child;
    else if (cls == L"QuilletLabel") {
        // The markers sit at different heights: first-line above, left below, right lowest.
        RECT rc;
        GetWindowRect(child, &rc);
        POINT pt = {rc.left, rc.top};
        ScreenToClient(parent, &pt);
        if (pt.y == 2)
            w.firstInd = child;
        else if (pt.y == 12)
            w.leftInd = child;
        else
            w.rightInd = child;
    }
    return TRUE;
}

void Discover(EditorWindow& w) {
    EnumChildWindows(w.form, DiscoverChild, reinterpret_cast<LPARAM>(&w));
}

bool FindMenuItem(HMENU menu, const std::wstring& caption, HMENU* owner, int* pos) {
    int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (FindMenuItem(sub, caption, owner, pos))
                return true;
            continue;
        }
        wchar_t text[128] = L"";
        GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
        std::wstring t = text;
        t = t.substr(0, t.find(L'\t'));
        if (t == caption) {
            *owner = menu;
            *pos = i;
            return true;
        }
    }
    return false;
}

void LeftButton(int x, int y, DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
}

}  // namespace

void Settle(const EditorWindow& w) {
    DWORD_PTR r = 0;
    for (int i = 0; i < 3; ++i) {
        SendMessageTimeoutW(w.form, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &r);
        Sleep(20);
    }
}

int EditorWindow::ButtonId(int image) const {
    int n = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        if (!(b.fsStyle & BTNS_SEP) && b.iBitmap == image)
            return b.idCommand;
    }
    return -1;
}

bool EditorWindow::ButtonEnabled(int image) const {
    return SendMessageW(toolbar, TB_ISBUTTONENABLED, ButtonId(image), 0) != 0;
}

bool EditorWindow::ButtonDown(int image) const {
    return SendMessageW(toolbar, TB_ISBUTTONCHECKED, ButtonId(image), 0) != 0;
}

void EditorWindow::ClickButton(int image) const {
    int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, ButtonId(image), 0));
    RECT rc = {};
    SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
    LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    SendMessageW(toolbar, WM_MOUSEMOVE, 0, at);
    SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(toolbar, WM_LBUTTONUP, 0, at);
    Settle(*this);
}

bool EditorWindow::MenuEnabled(const std::wstring& caption) const {
    HMENU owner = nullptr;
    int pos = 0;
    if (!FindMenuItem(GetMenu(form), caption, &owner, &pos))
        return false;
    return (GetMenuState(owner, pos, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void EditorWindow::Command(const std::wstring& caption) const {
    HMENU owner = nullptr;
    int pos = 0;
    if (FindMenuItem(GetMenu(form), caption, &owner, &pos))
        PostMessageW(form, WM_COMMAND, MAKEWPARAM(GetMenuItemID(owner, pos), 0), 0);
}

std::wstring EditorWindow::StatusText(int part) const {
    wchar_t text[256] = L"";
    SendMessageW(status, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    std::wstring s = text;
    if (!s.empty() && s[0] == L'\t')
        s.erase(0, 1);
    return s;
}

std::wstring EditorWindow::EditorText() const {
    GETTEXTLENGTHEX gl = {GTL_NUMCHARS, 1200};
    LONG n = static_cast<LONG>(SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
    std::wstring s(n + 1, L'\0');
    GETTEXTEX gt = {};
    gt.cb = static_cast<DWORD>((n + 1) * sizeof(wchar_t));
    gt.flags = GT_DEFAULT;
    gt.codepage = 1200;
    SendMessageW(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(wcslen(s.c_str()));
    return s;
}

void EditorWindow::Type(const std::wstring& text) const {
    for (wchar_t c : text)
        SendMessageW(editor, WM_CHAR, c, 1);
    Settle(*this);
}

void EditorWindow::Select(int from, int to) const {
    CHARRANGE cr = {from, to};
    SendMessageW(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    Settle(*this);
}

int EditorWindow::LabelLeft(HWND label) const {
    RECT rc;
    GetWindowRect(label, &rc);
    POINT pt = {rc.left, rc.top};
    ScreenToClient(ruler, &pt);
    return pt.x;
}

int EditorWindow::RulerClientWidth() const {
    RECT rc;
    GetClientRect(ruler, &rc);
    return rc.right;
}

void EditorWindow::Drag(HWND label, int dx) const {
    SetForegroundWindow(form);
    Settle(*this);
    RECT rc;
    GetWindowRect(label, &rc);
    int x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;
    LeftButton(x, y, 0);
    Settle(*this);
    LeftButton(x, y, MOUSEEVENTF_LEFTDOWN);
    Settle(*this);
    int step = dx > 0 ? 1 : -1;
    for (int moved = 0; moved != dx;) {
        moved += (std::abs(dx - moved) >= 4) ? 4 * step : step;
        LeftButton(x + moved, y, 0);
        Settle(*this);
    }
    LeftButton(x + dx, y, MOUSEEVENTF_LEFTUP);
    Settle(*this);
}

HWND EditorWindow::FocusedWindow() const {
    GUITHREADINFO gi = {};
    gi.cbSize = sizeof(gi);
    GetGUIThreadInfo(thread, &gi);
    return gi.hwndFocus;
}

void EditorWindow::Close() const {
    PostMessageW(form, WM_CLOSE, 0, 0);
}

struct DialogSearch {
    HWND form, found;
};

static BOOL CALLBACK FindDialog(HWND h, LPARAM p) {
    DialogSearch* c = reinterpret_cast<DialogSearch*>(p);
    if (h != c->form && IsWindowVisible(h) && ClassOf(h) == L"#32770") {
        c->found = h;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(const EditorWindow& w, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        DialogSearch ctx = {w.form, nullptr};
        EnumThreadWindows(w.thread, FindDialog, reinterpret_cast<LPARAM>(&ctx));
        if (ctx.found != nullptr) {
            Sleep(100);  // let it finish its initialisation
            return ctx.found;
        }
        Sleep(20);
    }
    return nullptr;
}

std::wstring DialogText(HWND dialog) {
    wchar_t text[1024] = L"";
    GetDlgItemTextW(dialog, 0xFFFF, text, 1024);
    return text;
}

void ClickDialog(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog) && GetTickCount() - start < timeoutMs)
        Sleep(20);
}

bool RunEditor(const std::string& path, const std::function<void(EditorWindow&)>& drive, bool* found) {
    RichingProc riching = Riching();
    if (riching == nullptr) {
        ADD_FAILURE() << "Quillet.dll or its export RICHING not found";
        if (found)
            *found = false;
        return false;
    }
    bool windowFound = false;
    std::atomic<bool> finished(false);
    std::thread driver([&]() {
        EditorWindow w;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 10000) {
            w.form = FindWindowW(L"QuilletForm", L"Kurzbrief bearbeiten");
            if (w.form != nullptr && IsWindowVisible(w.form))
                break;
            w.form = nullptr;
            Sleep(20);
        }
        if (w.form == nullptr)
            return;
        windowFound = true;
        w.thread = GetWindowThreadProcessId(w.form, nullptr);
        Settle(w);
        Discover(w);
        drive(w);
        // Whatever the case left open is closed until the call returns: dialogs are cancelled (message
        // boxes have only OK), then the form is closed.
        DWORD end = GetTickCount();
        while (!finished && GetTickCount() - end < 30000) {
            if (HWND d = WaitForDialog(w, 200)) {
                ClickDialog(d, GetDlgItem(d, IDCANCEL) ? IDCANCEL : IDOK);
                WaitForDialogGone(d, 1000);
            } else if (IsWindowVisible(w.form)) {
                w.Close();
            }
            Sleep(50);
        }
    });
    bool result = (riching(path.c_str()) & 0xFF) != 0;
    finished = true;
    driver.join();
    if (!windowFound)
        ADD_FAILURE() << "the window \"Kurzbrief bearbeiten\" did not appear for " << path;
    if (found)
        *found = windowFound;
    return result;
}

std::string ScratchDir() {
    static std::string dir;
    if (dir.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        // Process ids come round again under Wine: the tick count keeps runs apart.
        dir = std::string(temp) + "quillet-test-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(GetTickCount());
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    return dir;
}

std::string WriteScratch(const std::string& name, const std::string& bytes) {
    std::string path = ScratchDir() + "\\" + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    // An older time stamp shows whether the file was touched.
    FILETIME old = {0x10000000, 0x01D00000};
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);
    return path;
}

std::string ReadBytes(const std::string& path) {
    std::string out;
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof(buf), &got, nullptr) && got > 0)
        out.append(buf, got);
    CloseHandle(h);
    return out;
}

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA d = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d);
    return d.ftLastWriteTime;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace quillettest
