#ifndef VROK_USER_TEXTFONT_H
#define VROK_USER_TEXTFONT_H

#include "vrok_user/vrok_gdiobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace controls { namespace text {

// Gives a text control a font that it owns from now on: WM_SETFONT with redrawing, then the
// font held before (if another one) is deleted.
void ReplaceControlFont(HWND control, graphics::CFont*& owned, graphics::CFont* font);

}}}}

#endif
