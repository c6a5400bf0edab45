#include "vrok_user/vrok_button.h"

#include <commctrl.h>

#ifndef ICC_STANDARD_CLASSES
#define ICC_STANDARD_CLASSES 0x00004000
#endif

namespace vrok { namespace user { namespace controls { namespace button {

CButton::CButton()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

bool CButton::Create(CBaseWindow* parent, int identifier, const wchar_t* text, int x, int y, int width,
                     int height, DWORD, DWORD)
{
    return CControl::Create(parent, L"BUTTON", identifier, text, x, y, width, height, 0,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
}

}}}}
