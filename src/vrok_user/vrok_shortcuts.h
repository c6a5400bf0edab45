#ifndef VROK_USER_SHORTCUTS_H
#define VROK_USER_SHORTCUTS_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace shortcuts {

struct CShortcutTableTraits
{
    typedef HACCEL Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle table) { return DestroyAcceleratorTable(table); }
};

// A table of keyboard shortcuts (CreateAcceleratorTableW) and the one owner of its handle. A
// key message translated through it becomes its command, sent to the window as WM_COMMAND with
// code 1, whichever of the window's children has the focus.
class CShortcutTable
{
public:
    // Replaces the table; false when the new one cannot be made (none is held then).
    bool Assign(const ACCEL* shortcuts, int count)
    {
        return m_table.Reset(CreateAcceleratorTableW(const_cast<ACCEL*>(shortcuts), count));
    }
    // TranslateAcceleratorW for `window`; true when the message became a command.
    bool Translate(HWND window, MSG& message) const
    {
        return m_table.IsValid() && window != nullptr && TranslateAcceleratorW(window, m_table.Get(), &message) != 0;
    }
    bool Close() { return m_table.Close(); }
    bool IsNull() const { return !m_table.IsValid(); }

private:
    data::type::kernelobject::CUniqueHandle<CShortcutTableTraits> m_table;
};

}}}

#endif
