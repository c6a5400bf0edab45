#include "vrok_user/vrok_gdiobject.h"

#include <cstring>
#include <cwchar>

namespace vrok { namespace user { namespace graphics {

CFont::CFont() : CGdiObject<HFONT>(), LOGFONTW()
{
    std::memset(static_cast<LOGFONTW*>(this), 0, sizeof(LOGFONTW));
    lfHeight = 10;
    lfCharSet = DEFAULT_CHARSET;
    lfOutPrecision = OUT_DEFAULT_PRECIS;
    lfPitchAndFamily = FF_MODERN | FIXED_PITCH;
    SetFaceName(L"Verdana");
}

bool CFont::Create()
{
    return Adopt(CreateFontIndirectW(static_cast<LOGFONTW*>(this)));
}

void CFont::SetFaceName(const wchar_t* faceName)
{
    std::memset(lfFaceName, 0, sizeof(lfFaceName));
    if (faceName != nullptr)
        std::wcsncpy(lfFaceName, faceName, LF_FACESIZE - 1);
}

CPen::CPen(COLORREF colour, int width, int style) : m_width(width), m_style(style), m_colour(colour) {}

bool CPen::Create()
{
    return Adopt(CreatePen(m_style, m_width, m_colour));
}

CSolidBrush::CSolidBrush(COLORREF colour) : m_colour(colour) {}

bool CSolidBrush::Create()
{
    return Adopt(CreateSolidBrush(m_colour));
}

bool CBitmap::LoadFromResource(const wchar_t* name, UINT flags)
{
    HANDLE image = LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, flags);
    return Adopt(static_cast<HBITMAP>(image));
}

}}}
