#include "vrok_user/vrok_accelerators.h"

namespace vrok { namespace user { namespace accelerators {

CAcceleratorTable::~CAcceleratorTable()
{
    if (m_handle != nullptr)
        DestroyAcceleratorTable(m_handle);
}

bool CAcceleratorTable::Create(const ACCEL* entries, int count)
{
    Close();
    m_handle = CreateAcceleratorTableW(const_cast<ACCEL*>(entries), count);
    return m_handle != nullptr;
}

bool CAcceleratorTable::Translate(HWND window, MSG& message) const
{
    return m_handle != nullptr && window != nullptr && TranslateAcceleratorW(window, m_handle, &message) != 0;
}

bool CAcceleratorTable::Close()
{
    if (m_handle == nullptr)
        return false;
    const BOOL destroyed = DestroyAcceleratorTable(m_handle);
    m_handle = nullptr;
    return destroyed == 1;
}

}}}
