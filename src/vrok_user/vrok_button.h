#ifndef VROK_USER_BUTTON_H
#define VROK_USER_BUTTON_H

#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls { namespace button {

// A push button; its clicks reach the parent as WM_COMMAND with its identifier.
class CButton : public CChildControl
{
public:
    CButton();

    using CChildControl::Create;
    // The extended style and the style are not used: a button is always a plain push button.
    virtual bool Create(CBaseWindow* parent, int identifier, const wchar_t* text, int x, int y,
                        int width, int height, DWORD exStyle, DWORD style);
};

}}}}

#endif
