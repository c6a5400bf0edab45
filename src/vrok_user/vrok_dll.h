#ifndef VROK_USER_DLL_H
#define VROK_USER_DLL_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace data { namespace type { namespace kernelobject {

struct CLibraryTraits
{
    typedef HMODULE Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle library) { return FreeLibrary(library); }
};

// A library loaded at run time, released with FreeLibrary.
class CDll final
{
public:
    // LoadLibraryW of the name; a library held before is released. False when not loaded.
    bool Load(const wchar_t* name) { return m_library.Reset(LoadLibraryW(name)); }

    // GetProcAddress of an entry point of the loaded library; null when not loaded or absent.
    FARPROC FindEntryPoint(const char* name) const
    {
        return m_library.IsValid() ? GetProcAddress(m_library.Get(), name) : nullptr;
    }

    bool IsNull() const { return !m_library.IsValid(); }

private:
    CUniqueHandle<CLibraryTraits> m_library;
};

}}}}

#endif
