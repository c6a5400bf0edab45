#ifndef VROK_USER_EDITTEXT_H
#define VROK_USER_EDITTEXT_H

#include "vrok_user/vrok_textfield.h"

namespace vrok { namespace user { namespace controls { namespace text {

// An edit field the user types into.
class CEditText : public CTextField
{
public:
    CEditText() : CTextField(WS_CHILD | WS_VISIBLE) {}
};

}}}}

#endif
