#include "vrok_user/vrok_statictext.h"

#include "vrok_user/vrok_textfont.h"

namespace vrok { namespace user { namespace controls { namespace text {

namespace {
const DWORD DefaultTextStyle = WS_BORDER | ES_LOWERCASE;
const DWORD ReadOnlyTextStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | ES_READONLY;
}

CStaticText::~CStaticText()
{
    delete m_font;
    m_font = nullptr;
}

bool CStaticText::Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                         DWORD exStyle, DWORD style)
{
    const DWORD ownStyle = (style != 0 ? style : DefaultTextStyle) | ReadOnlyTextStyle;
    return CControl::Create(parent, L"EDIT", 0, text, x, y, width, height, exStyle, ownStyle);
}

void CStaticText::SetFont(graphics::CFont* font)
{
    ReplaceControlFont(m_handle, m_font, font);
}

}}}}
