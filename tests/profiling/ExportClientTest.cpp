// Another program's view of Pellora.exe: loaded as a library, the three measurement functions are found
// by name and by ordinal and work. Wine's loader neither relocates an executable loaded this way (its
// preferred base is taken by the client) nor binds its imports, so the client does both itself first.
#include <gtest/gtest.h>
#include <cpuid.h>
#include <cstring>
#include "ProfilingTestSupport.h"
#include "profiling/ProcessorInfo.h"

namespace {

// Applies the base relocations of an image mapped away from its preferred base, unless the loader did
// (it then records the actual base in the header).
void ApplyRelocations(HMODULE module) {
    BYTE* base = reinterpret_cast<BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    LONG_PTR delta = reinterpret_cast<LONG_PTR>(base) - static_cast<LONG_PTR>(nt->OptionalHeader.ImageBase);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    if (delta == 0 || dir.VirtualAddress == 0)
        return;
    const BYTE* p = base + dir.VirtualAddress;
    const BYTE* end = p + dir.Size;
    while (p + sizeof(IMAGE_BASE_RELOCATION) <= end) {
        const IMAGE_BASE_RELOCATION* block = reinterpret_cast<const IMAGE_BASE_RELOCATION*>(p);
        if (block->SizeOfBlock < sizeof(IMAGE_BASE_RELOCATION))
            break;
        BYTE* page = base + block->VirtualAddress;
        DWORD old = 0;
        ::VirtualProtect(page, 2 * 4096, PAGE_EXECUTE_READWRITE, &old);
        const WORD* entry = reinterpret_cast<const WORD*>(block + 1);
        size_t count = (block->SizeOfBlock - sizeof(IMAGE_BASE_RELOCATION)) / sizeof(WORD);
        for (size_t i = 0; i < count; ++i) {
            BYTE* target = page + (entry[i] & 0x0FFF);
            switch (entry[i] >> 12) {
                case IMAGE_REL_BASED_DIR64:
                    *reinterpret_cast<ULONGLONG*>(target) += static_cast<ULONGLONG>(delta);
                    break;
                case IMAGE_REL_BASED_HIGHLOW:
                    *reinterpret_cast<DWORD*>(target) += static_cast<DWORD>(delta);
                    break;
                default:
                    break;
            }
        }
        ::VirtualProtect(page, 2 * 4096, old, &old);
        p += block->SizeOfBlock;
    }
}

// Fills the import address table of a loaded image; names the first import that cannot be found.
bool BindImports(HMODULE module, std::string* pMissing) {
    BYTE* base = reinterpret_cast<BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return true;
    for (const IMAGE_IMPORT_DESCRIPTOR* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         d->Name != 0; ++d) {
        const char* dllName = reinterpret_cast<const char*>(base + d->Name);
        HMODULE dll = ::LoadLibraryA(dllName);
        if (dll == nullptr) {
            *pMissing = dllName;
            return false;
        }
        DWORD lookupRva = d->OriginalFirstThunk != 0 ? d->OriginalFirstThunk : d->FirstThunk;
        const IMAGE_THUNK_DATA* lookup = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + lookupRva);
        IMAGE_THUNK_DATA* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; lookup->u1.AddressOfData != 0; ++lookup, ++slot) {
            FARPROC proc;
            std::string what;
            if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal)) {
                proc = ::GetProcAddress(dll, MAKEINTRESOURCEA(IMAGE_ORDINAL(lookup->u1.Ordinal)));
                what = std::string(dllName) + " #" + std::to_string(IMAGE_ORDINAL(lookup->u1.Ordinal));
            } else {
                const IMAGE_IMPORT_BY_NAME* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + lookup->u1.AddressOfData);
                proc = ::GetProcAddress(dll, reinterpret_cast<const char*>(byName->Name));
                what = std::string(dllName) + " " + reinterpret_cast<const char*>(byName->Name);
            }
            if (proc == nullptr) {
                *pMissing = what;
                return false;
            }
            DWORD old = 0;
            ::VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), PAGE_READWRITE, &old);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(proc);
            ::VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), old, &old);
        }
    }
    return true;
}

typedef unsigned int (*FeaturesFn)();
typedef FreqInfo (*SpeedFn)(int, int);
typedef int (*LoadFn)(float);

TEST(PelloraExports, ThreeFunctionsByNameAndOrdinalFromTheLoadedProgram) {
    std::string path = profilingtest::StagedFolder() + "\\Pellora.exe";
    HMODULE pellora = ::LoadLibraryA(path.c_str());
    ASSERT_NE(nullptr, pellora) << path << " error " << ::GetLastError();
    std::string missing;
    ApplyRelocations(pellora);
    ASSERT_TRUE(BindImports(pellora, &missing)) << "cannot bind " << missing;

    struct Export {
        const char* name;
        WORD ordinal;
    } exports[] = {{"cpuspeed", 1}, {"cpuspeed2", 2}, {"wincpufeatures", 3}};
    FARPROC byName[3];
    for (int i = 0; i < 3; ++i) {
        byName[i] = ::GetProcAddress(pellora, exports[i].name);
        EXPECT_NE(nullptr, byName[i]) << exports[i].name;
        EXPECT_EQ(byName[i], ::GetProcAddress(pellora, MAKEINTRESOURCEA(exports[i].ordinal))) << exports[i].name;
    }
    ASSERT_TRUE(byName[0] && byName[1] && byName[2]);

    unsigned int regs[4] = {0, 0, 0, 0};
    __cpuid(0, regs[0], regs[1], regs[2], regs[3]);
    char vendor[13] = "";
    std::memcpy(vendor, &regs[1], 4);
    std::memcpy(vendor + 4, &regs[3], 4);
    std::memcpy(vendor + 8, &regs[2], 4);
    bool intel = std::strcmp(vendor, "GenuineIntel") == 0;
    __cpuid(1, regs[0], regs[1], regs[2], regs[3]);

    FeaturesFn features = reinterpret_cast<FeaturesFn>(reinterpret_cast<void*>(byName[2]));
    SpeedFn speed = reinterpret_cast<SpeedFn>(reinterpret_cast<void*>(byName[0]));
    LoadFn load = reinterpret_cast<LoadFn>(reinterpret_cast<void*>(byName[1]));
    EXPECT_EQ(regs[3], features());

    FreqInfo automatic = speed(0, 0);
    FreqInfo loop = speed(75, 0);
    if (intel) {
        EXPECT_GT(automatic.nRawMHz, 0u);
        EXPECT_GE(automatic.nNormMHz, automatic.nRawMHz);
        EXPECT_EQ(75u * 4000, loop.nCycles);
    } else {
        // Other makers are not measured: four zeros.
        EXPECT_EQ(0u, automatic.nCycles | automatic.nMicroseconds | automatic.nRawMHz | automatic.nNormMHz) << vendor;
        EXPECT_EQ(0u, loop.nCycles | loop.nMicroseconds | loop.nRawMHz | loop.nNormMHz) << vendor;
    }
    // The load figure is whatever the machine gives; the call must come back through the bound imports.
    int figure = load(0.0f);
    EXPECT_LE(figure, 100);
    ::FreeLibrary(pellora);
}

}  // namespace
