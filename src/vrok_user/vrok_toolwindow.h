#ifndef VROK_USER_TOOLWINDOW_H
#define VROK_USER_TOOLWINDOW_H

#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls { namespace toolwindow {

// An owned top-level tool window (topmost, with a drop shadow) of the class
// "VYMP_TOOL_WINDOW_CLASSNAME".
class CToolWindow : public CUserControl
{
public:
    static const wchar_t ClassName[];

    // Posts WM_CONTROL_CLOSED (101) to the parent, then destroys the window.
    bool Close() override;

    using CControl::Create;
    // Registers the tool window class (a registered class is simply used) and creates the window.
    virtual bool Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style);
};

}}}}

#endif
