// Reading a document into the rich-edit control and writing it back. The file is read whole before the
// control sees it and the control's rich text is produced whole before the file is opened for writing,
// so a failure on either side leaves the other untouched.
#pragma once
#include <windows.h>
#include <string>

enum TLoadResult {
    lrLoaded,      // read (as rich text, or as plain text when it is not rich text)
    lrMissing,     // no such file: the document starts empty
    lrUnreadable,  // exists but cannot be read: the editor keeps its content
};

TLoadResult LoadDocument(HWND editor, const std::wstring& path);
bool SaveDocument(HWND editor, const std::wstring& path);

// Whole file; false with the system error when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string* bytes, DWORD* error);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
