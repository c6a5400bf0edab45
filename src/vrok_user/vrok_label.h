#ifndef VROK_USER_LABEL_H
#define VROK_USER_LABEL_H

#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls { namespace label {

// A line of text the user reads but cannot select (the platform's static control), never
// wrapped: a text too long for it loses its middle (a path) or its end (a sentence).
class CLabel : public CChildControl
{
public:
    enum class Shortening { PathMiddle, End };

    using CChildControl::Create;
    // A child label of the parent, placed by a later Move.
    virtual bool Create(CBaseWindow* parent, Shortening shortening);
};

}}}}

#endif
