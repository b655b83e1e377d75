// The runtime compatibility check: the maker's name in the version block of the installed runtime.
#include <cstdio>
#include <string>
#include <vector>
#include "settings/SettingsStore.h"

const char* g_pszRuntimeFileOverride = nullptr;

namespace {

std::string ReadVersionString(const BYTE* block, const char* key, const char* name) {
    std::string query = std::string("\\StringFileInfo\\") + key + "\\" + name;
    char* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block, query.c_str(), reinterpret_cast<void**>(&value), &length) || value == nullptr)
        return "";
    // The length counts characters and may include the terminator; a value is read up to its NUL.
    return std::string(value, strnlen(value, length));
}

}  // namespace

int CheckRuntimeFile(const char* path) {
    // The buffer takes the size the system asks for: reading the names through the ANSI calls converts
    // them into space after the block, which a fixed 1024 bytes does not leave for the runtime's block.
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return 0;
    std::vector<BYTE> buffer(size + 1024);
    BYTE* block = buffer.data();
    if (!::GetFileVersionInfoA(path, 0, (DWORD)buffer.size(), block))
        return 0;
    char key[16];
    std::snprintf(key, sizeof(key), "%04X04B0", (unsigned)::GetUserDefaultLangID());
    const std::string company = ReadVersionString(block, key, "CompanyName");
    const std::string product = ReadVersionString(block, key, "ProductName");
    if (lstrcmpiA(company.c_str(), "Zephal Semiconductor") == 0 ||
        lstrcmpiA(company.c_str(), "Zephal Semiconductor Inc.") == 0)
        return 1;
    if (lstrcmpiA(product.c_str(), "SM Emulation") == 0)
        return 1;
    if (company.empty() && product.empty())
        return -1;
    return 0;
}

int CSettingsStore::CheckRuntimeCompatibility() {
    if (g_pszRuntimeFileOverride != nullptr)
        return CheckRuntimeFile(g_pszRuntimeFileOverride);
    char dir[MAX_PATH + 16] = "";
    UINT n = ::GetSystemDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return -1;
    std::string path(dir);
    path += path.back() == '\\' ? "TAZRO.DLL" : "\\TAZRO.DLL";
    return CheckRuntimeFile(path.c_str());
}
