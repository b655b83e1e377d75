#include "DocumentFile.h"
#include <richedit.h>
#include <cstring>

namespace {

struct TStreamSource {
    const std::string* bytes;
    size_t pos;
};

DWORD CALLBACK ReadFromMemory(DWORD_PTR cookie, LPBYTE buffer, LONG want, LONG* got) {
    TStreamSource* s = reinterpret_cast<TStreamSource*>(cookie);
    size_t left = s->bytes->size() - s->pos;
    size_t n = left < static_cast<size_t>(want) ? left : static_cast<size_t>(want);
    if (n > 0)
        std::memcpy(buffer, s->bytes->data() + s->pos, n);
    s->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteToMemory(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), count);
    *done = count;
    return 0;
}

bool StreamIn(HWND editor, const std::string& bytes, WPARAM format) {
    TStreamSource src = {&bytes, 0};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&src);
    es.pfnCallback = ReadFromMemory;
    SendMessageW(editor, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
    return es.dwError == 0;
}

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::string* bytes, DWORD* error) {
    bytes->clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        return false;
    }
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart < 0x7FFFFFF0;
    if (ok) {
        bytes->resize(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        while (ok && done < bytes->size()) {
            DWORD got = 0;
            DWORD want = static_cast<DWORD>(bytes->size() - done);
            ok = ReadFile(h, &(*bytes)[done], want, &got, nullptr) && got > 0;
            done += got;
        }
    }
    *error = ok ? 0 : GetLastError();
    CloseHandle(h);
    if (!ok && *error == 0)
        *error = ERROR_READ_FAULT;
    return ok;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        DWORD put = 0;
        ok = WriteFile(h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put, nullptr) && put > 0;
        done += put;
    }
    return CloseHandle(h) && ok;
}

TLoadResult LoadDocument(HWND editor, const std::wstring& path) {
    std::string bytes;
    DWORD error = 0;
    if (!ReadWholeFile(path, &bytes, &error)) {
        // Only a file that is not there counts as a new document; anything else must not be overwritten.
        if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) &&
            GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return lrMissing;
        return lrUnreadable;
    }
    if (!StreamIn(editor, bytes, SF_RTF)) {
        // Not rich text: the bytes are plain text; a UTF-8 signature says which code page.
        if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            std::string text = bytes.substr(3);
            StreamIn(editor, text, (CP_UTF8 << 16) | SF_USECODEPAGE | SF_TEXT);
        } else {
            StreamIn(editor, bytes, SF_TEXT);
        }
    }
    return lrLoaded;
}

bool SaveDocument(HWND editor, const std::wstring& path) {
    std::string rtf;
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    es.pfnCallback = WriteToMemory;
    SendMessageW(editor, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
    if (es.dwError != 0 || rtf.empty())
        return false;
    return WriteWholeFile(path, rtf);
}
