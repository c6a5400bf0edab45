#ifndef VROK_USER_PROGRESSBAR_H
#define VROK_USER_PROGRESSBAR_H

#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls { namespace progressbar {

// The platform's progress bar, filled from 0 to its range.
class CProgressBar : public CChildControl
{
public:
    CProgressBar();

    using CChildControl::Create;
    // A child bar of the parent with the range, placed by a later Move.
    virtual bool Create(CBaseWindow* parent, int range);

    // PBM_SETPOS: the part of the range filled.
    void SetPosition(int position);
};

}}}}

#endif
