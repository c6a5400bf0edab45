#include "vrok_user/vrok_gradientcontrol.h"

#include "vrok_user/vrok_classbrush.h"
#include "vrok_user/vrok_dpi.h"

namespace vrok { namespace user { namespace controls { namespace panel {

using basewindow::CBaseWindow;
using basewindow::CWindowClass;
using graphics::CGraphic;
using graphics::CPen;

const wchar_t CGradientControl::ClassName[] = L"VYMP_GRADIENT_WINDOW_CLASSNAME";

namespace {

const int StripInset = 10;     // the strip stops this far from the left and right edges
const int StripTop = 1;
const int StripBottom = 20;
const int BoxLeft = 10;
const int CornerSize = 10;
const int TitleX = 26;
const int TitleY = 2;
const int TitleCapacity = 254; // characters of the title read back, terminator included
const COLORREF AccentColour = RGB(133, 154, 237);

BYTE ChannelByte(COLOR16 channel)
{
    return static_cast<BYTE>(channel >> 8);
}

BYTE Interpolate(COLOR16 from, COLOR16 to, int step, int steps)
{
    if (steps <= 1)
        return ChannelByte(from);
    const int first = ChannelByte(from);
    const int last = ChannelByte(to);
    return static_cast<BYTE>(first + (last - first) * step / (steps - 1));
}

// The children are drawn again over the box.
BOOL CALLBACK RepaintAndShowChild(HWND child, LPARAM)
{
    InvalidateRect(child, nullptr, TRUE);
    ShowWindow(child, SW_SHOW);
    return TRUE;
}

}

CGradientControl::CGradientControl()
    : m_startRed(0x2700), m_startGreen(0x3100), m_startBlue(0x9700),
      m_endRed(0xFF00), m_endGreen(0xFF00), m_endBlue(0xFF00), m_textColour(RGB(255, 255, 255)),
      m_outlineColour(RGB(39, 49, 151)), m_dpi(dpi::StandardDpi)
{
}

void CGradientControl::SetDpi(int dpi)
{
    m_dpi = dpi;
    MakeTitleFont();
    if (m_handle != nullptr)
        InvalidateRect(m_handle, nullptr, TRUE);
}

int CGradientControl::Scaled(int value) const
{
    return dpi::Scale(value, m_dpi);
}

bool CGradientControl::FillWindowClass(CWindowClass& windowClass)
{
    windowClass.lpszClassName = ClassName;
    windowClass.hbrBackground = graphics::ClassBackgroundBrush(ClassName, BackgroundColour);
    return true;
}

bool CGradientControl::Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                              DWORD exStyle, DWORD style)
{
    return CUserChildControl::Create(parent, ClassName, text, x, y, width, height, exStyle,
                                     style | WS_CHILD | WS_VISIBLE);
}

bool CGradientControl::OnPaint()
{
    RECT client = {};
    GetClientRect(client);

    // The pens outlive the graphic, whose destruction takes them out of the device context
    // before they are deleted.
    CPen outlinePen(m_outlineColour, Scaled(1), PS_SOLID);
    outlinePen.Create();
    CPen accentPen(AccentColour, Scaled(2), PS_SOLID);
    accentPen.Create();

    CGraphic graphic(m_handle);
    graphic.BeginPaint();
    graphic.SetTextColor(m_textColour);

    // A pen that could not be made throws here; the pens and the graphic are released on the
    // way out all the same.
    graphic.SelectPen(outlinePen);
    HDC context = graphic.GetHandle();
    RoundRect(context, Scaled(BoxLeft), 0, client.right, client.bottom, Scaled(CornerSize), Scaled(CornerSize));
    FillStrip(graphic, client);
    graphic.SetBkMode(TRANSPARENT);
    MoveToEx(context, Scaled(BoxLeft), 0, nullptr);
    LineTo(context, Scaled(BoxLeft), Scaled(StripBottom));

    graphic.SelectPen(accentPen);
    MoveToEx(context, Scaled(7), Scaled(5), nullptr);
    LineTo(context, Scaled(11), 0);

    DrawTitle(graphic);
    EnumChildWindows(m_handle, RepaintAndShowChild, 0);

    graphic.EndPaint();
    return false;
}

void CGradientControl::FillStrip(CGraphic& graphic, const RECT& client)
{
    TRIVERTEX vertices[2] = {};
    vertices[0].x = client.left + Scaled(StripInset);
    vertices[0].y = client.top + Scaled(StripTop);
    vertices[0].Red = m_startRed;
    vertices[0].Green = m_startGreen;
    vertices[0].Blue = m_startBlue;
    vertices[1].x = client.right - Scaled(StripInset);
    vertices[1].y = client.top + Scaled(StripBottom);
    vertices[1].Red = m_endRed;
    vertices[1].Green = m_endGreen;
    vertices[1].Blue = m_endBlue;
    GRADIENT_RECT mesh = {0, 1};

    if (!graphic.HasGradientFill() ||
        !graphic.GradientFill(vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H))
        FillStripByHand(graphic.GetHandle(), vertices[0], vertices[1]);
}

void CGradientControl::FillStripByHand(HDC context, const TRIVERTEX& left, const TRIVERTEX& right)
{
    const int columns = right.x - left.x;
    for (int column = 0; column < columns; ++column)
    {
        const COLORREF colour = RGB(Interpolate(left.Red, right.Red, column, columns),
                                    Interpolate(left.Green, right.Green, column, columns),
                                    Interpolate(left.Blue, right.Blue, column, columns));
        graphics::CSolidBrush brush(colour);
        if (!brush.Create())
            return;
        const RECT cell = {left.x + column, left.y, left.x + column + 1, right.y};
        FillRect(context, &cell, brush.GetHandle());
    }
}

void CGradientControl::DrawTitle(CGraphic& graphic)
{
    wchar_t title[TitleCapacity] = {};
    GetWindowTextW(m_handle, title, TitleCapacity);
    if (title[0] == L'\0')
        return;
    if (!m_titleFont.IsNull())
        graphic.SelectFont(m_titleFont);
    graphic.TextOut(Scaled(TitleX), Scaled(TitleY), title);
}

// The system font is made for the density the program started with. On a screen of another
// density the title takes it scaled, in a TrueType face of its weight: the system font's own
// face is a bitmap that comes in few sizes.
void CGradientControl::MakeTitleFont()
{
    m_titleFont.Close();
    const int startDpi = dpi::DpiOfWindow(nullptr);
    LOGFONTW& description = m_titleFont;
    if (m_dpi == startDpi || !GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(LOGFONTW), &description))
        return;
    description.lfHeight = MulDiv(description.lfHeight, m_dpi, startDpi);
    description.lfWidth = 0;
    description.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    m_titleFont.Create();
}

}}}}
