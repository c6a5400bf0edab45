#include "import_hook.h"

namespace testsupport {

namespace {

void Store(void** entry, void* value)
{
    DWORD previous = 0;
    VirtualProtect(entry, sizeof(void*), PAGE_READWRITE, &previous);
    *entry = value;
    VirtualProtect(entry, sizeof(void*), previous, &previous);
}

// The import address table entry of the function in this program's image, or null.
void** FindImportEntry(const char* dllName, const char* functionName)
{
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         imports.VirtualAddress != 0 && dll->Name != 0; ++dll) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), dllName) != 0)
            continue;
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++entries) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), functionName) == 0)
                return reinterpret_cast<void**>(&entries->u1.Function);
        }
    }
    return nullptr;
}

}

CImportHook::CImportHook(const char* dllName, const char* functionName, void* replacement)
    : m_entry(FindImportEntry(dllName, functionName)), m_original(m_entry ? *m_entry : nullptr)
{
    if (m_entry != nullptr)
        Store(m_entry, replacement);
}

CImportHook::~CImportHook()
{
    if (m_entry != nullptr)
        Store(m_entry, m_original);
}

}
