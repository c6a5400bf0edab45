#ifndef VROK_USER_STATICTEXT_H
#define VROK_USER_STATICTEXT_H

#include "vrok_user/vrok_textfield.h"

namespace vrok { namespace user { namespace controls { namespace text {

// A read-only edit field: the user can select and copy its text but not type into it.
class CStaticText : public CTextField
{
public:
    CStaticText() : CTextField(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | ES_READONLY) {}
};

}}}}

#endif
