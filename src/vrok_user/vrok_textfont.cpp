#include "vrok_user/vrok_textfont.h"

namespace vrok { namespace user { namespace controls { namespace text {

void ReplaceControlFont(HWND control, graphics::CFont*& owned, graphics::CFont* font)
{
    graphics::CFont* previous = owned;
    owned = font;
    HFONT handle = font != nullptr ? font->GetHandle() : nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    if (previous != font)
        delete previous;
}

}}}}
