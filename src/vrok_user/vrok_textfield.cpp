#include "vrok_user/vrok_textfield.h"

namespace vrok { namespace user { namespace controls { namespace text {

namespace {
const DWORD DefaultStyle = WS_BORDER | ES_LOWERCASE;
}

bool CTextField::Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style)
{
    const DWORD ownStyle = (style != 0 ? style : DefaultStyle) | m_addedStyle;
    return CControl::Create(parent, L"EDIT", 0, text, x, y, width, height, exStyle, ownStyle);
}

}}}}
