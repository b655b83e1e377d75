// Quillet's export driven as a caller drives it: RICHING runs on the test's thread while a driver thread
// works the window "Kurzbrief bearbeiten" with window messages and mouse input.
#include "EditorDriver.h"
#include <gtest/gtest.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>
#include <thread>

using namespace quillettest;

namespace {

const char kRtf[] = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hallo Welt\\par}";
const char kPlain[] = "Hallo Welt\r\nZweite Zeile\r\n";

// Picture indices of the tool buttons.
enum { kOpen = 0, kPrint = 2, kUndo = 3, kCut = 4, kCopy = 5, kPaste = 6, kBold = 7, kItalic = 8, kUnderline = 9 };
enum { kLeft = 10, kCenter = 11, kRight = 12, kBullets = 13 };

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// ASCII view of a text with paragraph ends as "|" and no trailing end: the control and its RTF reader
// differ in how they end the last paragraph and in \r versus \r\n.
std::string Narrow(const std::wstring& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        wchar_t c = s[i];
        if (c == L'\r' || c == L'\n') {
            if (c == L'\r' && i + 1 < s.size() && s[i + 1] == L'\n')
                ++i;
            out += '|';
        } else {
            out += c < 128 ? static_cast<char>(c) : '?';
        }
    }
    while (!out.empty() && out.back() == '|')
        out.pop_back();
    return out;
}

struct StreamSource {
    const std::string* s;
    size_t pos;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buf, LONG want, LONG* got) {
    StreamSource* s = reinterpret_cast<StreamSource*>(cookie);
    size_t n = std::min(static_cast<size_t>(want), s->s->size() - s->pos);
    memcpy(buf, s->s->data() + s->pos, n);
    s->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

// The plain text of a rich-text file, read back by a control of the test's own.
std::wstring TextOfRtf(const std::string& rtf) {
    LoadLibraryA("riched20.dll");
    HWND edit =
        CreateWindowExW(0, RICHEDIT_CLASSW, nullptr, ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
    StreamSource src = {&rtf, 0};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&src);
    es.pfnCallback = ReadSource;
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
    int n = GetWindowTextLengthW(edit);
    std::wstring text(n + 1, L'\0');
    GetWindowTextW(edit, &text[0], n + 1);
    text.resize(wcslen(text.c_str()));
    DestroyWindow(edit);
    return text;
}

bool IsRtf(const std::string& bytes) {
    return bytes.compare(0, 5, "{\\rtf") == 0;
}

// Posts a drop of the given files on the window, as the shell does.
void DropFiles(const EditorWindow& w, const std::vector<std::wstring>& files) {
    size_t chars = 1;
    for (const auto& f : files)
        chars += f.size() + 1;
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    DROPFILES* df = static_cast<DROPFILES*>(GlobalLock(mem));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    wchar_t* p = reinterpret_cast<wchar_t*>(df + 1);
    for (const auto& f : files) {
        memcpy(p, f.c_str(), f.size() * sizeof(wchar_t));
        p += f.size() + 1;
    }
    GlobalUnlock(mem);
    PostMessageW(w.form, WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);
    Settle(w);
}

std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

}  // namespace

TEST(QuilletEditor, CloseWithoutChangesLeavesFileAlone) {
    std::string binary("\x00\x01\xFF\xFEMZ\x90\x00\x03rest\x00\x00\x1A", 17);
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {{"plain text", kPlain}, {"rich text", kRtf}, {"binary", binary}, {"empty", ""}};
    for (const Case& c : cases) {
        std::string path = WriteScratch(std::string("unchanged-") + c.name, c.bytes);
        FILETIME before = WriteTime(path);
        bool found = false;
        bool result = RunEditor(
            path, [](EditorWindow& w) { w.Close(); }, &found);
        ASSERT_TRUE(found) << c.name;
        EXPECT_FALSE(result) << c.name;
        EXPECT_EQ(c.bytes, ReadBytes(path)) << c.name;
        EXPECT_TRUE(SameTime(before, WriteTime(path))) << c.name << ": time stamp changed";
    }
}

TEST(QuilletEditor, TypingOneCharacterWritesRichText) {
    struct Case {
        const char* name;
        std::string bytes;
        std::wstring expect;  // the text after typing "X" at the start
    } cases[] = {
        {"plain text", kPlain, L"XHallo Welt\rZweite Zeile"},
        {"rich text", kRtf, L"XHallo Welt"},
        {"binary",
         std::string("ab\x01\xFF"
                     "cd",
                     6),
         L""},
    };
    for (const Case& c : cases) {
        std::string path = WriteScratch(std::string("typed-") + c.name, c.bytes);
        bool result = RunEditor(path, [](EditorWindow& w) {
            w.Select(0, 0);
            w.Type(L"X");
            w.Close();
        });
        EXPECT_TRUE(result) << c.name;
        std::string written = ReadBytes(path);
        EXPECT_TRUE(IsRtf(written)) << c.name << ": " << written.substr(0, 40);
        std::wstring text = TextOfRtf(written);
        if (!c.expect.empty())
            EXPECT_EQ(Narrow(c.expect), Narrow(text)) << c.name;
        else
            EXPECT_EQ(L'X', text.empty() ? 0 : text[0]) << c.name;
    }
}

TEST(QuilletEditor, MissingPathStartsEmptyAndIsCreatedOnlyWhenTyped) {
    std::string untouched = ScratchDir() + "\\never-created.rtf";
    EXPECT_FALSE(RunEditor(untouched, [](EditorWindow& w) {
        EXPECT_EQ(L"", w.EditorText());
        w.Close();
    }));
    EXPECT_FALSE(Exists(untouched));

    std::string created = ScratchDir() + "\\created.rtf";
    EXPECT_TRUE(RunEditor(created, [](EditorWindow& w) {
        w.Type(L"Neu");
        w.Close();
    }));
    EXPECT_EQ("Neu", Narrow(TextOfRtf(ReadBytes(created))));
}

TEST(QuilletEditor, StatusBarShowsPositionAndModifiedState) {
    std::string path = WriteScratch("status.txt", kPlain);
    RunEditor(path, [](EditorWindow& w) {
        EXPECT_EQ(L"Line:   1   Col:   1", w.StatusText(0));
        EXPECT_EQ(L"", w.StatusText(1));
        EXPECT_FALSE(w.ButtonEnabled(kUndo));
        EXPECT_FALSE(w.MenuEnabled(L"&Rückgängig"));
        w.Select(14, 14);  // "Zweite Zeile": line 2, after "Zwe"
        EXPECT_EQ(L"Line:   2   Col:   4", w.StatusText(0));
        w.Type(L"x");
        EXPECT_EQ(L"Modified", w.StatusText(1));
        EXPECT_EQ(L"Line:   2   Col:   5", w.StatusText(0));
        EXPECT_TRUE(w.ButtonEnabled(kUndo));
        EXPECT_TRUE(w.MenuEnabled(L"&Rückgängig"));
        w.Close();
    });
}

TEST(QuilletEditor, CopyAndCutFollowTheSelection) {
    std::string path = WriteScratch("select.txt", kPlain);
    RunEditor(path, [](EditorWindow& w) {
        struct Case {
            const char* name;
            int from, to;
            bool enabled;
        } cases[] = {{"empty at start", 0, 0, false},
                     {"three characters", 0, 3, true},
                     {"empty inside", 5, 5, false},
                     {"all", 0, -1, true}};
        for (const Case& c : cases) {
            w.Select(c.from, c.to);
            EXPECT_EQ(c.enabled, w.ButtonEnabled(kCopy)) << c.name;
            EXPECT_EQ(c.enabled, w.ButtonEnabled(kCut)) << c.name;
            EXPECT_EQ(c.enabled, w.MenuEnabled(L"&Kopieren")) << c.name;
            EXPECT_EQ(c.enabled, w.MenuEnabled(L"&Ausschneiden")) << c.name;
        }
        w.Close();
    });
}

TEST(QuilletEditor, ClipboardContentEnablesPaste) {
    std::string path = WriteScratch("paste.txt", kPlain);
    RunEditor(path, [](EditorWindow& w) {
        EXPECT_EQ(w.form, GetClipboardViewer()) << "the window is in the viewer chain while open";
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        Settle(w);
        EXPECT_FALSE(w.ButtonEnabled(kPaste)) << "empty clipboard";
        EXPECT_FALSE(w.MenuEnabled(L"&Einfügen")) << "empty clipboard";
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 6 * sizeof(wchar_t));
            memcpy(GlobalLock(mem), L"Gruss", 6 * sizeof(wchar_t));
            GlobalUnlock(mem);
            SetClipboardData(CF_UNICODETEXT, mem);
            CloseClipboard();
        }
        Settle(w);
        EXPECT_TRUE(w.ButtonEnabled(kPaste)) << "text on the clipboard";
        EXPECT_TRUE(w.MenuEnabled(L"&Einfügen")) << "text on the clipboard";
        w.Select(0, 0);
        w.ClickButton(kPaste);
        EXPECT_EQ(0u, w.EditorText().find(L"Gruss"));
        w.Close();
    });
    EXPECT_EQ(nullptr, GetClipboardViewer()) << "the window left the viewer chain";
}

TEST(QuilletEditor, OpenReplacesContentAndCloseWritesItToTheDocument) {
    std::string doc = WriteScratch("doc-open.txt", "Alter Text\r\n");
    std::string other = WriteScratch("other-open.rtf", kRtf);
    bool result = RunEditor(doc, [&](EditorWindow& w) {
        w.Command(L"Ö&ffnen");
        HWND dlg = WaitForDialog(w);
        ASSERT_NE(nullptr, dlg) << "open dialog";
        HWND name = GetDlgItem(dlg, 0x47C);  // file name box of the dialog
        if (name == nullptr)
            name = GetDlgItem(dlg, 0x480);
        ASSERT_NE(nullptr, name);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(other).c_str()));
        ClickDialog(dlg, IDOK);
        WaitForDialogGone(dlg);
        Settle(w);
        EXPECT_EQ("Hallo Welt", Narrow(w.EditorText()));
        EXPECT_EQ(L"Modified", w.StatusText(1));
        w.Close();
        // No question is asked.
        EXPECT_EQ(nullptr, WaitForDialog(w, 500));
    });
    EXPECT_TRUE(result);
    EXPECT_EQ("Hallo Welt", Narrow(TextOfRtf(ReadBytes(doc))));
    EXPECT_EQ(kRtf, ReadBytes(other)) << "the opened file is not written";
}

TEST(QuilletEditor, DroppingFilesLoadsOnlyTheFirst) {
    std::string doc = WriteScratch("doc-drop.txt", "Alter Text\r\n");
    std::string first = WriteScratch("first-drop.txt", "Erste Datei\r\n");
    std::string second = WriteScratch("second-drop.txt", "Zweite Datei\r\n");
    bool result = RunEditor(doc, [&](EditorWindow& w) {
        EXPECT_TRUE(GetWindowLongW(w.form, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        DropFiles(w, {Wide(first), Wide(second)});
        EXPECT_EQ("Erste Datei", Narrow(w.EditorText()));
        EXPECT_EQ(L"Modified", w.StatusText(1));
        w.Close();
        EXPECT_EQ(nullptr, WaitForDialog(w, 500));
    });
    EXPECT_TRUE(result);
    EXPECT_EQ("Erste Datei", Narrow(TextOfRtf(ReadBytes(doc))));
    EXPECT_EQ("Zweite Datei\r\n", ReadBytes(second));
}

TEST(QuilletEditor, DropWithoutFileNameChangesNothing) {
    std::string doc = WriteScratch("doc-emptydrop.txt", kPlain);
    EXPECT_FALSE(RunEditor(doc, [&](EditorWindow& w) {
        DropFiles(w, {});
        EXPECT_EQ(L"", w.StatusText(1));
        w.Close();
    }));
    EXPECT_EQ(kPlain, ReadBytes(doc));
}

namespace {

PARAFORMAT2 Paragraph(const EditorWindow& w) {
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof(pf);
    SendMessageW(w.editor, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf;
}

CHARFORMAT2W Selection(const EditorWindow& w) {
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof(cf);
    SendMessageW(w.editor, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

}  // namespace

TEST(QuilletEditor, RulerMarkersFollowAndSetTheIndents) {
    std::string path = WriteScratch("ruler.txt", kPlain);
    RunEditor(path, [](EditorWindow& w) {
        int width = w.RulerClientWidth();
        EXPECT_EQ(2, w.LabelLeft(w.firstInd)) << "no indents";
        EXPECT_EQ(2, w.LabelLeft(w.leftInd)) << "no indents";
        EXPECT_EQ(width - 14, w.LabelLeft(w.rightInd)) << "no indents";

        // First-line marker to 15: first indent trunc((15 + 5 - 6) * 0.75) = 10; the left marker keeps
        // its place on the ruler, so the offset of the other lines becomes -10.
        w.Select(0, 0);
        w.Drag(w.firstInd, 13);
        PARAFORMAT2 pf = Paragraph(w);
        EXPECT_EQ(200, pf.dxStartIndent) << "first indent 10 pt";
        EXPECT_EQ(-200, pf.dxOffset);
        EXPECT_EQ(15, w.LabelLeft(w.firstInd));
        EXPECT_EQ(2, w.LabelLeft(w.leftInd));

        // Left marker so that left + grab offset is 46, with first indent 10: left indent 20.
        w.Drag(w.leftInd, 39);
        pf = Paragraph(w);
        EXPECT_EQ(400, pf.dxOffset) << "left indent 20 pt";
        EXPECT_EQ(200, pf.dxStartIndent);
        EXPECT_EQ(42, w.LabelLeft(w.leftInd)) << "snapped to the stored indents";

        // Right marker 20 pixels in: trunc((20 + 14 + 4 - 2) * 0.75) - 12 = 15.
        w.Drag(w.rightInd, -20);
        EXPECT_EQ(300, Paragraph(w).dxRightIndent);
        EXPECT_EQ(width - 34, w.LabelLeft(w.rightInd));

        // Another paragraph without indents moves the markers back; the indented one brings them again.
        w.Select(15, 15);
        EXPECT_EQ(2, w.LabelLeft(w.firstInd)) << "second paragraph";
        EXPECT_EQ(width - 14, w.LabelLeft(w.rightInd)) << "second paragraph";
        w.Select(1, 1);
        EXPECT_EQ(15, w.LabelLeft(w.firstInd)) << "first paragraph";
        EXPECT_EQ(42, w.LabelLeft(w.leftInd)) << "first paragraph";
        w.Close();
    });
}

TEST(QuilletEditor, StyleButtonsApplyToTheSelectionAndFollowIt) {
    std::string path = WriteScratch("styles.txt", "Hallo Welt\r\nZweite Zeile\r\n");
    RunEditor(path, [](EditorWindow& w) {
        struct Case {
            const char* name;
            int image;
            DWORD effect;
        } cases[] = {
            {"bold", kBold, CFE_BOLD}, {"italic", kItalic, CFE_ITALIC}, {"underline", kUnderline, CFE_UNDERLINE}};
        for (const Case& c : cases) {
            w.Select(0, 5);
            EXPECT_FALSE(w.ButtonDown(c.image)) << c.name << " before";
            w.ClickButton(c.image);
            EXPECT_TRUE(Selection(w).dwEffects & c.effect) << c.name << " applied";
            w.Select(6, 10);
            EXPECT_FALSE(Selection(w).dwEffects & c.effect) << c.name << " outside the selection";
            EXPECT_FALSE(w.ButtonDown(c.image)) << c.name << " follows the selection out";
            w.Select(1, 3);
            EXPECT_TRUE(w.ButtonDown(c.image)) << c.name << " follows the selection back";
            w.Select(0, 5);
            w.ClickButton(c.image);
            EXPECT_FALSE(Selection(w).dwEffects & c.effect) << c.name << " removed";
        }

        w.Select(0, 0);
        w.ClickButton(kBullets);
        EXPECT_EQ(PFN_BULLET, Paragraph(w).wNumbering) << "bullets";
        w.Select(15, 15);
        EXPECT_FALSE(w.ButtonDown(kBullets)) << "bullets: other paragraph";
        w.Select(2, 2);
        EXPECT_TRUE(w.ButtonDown(kBullets)) << "bullets: back";
        w.ClickButton(kBullets);
        EXPECT_EQ(0, Paragraph(w).wNumbering) << "bullets off";

        struct Align {
            const char* name;
            int image;
            WORD alignment;
        } aligns[] = {{"centre", kCenter, PFA_CENTER}, {"right", kRight, PFA_RIGHT}, {"left", kLeft, PFA_LEFT}};
        for (const Align& a : aligns) {
            w.Select(0, 0);
            w.ClickButton(a.image);
            EXPECT_EQ(a.alignment, Paragraph(w).wAlignment) << a.name;
            EXPECT_TRUE(w.ButtonDown(a.image)) << a.name;
        }
        w.Select(0, 0);
        w.ClickButton(kRight);
        w.Select(15, 15);
        EXPECT_TRUE(w.ButtonDown(kLeft)) << "left paragraph";
        EXPECT_FALSE(w.ButtonDown(kRight)) << "left paragraph";
        w.Select(1, 1);
        EXPECT_TRUE(w.ButtonDown(kRight)) << "right paragraph";
        EXPECT_FALSE(w.ButtonDown(kLeft)) << "right paragraph";
        w.Close();
    });
}

TEST(QuilletEditor, FontNameAndSizeApplyAndReturnTheFocus) {
    std::string path = WriteScratch("fonts.txt", "Hallo Welt\r\n");
    RunEditor(path, [](EditorWindow& w) {
        int count = static_cast<int>(SendMessageW(w.fontName, CB_GETCOUNT, 0, 0));
        ASSERT_GT(count, 1) << "font names listed";
        wchar_t prev[64] = L"";
        bool sorted = true;
        int tahoma = -1;
        for (int i = 0; i < count; ++i) {
            wchar_t name[64] = L"";
            SendMessageW(w.fontName, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            sorted = sorted && lstrcmpiW(prev, name) <= 0;
            lstrcpyW(prev, name);
            if (lstrcmpW(name, L"Tahoma") == 0)
                tahoma = i;
        }
        EXPECT_TRUE(sorted) << "font names sorted";
        ASSERT_GE(tahoma, 0) << "Tahoma listed";

        w.Select(0, 5);
        SendMessageW(w.fontName, CB_SETCURSEL, tahoma, 0);
        SetFocus(nullptr);
        SendMessageW(w.toolbar, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w.fontName), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(w.fontName));
        Settle(w);
        EXPECT_STREQ(L"Tahoma", Selection(w).szFaceName);
        EXPECT_EQ(w.editor, w.FocusedWindow()) << "after the font name";

        // A typed name that is no list entry applies nothing.
        SendMessageW(w.fontName, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendMessageW(w.toolbar, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w.fontName), CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(w.fontName));
        Settle(w);
        EXPECT_STREQ(L"Tahoma", Selection(w).szFaceName);

        for (int size : {14, 9, 22}) {
            w.Select(0, 5);
            SetWindowTextW(w.fontSize, std::to_wstring(size).c_str());
            Settle(w);
            EXPECT_EQ(size * 20, Selection(w).yHeight) << "size " << size;
            EXPECT_EQ(w.editor, w.FocusedWindow()) << "after size " << size;
        }
        w.Select(6, 10);
        wchar_t shown[16] = L"";
        GetWindowTextW(w.fontSize, shown, 16);
        EXPECT_STREQ(L"8", shown) << "the size box follows the selection";

        // The up-down control steps the size.
        w.Select(0, 5);
        HWND updown = FindWindowExW(w.toolbar, nullptr, L"msctls_updown32", nullptr);
        ASSERT_NE(nullptr, updown);
        RECT rc;
        GetClientRect(updown, &rc);
        LPARAM upper = MAKELPARAM(rc.right / 2, rc.bottom / 4);
        SendMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
        SendMessageW(updown, WM_LBUTTONUP, 0, upper);
        Settle(w);
        EXPECT_EQ(23 * 20, Selection(w).yHeight) << "one step up from 22";

        // Not a whole number: refused with the standard conversion error.
        w.Select(0, 5);
        // The error box is modal inside the change notification: set the text from a thread of its own.
        std::thread typing([&]() { SetWindowTextW(w.fontSize, L"abc"); });
        HWND box = WaitForDialog(w);
        EXPECT_NE(nullptr, box) << "conversion error shown";
        if (box != nullptr) {
            EXPECT_EQ(L"'abc' is not a valid integer value", DialogText(box));
            ClickDialog(box, IDOK);
            WaitForDialogGone(box);
        }
        Settle(w);
        typing.join();
        EXPECT_EQ(23 * 20, Selection(w).yHeight) << "size unchanged";
        w.Close();
    });
}

TEST(QuilletEditor, UnreadableFileIsReportedAndNeverOverwritten) {
    std::string locked = WriteScratch("locked.txt", kPlain);
    // Another program holds the file open without sharing it.
    HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);
    std::string folder = ScratchDir() + "\\a-folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& path : {locked, folder}) {
        bool result = RunEditor(path, [&](EditorWindow& w) {
            HWND box = WaitForDialog(w);
            ASSERT_NE(nullptr, box) << path;
            EXPECT_NE(std::wstring::npos, DialogText(box).find(L"kann nicht gelesen werden")) << path;
            ClickDialog(box, IDOK);
            WaitForDialogGone(box);
            w.Type(L"X");  // the window holds no document: typing must not lead to a write
            EXPECT_EQ(L"", w.StatusText(1)) << path;
            w.Close();
        });
        EXPECT_FALSE(result) << path;
    }
    CloseHandle(hold);
    EXPECT_EQ(kPlain, ReadBytes(locked));
}

TEST(QuilletEditor, FailedWriteAtCloseIsReportedAndReturnsFalse) {
    // Another program reads the file and lets others read it, but not write it.
    std::string shared = WriteScratch("read-shared.txt", kPlain);
    HANDLE reader = CreateFileA(shared.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    std::string noFolder = ScratchDir() + "\\no-such-folder\\brief.rtf";
    for (const std::string& path : {shared, noFolder}) {
        bool result = RunEditor(path, [&](EditorWindow& w) {
            w.Type(L"X");
            w.Close();
            HWND box = WaitForDialog(w);
            ASSERT_NE(nullptr, box) << path;
            EXPECT_NE(std::wstring::npos, DialogText(box).find(L"konnte nicht gespeichert werden")) << path;
            ClickDialog(box, IDOK);
            WaitForDialogGone(box);
        });
        EXPECT_FALSE(result) << path;
    }
    CloseHandle(reader);
    EXPECT_EQ(kPlain, ReadBytes(shared));
    EXPECT_FALSE(Exists(noFolder));
}

TEST(QuilletEditor, LargeFileSurvivesAnEdit) {
    // Well above the control's default limit of 32767 characters.
    std::string big;
    int lines = 0;
    for (; big.size() < 5 * 1024 * 1024; ++lines)
        big += "Zeile " + std::to_string(lines) + " des langen Briefes mit etwas Text darin.\r\n";
    std::string path = WriteScratch("large.txt", big);
    bool result = RunEditor(path, [](EditorWindow& w) {
        w.Select(0, 0);
        w.Type(L"X");
        w.Close();
    });
    EXPECT_TRUE(result);
    std::string rtf = ReadBytes(path);
    EXPECT_TRUE(IsRtf(rtf));
    EXPECT_GT(rtf.size(), big.size());
    size_t first = rtf.find("XZeile 0 des langen");
    size_t last = rtf.find("Zeile " + std::to_string(lines - 1) + " des langen Briefes mit etwas Text darin.");
    EXPECT_NE(std::string::npos, first) << "typed character before the first line";
    EXPECT_NE(std::string::npos, last) << "last line written back";
}

TEST(QuilletEditor, PrintDialogOpensFromMenuAndToolbar) {
    // Both ways in, cancelled: nothing is printed and the editor takes input again.
    std::string path = WriteScratch("print-me.txt", kPlain);
    bool result = RunEditor(path, [](EditorWindow& w) {
        for (int fromMenu = 1; fromMenu >= 0; --fromMenu) {
            if (fromMenu)
                w.Command(L"&Drucken");
            else
                PostMessageW(w.form, WM_COMMAND, MAKEWPARAM(w.ButtonId(kPrint), 0), 0);
            HWND dlg = WaitForDialog(w, 30000);  // the first print dialog loads the printer driver
            ASSERT_NE(nullptr, dlg) << (fromMenu ? "menu" : "toolbar");
            Sleep(500);
            ClickDialog(dlg, IDCANCEL);
            WaitForDialogGone(dlg);
            Settle(w);
            EXPECT_TRUE(IsWindowVisible(w.form));
            EXPECT_TRUE(IsWindowEnabled(w.form)) << "the editor takes input again";
        }
        w.Close();
    });
    EXPECT_FALSE(result) << "printing changes nothing";
    EXPECT_EQ(kPlain, ReadBytes(path));
}

TEST(QuilletEditor, ConfirmedPrintDialogPrintsAJobTitledWithTheDocumentPath) {
    // The test printer's port is FILE:, so a job without an output file lands in a file named "FILE:" in
    // the printing process's current directory. This Wine lays out no text for printing (its
    // EM_FORMATRANGE is a stub), so the page itself may be blank; the job, its title and its page are real.
    std::string path = WriteScratch("Kurzbrief an Frau Meier.txt", kPlain);
    char oldDir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, oldDir);
    ASSERT_TRUE(SetCurrentDirectoryA(ScratchDir().c_str()));
    DeleteFileA("FILE:");
    bool result = RunEditor(path, [](EditorWindow& w) {
        w.Command(L"&Drucken");
        HWND dlg = WaitForDialog(w, 30000);  // the first print dialog loads the printer driver
        ASSERT_NE(nullptr, dlg) << "print dialog";
        Sleep(500);
        HWND ok = GetDlgItem(dlg, IDOK);
        ASSERT_NE(nullptr, ok) << "the print dialog's OK button";
        // Posted to the button itself: the print dialog's modal loop dispatches it.
        PostMessageW(ok, BM_CLICK, 0, 0);
        WaitForDialogGone(dlg, 30000);
        EXPECT_FALSE(IsWindow(dlg) && IsWindowVisible(dlg)) << "OK closed the print dialog";
        Settle(w);  // the job is printed on the editor's thread once the dialog has closed
        EXPECT_TRUE(IsWindowEnabled(w.form)) << "the editor takes input again";
        w.Close();
    });
    std::string ps = ReadBytes("FILE:");
    DeleteFileA("FILE:");
    SetCurrentDirectoryA(oldDir);
    EXPECT_FALSE(result) << "printing changes nothing";
    EXPECT_EQ(kPlain, ReadBytes(path));
    ASSERT_FALSE(ps.empty()) << "no print job arrived";
    EXPECT_EQ(0u, ps.find("%!PS")) << "the job is PostScript";
    // The last DSC comment of that name (the page count comes "(atend)" first, in the trailer last).
    auto dsc = [&ps](const std::string& key) {
        size_t at = ps.rfind("\n" + key + " ");
        if (at == std::string::npos)
            return std::string("(missing)");
        at += key.size() + 2;
        return ps.substr(at, ps.find_first_of("\r\n", at) - at);
    };
    EXPECT_EQ(path, dsc("%%Title:")) << "the job's title";
    EXPECT_NE(std::string::npos, ps.find("\n%%Page: 1 1")) << "a page was printed";
    EXPECT_EQ("1", dsc("%%Pages:")) << "two lines print on one page, no blank ones after";
    EXPECT_NE(std::string::npos, ps.find("\n%%EOF")) << "the document was ended";
}

TEST(QuilletEditor, UndoAndTheFontDialog) {
    std::string path = WriteScratch("undo-font.txt", "Hallo Welt\r\n");
    RunEditor(path, [](EditorWindow& w) {
        w.Select(0, 0);
        w.Type(L"Q");
        EXPECT_EQ("QHallo Welt", Narrow(w.EditorText()));
        w.ClickButton(kUndo);
        EXPECT_EQ("Hallo Welt", Narrow(w.EditorText())) << "undo button";

        // The font dialog starts from the selection's font; confirming it keeps that font and returns
        // the focus to the editor. (Arial, the editor's font, is not installed here: Tahoma is.)
        w.Select(0, 5);
        CHARFORMAT2W tahoma = {};
        tahoma.cbSize = sizeof(tahoma);
        tahoma.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
        tahoma.dwEffects = CFE_BOLD;
        tahoma.yHeight = 12 * 20;
        lstrcpyW(tahoma.szFaceName, L"Tahoma");
        SendMessageW(w.editor, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&tahoma));
        w.Command(L"&Schrift");
        HWND dlg = WaitForDialog(w);
        ASSERT_NE(nullptr, dlg) << "font dialog";
        Sleep(300);
        ClickDialog(dlg, IDOK);
        WaitForDialogGone(dlg);
        Settle(w);
        CHARFORMAT2W after = Selection(w);
        EXPECT_STREQ(L"Tahoma", after.szFaceName);
        EXPECT_EQ(12 * 20, after.yHeight);
        EXPECT_TRUE(after.dwEffects & CFE_BOLD);
        EXPECT_EQ(w.editor, w.FocusedWindow()) << "after the font dialog";
        w.Close();
    });
}

TEST(QuilletEditor, MenuShortCutsWorkThroughTheKeyboard) {
    std::string path = WriteScratch("keys.txt", "Hallo Welt\r\n");
    bool closed = false;
    RunEditor(path, [&](EditorWindow& w) {
        SetForegroundWindow(w.form);
        Settle(w);
        auto keys = [&](std::initializer_list<WORD> down) {
            std::vector<INPUT> in;
            for (WORD k : down) {
                INPUT i = {};
                i.type = INPUT_KEYBOARD;
                i.ki.wVk = k;
                in.push_back(i);
            }
            for (auto it = down.end(); it != down.begin();) {
                INPUT i = {};
                i.type = INPUT_KEYBOARD;
                i.ki.wVk = *--it;
                i.ki.dwFlags = KEYEVENTF_KEYUP;
                in.push_back(i);
            }
            SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
            Settle(w);
        };
        w.Select(0, 5);
        keys({VK_CONTROL, 'X'});  // cut
        EXPECT_EQ(" Welt", Narrow(w.EditorText())) << "Ctrl+X";
        keys({VK_CONTROL, 'Z'});  // undo
        EXPECT_EQ("Hallo Welt", Narrow(w.EditorText())) << "Ctrl+Z";
        keys({VK_MENU, 'X'});  // exit
        Sleep(200);
        closed = !IsWindowVisible(w.form);
    });
    EXPECT_TRUE(closed) << "Alt+X";
}
