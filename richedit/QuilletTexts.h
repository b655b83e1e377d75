// The library's own messages to the user, German like the rest of the window.
#pragma once
#include <string>

inline std::wstring CannotReadText(const std::wstring& path) {
    return L"Die Datei \"" + path + L"\" kann nicht gelesen werden.\n\nSie wird nicht überschrieben.";
}

inline std::wstring CannotSaveText(const std::wstring& path) {
    return L"Die Datei \"" + path + L"\" konnte nicht gespeichert werden.\n\nDie Änderungen sind nicht gesichert.";
}
