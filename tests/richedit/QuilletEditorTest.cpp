// Quillet's export driven as a caller drives it: RICHING runs on the test's thread while a driver thread
// works the window "Kurzbrief bearbeiten" with window messages and mouse input.
#include "EditorDriver.h"
#include <gtest/gtest.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>

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
    HWND edit = CreateWindowExW(0, RICHEDIT_CLASSW, nullptr, ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
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
        bool result = RunEditor(path, [](EditorWindow& w) { w.Close(); }, &found);
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
        {"binary", std::string("ab\x01\xFF" "cd", 6), L""},
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
        } cases[] = {{"empty at start", 0, 0, false}, {"three characters", 0, 3, true},
                     {"empty inside", 5, 5, false}, {"all", 0, -1, true}};
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
