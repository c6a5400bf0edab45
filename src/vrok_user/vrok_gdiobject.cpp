#include "vrok_user/vrok_gdiobject.h"

#include "vrok_user/vrok_devicecontext.h"
#include "vrok_user/vrok_dpi.h"

#include <cstring>
#include <cwchar>

namespace vrok { namespace user { namespace graphics {

namespace {

// A new bitmap of the size holding the source stretched with averaging (HALFTONE), so that a
// reduced picture stays smooth; null when the system cannot make it.
HBITMAP StretchedCopy(HBITMAP source, int width, int height)
{
    BITMAP record = {};
    if (GetObjectW(source, sizeof(record), &record) == 0)
        return nullptr;
    const CScreenContext screen;
    const CMemoryContext from(screen.Get());
    const CMemoryContext to(screen.Get());
    if (from.IsNull() || to.IsNull())
        return nullptr;
    HBITMAP result = CreateCompatibleBitmap(screen.Get(), width, height);
    if (result == nullptr)
        return nullptr;
    const CSelection sourceSelected(from.Get(), source);
    const CSelection targetSelected(to.Get(), result);
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, record.bmWidth, record.bmHeight, SRCCOPY);
    return result;
}

}

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

int CBitmap::LoadDrawingForDpi(int id, int dpi)
{
    const int percent = dpi::Scale(100, dpi);
    const int drawnPercent = percent <= 100 ? 100 : percent <= 150 ? 150 : 200;
    const int drawnId = id + (drawnPercent == 150 ? Drawn150Offset : drawnPercent == 200 ? Drawn200Offset : 0);
    return LoadFromResource(MAKEINTRESOURCEW(drawnId), 0) ? drawnPercent : 0;
}

bool CBitmap::LoadForDpi(int id, int dpi)
{
    const int drawnPercent = LoadDrawingForDpi(id, dpi);
    if (drawnPercent == 0)
        return false;
    if (dpi::Scale(100, dpi) == drawnPercent)
        return true;
    BITMAP record = {};
    GetObjectW(GetHandle(), sizeof(record), &record);
    const int width = dpi::Scale(MulDiv(record.bmWidth, 100, drawnPercent), dpi);
    const int height = dpi::Scale(MulDiv(record.bmHeight, 100, drawnPercent), dpi);
    // Without a stretched copy the drawing is shown at its own size.
    StretchTo(width, height);
    return true;
}

bool CBitmap::StretchTo(int width, int height)
{
    HBITMAP stretched = IsNull() ? nullptr : StretchedCopy(GetHandle(), width, height);
    return stretched != nullptr && Adopt(stretched);
}

}}}
