// The in-process COM server: class factory, unloading and self-registration.
#include <olectl.h>
#include <cstdio>
#include <cstring>
#include "audio/TazroRuntime.h"
#include "runtime/TazroEmulation.h"

namespace {

HMODULE g_hModule = nullptr;

class TazroClassFactory final : public IClassFactory {
public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: its references only keep the server loaded.
    STDMETHOD_(ULONG, AddRef)() override {
        ::InterlockedIncrement(&g_nLocks);
        return 2;
    }
    STDMETHOD_(ULONG, Release)() override {
        ::InterlockedDecrement(&g_nLocks);
        return 1;
    }
    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID riid, void** ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        return CreateTazroDevice(riid, ppv);
    }
    STDMETHOD(LockServer)(BOOL lock) override {
        if (lock)
            ::InterlockedIncrement(&g_nLocks);
        else
            ::InterlockedDecrement(&g_nLocks);
        return S_OK;
    }
};

TazroClassFactory g_factory;

void ClassKeyPath(char* path, size_t size) {
    LPOLESTR text = nullptr;
    ::StringFromCLSID(CLSID_TazroDirectSound, &text);
    char clsid[64] = "";
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, clsid, sizeof(clsid), nullptr, nullptr);
    ::CoTaskMemFree(text);
    std::snprintf(path, size, "Software\\Classes\\CLSID\\%s", clsid);
}

bool SetString(HKEY root, const char* subKey, const char* name, const char* value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), DWORD(strlen(value) + 1));
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_hModule = instance;
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* ppv) {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (clsid != CLSID_TazroDirectSound)
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow() {
    return (g_nObjects == 0 && g_nLocks == 0) ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    char module[MAX_PATH] = "";
    ::GetModuleFileNameA(g_hModule, module, sizeof(module));
    char path[160];
    ClassKeyPath(path, sizeof(path));
    char server[200];
    std::snprintf(server, sizeof(server), "%s\\InprocServer32", path);
    if (!SetString(HKEY_LOCAL_MACHINE, path, nullptr, "Tazro DirectSound Device") ||
        !SetString(HKEY_LOCAL_MACHINE, server, nullptr, module) ||
        !SetString(HKEY_LOCAL_MACHINE, server, "ThreadingModel", "Both"))
        return SELFREG_E_CLASS;
    return S_OK;
}

STDAPI DllUnregisterServer() {
    char path[160];
    ClassKeyPath(path, sizeof(path));
    LONG rc = ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
        return SELFREG_E_CLASS;
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    return S_OK;
}
