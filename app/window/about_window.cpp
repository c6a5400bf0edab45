#include "window/about_window.h"

#include "vrok_user/vrok_devicecontext.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_graphic.h"

#include <algorithm>

using vrok::user::basewindow::CBaseWindow;
using vrok::user::graphics::CBitmap;
using vrok::user::graphics::CFont;
using vrok::user::graphics::CGraphic;
using vrok::user::graphics::CPen;
using vrok::user::graphics::CSolidBrush;

// The framework finds the pictures drawn for other densities at the offsets of the resource list.
static_assert(IDB_DRAWN_150_OFFSET == vrok::user::graphics::CBitmap::Drawn150Offset &&
                  IDB_DRAWN_200_OFFSET == vrok::user::graphics::CBitmap::Drawn200Offset,
              "the resource list and CBitmap::LoadForDpi agree on where the scaled drawings are");

namespace {

const COLORREF GroundColour = RGB(0, 20, 0);
const COLORREF FrameColour = RGB(133, 154, 237);
const COLORREF TitleColour = RGB(243, 247, 247);
const COLORREF TextColour = RGB(255, 255, 237);
const int TitleFontHeight = 20;
const int TextFontHeight = 14;
const int PictureLeft = 4;
const int PictureTop = 4;
const int NoticeLeft = 20;
const int NoticeAboveBottom = 40;
const int PlacementShift = 10;

const wchar_t TitleText[] = L"Vestigon pour md5 v1.0";
const wchar_t PurposeText[] = L"Utilitaire de calcul de hash Md5 pour :";
const wchar_t FirstSystemText[] = L" - Windows XP 32 bits";
const wchar_t SecondSystemText[] = L" - Windows Vista 32 bits";
const wchar_t NoticeText[] = L"Un clic dans cette fen\u00eatre la ferme.";

// The texts above the notice, where they start at 96 DPI.
struct CPlacedText
{
    int left;
    int top;
    bool inTitleFont;
    const wchar_t* text;
};
const CPlacedText PlacedTexts[] = {
    {46, 10, true, TitleText},
    {26, 46, false, PurposeText},
    {26, 66, false, FirstSystemText},
    {26, 86, false, SecondSystemText},
};

void MakeFont(CFont& font, int height)
{
    font.lfHeight = height;
    font.SetFaceName(L"Verdana");
    font.Create();
}

int TextWidth(const CFont& font, const wchar_t* text)
{
    return vrok::user::graphics::MeasureText(font, text).cx;
}

}

// Fonts do not grow exactly in proportion to the density: above 96 DPI the box also grows to
// what its texts need, with the notice's margin on their right.
int CAboutWindow::WidthFor(int dpi)
{
    using vrok::user::dpi::Scale;
    const int width = Scale(Width, dpi);
    if (dpi <= vrok::user::dpi::StandardDpi)
        return width;
    CFont titleFont;
    MakeFont(titleFont, Scale(TitleFontHeight, dpi));
    CFont textFont;
    MakeFont(textFont, Scale(TextFontHeight, dpi));
    int needed = Scale(NoticeLeft, dpi) + TextWidth(textFont, NoticeText);
    for (const CPlacedText& placed : PlacedTexts)
        needed = std::max(needed, Scale(placed.left, dpi) +
                                      TextWidth(placed.inTitleFont ? titleFont : textFont, placed.text));
    return std::max(width, needed + Scale(NoticeLeft, dpi));
}

POINT CAboutWindow::PlaceOver(const RECT& ownerRect, int dpi)
{
    using vrok::user::dpi::Scale;
    const int ownerWidth = ownerRect.right - ownerRect.left;
    const int ownerHeight = ownerRect.bottom - ownerRect.top;
    POINT corner;
    corner.x = ownerRect.left + (ownerWidth - WidthFor(dpi)) / 2 + Scale(PlacementShift, dpi);
    corner.y = ownerRect.top + (ownerHeight - Scale(Height, dpi)) / 2 + Scale(PlacementShift, dpi);
    return corner;
}

bool CAboutWindow::OpenOver(CBaseWindow* owner, int dpi)
{
    m_dpi = dpi;
    RECT ownerRect = {};
    if (owner != nullptr)
        owner->GetWindowRect(ownerRect);
    const POINT corner = PlaceOver(ownerRect, dpi);
    if (!Create(owner, L"About", corner.x, corner.y, WidthFor(dpi), Scaled(Height), 0, 0))
        return false;
    Show(true);
    return true;
}

// The picture is larger than the window: it is copied whole and the client area clips it.
// Every text stays inside the client area.
bool CAboutWindow::OnPaint()
{
    int width = 0;
    int height = 0;
    GetClientSize(width, height);

    // The drawing objects outlive the graphic, which takes them out of the device context
    // before they are deleted.
    CFont textFont;
    MakeFont(textFont, Scaled(TextFontHeight));
    CFont titleFont;
    MakeFont(titleFont, Scaled(TitleFontHeight));
    CSolidBrush ground(GroundColour);
    ground.Create();
    CPen frame(FrameColour, Scaled(1), PS_SOLID);
    frame.Create();
    CBitmap picture;

    CGraphic graphic(m_handle);
    graphic.BeginPaint();
    graphic.SelectBrush(ground);
    graphic.SelectPen(frame);
    Rectangle(graphic.GetHandle(), 0, 0, width, height);

    picture.LoadForDpi(PictureId, m_dpi);
    graphic.DrawBitmap(picture, Scaled(PictureLeft), Scaled(PictureTop));

    graphic.SetBkMode(TRANSPARENT);
    graphic.SetTextColor(TitleColour);
    for (const CPlacedText& placed : PlacedTexts)
    {
        graphic.SelectFont(placed.inTitleFont ? titleFont : textFont);
        graphic.SetTextColor(placed.inTitleFont ? TitleColour : TextColour);
        graphic.TextOut(Scaled(placed.left), Scaled(placed.top), placed.text);
    }
    graphic.TextOut(Scaled(NoticeLeft), height - Scaled(NoticeAboveBottom), NoticeText);

    graphic.EndPaint();
    return false;
}

bool CAboutWindow::OnLeftButtonDown()
{
    Close();
    return true;
}

bool CAboutWindow::OnRightButtonDown()
{
    return OnLeftButtonDown();
}
