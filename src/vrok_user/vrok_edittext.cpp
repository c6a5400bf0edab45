#include "vrok_user/vrok_edittext.h"

#include "vrok_user/vrok_textfont.h"

namespace vrok { namespace user { namespace controls { namespace text {

namespace {
const DWORD DefaultEditStyle = WS_BORDER | ES_LOWERCASE;
}

CEditText::~CEditText()
{
    delete m_font;
    m_font = nullptr;
}

bool CEditText::Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                       DWORD exStyle, DWORD style)
{
    const DWORD ownStyle = (style != 0 ? style : DefaultEditStyle) | WS_CHILD | WS_VISIBLE;
    return CControl::Create(parent, L"EDIT", 0, text, x, y, width, height, exStyle, ownStyle);
}

void CEditText::SetFont(graphics::CFont* font)
{
    ReplaceControlFont(m_handle, m_font, font);
}

}}}}
