#ifndef VROK_USER_DLL_H
#define VROK_USER_DLL_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace data { namespace type { namespace kernelobject {

// A library loaded at run time, released with FreeLibrary.
class CDll final : public CKernelObject<HINSTANCE>
{
public:
    CDll() = default;
    ~CDll();

    // LoadLibraryW of the name; a library held before is released. False when not loaded.
    bool Load(const wchar_t* name);

    // GetProcAddress of an entry point of the loaded library; null when not loaded or absent.
    FARPROC FindEntryPoint(const char* name) const;

    bool Close() override;
};

}}}}

#endif
