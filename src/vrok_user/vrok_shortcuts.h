#ifndef VROK_USER_SHORTCUTS_H
#define VROK_USER_SHORTCUTS_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace shortcuts {

// A table of keyboard shortcuts (CreateAcceleratorTableW) and the one owner of its handle. A
// key message translated through it becomes its command, sent to the window as WM_COMMAND with
// code 1, whichever of the window's children has the focus.
class CShortcutTable : public data::type::kernelobject::CKernelObject<HACCEL>
{
public:
    CShortcutTable() = default;
    ~CShortcutTable() { Close(); }

    // Replaces the table; false when the new one cannot be made (none is held then).
    bool Assign(const ACCEL* shortcuts, int count)
    {
        Close();
        m_handle = CreateAcceleratorTableW(const_cast<ACCEL*>(shortcuts), count);
        return m_handle != nullptr;
    }
    // TranslateAcceleratorW for `window`; true when the message became a command.
    bool Translate(HWND window, MSG& message) const
    {
        return m_handle != nullptr && window != nullptr && TranslateAcceleratorW(window, m_handle, &message) != 0;
    }
    // DestroyAcceleratorTable.
    bool Close() override
    {
        if (m_handle == nullptr)
            return false;
        const BOOL destroyed = DestroyAcceleratorTable(m_handle);
        m_handle = nullptr;
        return destroyed == 1;
    }
};

}}}

#endif
