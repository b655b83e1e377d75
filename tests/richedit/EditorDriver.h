// Runs Quillet's export the way a caller does (LoadLibrary + GetProcAddress) while a driver thread finds
// the editing window and works it with window messages and mouse input.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace quillettest {

struct EditorWindow {
    HWND form = nullptr;
    HWND editor = nullptr;
    HWND toolbar = nullptr;
    HWND status = nullptr;
    HWND ruler = nullptr;
    HWND firstInd = nullptr;
    HWND leftInd = nullptr;
    HWND rightInd = nullptr;
    HWND fontName = nullptr;
    HWND fontSize = nullptr;
    DWORD thread = 0;

    // Tool buttons are found by their picture: 0 open, 2 print, 3 undo, 4 cut, 5 copy, 6 paste, 7 bold,
    // 8 italic, 9 underline, 10 left, 11 centre, 12 right, 13 bullets.
    int ButtonId(int image) const;
    bool ButtonEnabled(int image) const;
    bool ButtonDown(int image) const;
    void ClickButton(int image) const;  // mouse down and up on the button
    // Menu items by caption without the shortcut ("&Kopieren").
    bool MenuEnabled(const std::wstring& caption) const;
    void Command(const std::wstring& caption) const;  // posted: may open a modal dialog
    std::wstring StatusText(int part) const;
    std::wstring EditorText() const;
    void Type(const std::wstring& text) const;
    void Select(int from, int to) const;
    int LabelLeft(HWND label) const;  // position within the ruler
    int RulerClientWidth() const;
    // Drags a ruler marker with the mouse: press at its centre, move by dx, release.
    void Drag(HWND label, int dx) const;
    HWND FocusedWindow() const;
    void Close() const;
};

// Calls RICHING(path) on this thread; drive runs on a driver thread once the window is up. Returns the
// export's result (low 8 bits). found is false when the window never appeared.
bool RunEditor(const std::string& path, const std::function<void(EditorWindow&)>& drive, bool* found = nullptr);

// A modal window of the editor's thread other than the form (message box, file, print or font dialog).
HWND WaitForDialog(const EditorWindow& w, DWORD timeoutMs = 5000);
std::wstring DialogText(HWND dialog);  // a message box's text
void ClickDialog(HWND dialog, int id);
void WaitForDialogGone(HWND dialog, DWORD timeoutMs = 5000);
// Waits until the editor's thread has handled everything sent so far.
void Settle(const EditorWindow& w);

// Scratch files.
std::string ScratchDir();
std::string WriteScratch(const std::string& name, const std::string& bytes);
std::string ReadBytes(const std::string& path);
FILETIME WriteTime(const std::string& path);
bool Exists(const std::string& path);

}  // namespace quillettest
