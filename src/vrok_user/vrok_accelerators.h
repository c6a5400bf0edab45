#ifndef VROK_USER_ACCELERATORS_H
#define VROK_USER_ACCELERATORS_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace accelerators {

// An accelerator table made at run time from a list of keys and commands, destroyed with the
// object (DestroyAcceleratorTable).
class CAcceleratorTable : public data::type::kernelobject::CKernelObject<HACCEL>
{
public:
    CAcceleratorTable() = default;
    ~CAcceleratorTable();

    // CreateAcceleratorTableW; replaces a table held before. False when none could be made.
    bool Create(const ACCEL* entries, int count);

    // TranslateAcceleratorW for a window: true when the message was a key of the table and
    // became a WM_COMMAND (code 1) sent to the window.
    bool Translate(HWND window, MSG& message) const;

    bool Close() override;
};

}}}

#endif
