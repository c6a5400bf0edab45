#include "vrok_user/vrok_dll.h"

namespace vrok { namespace data { namespace type { namespace kernelobject {

CDll::~CDll()
{
    if (m_handle != nullptr)
        FreeLibrary(m_handle);
    m_handle = nullptr;
}

bool CDll::Load(const wchar_t* name)
{
    Close();
    m_handle = LoadLibraryW(name);
    return m_handle != nullptr;
}

FARPROC CDll::FindEntryPoint(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
    return GetProcAddress(m_handle, name);
}

bool CDll::Close()
{
    if (m_handle == nullptr)
        return false;
    const BOOL freed = FreeLibrary(m_handle);
    m_handle = nullptr;
    return freed == 1;
}

}}}}
