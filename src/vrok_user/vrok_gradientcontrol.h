#ifndef VROK_USER_GRADIENTCONTROL_H
#define VROK_USER_GRADIENTCONTROL_H

#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_graphic.h"

#include <windows.h>

namespace vrok { namespace user { namespace controls { namespace panel {

// A child panel that paints a white rounded box outlined in dark blue, a title strip across
// its top fading from dark blue to white, and its window text in white on the strip, in the
// system font.
// Its measures are those of 96 DPI, scaled to the density it is given with SetDpi.
class CGradientControl : public CUserChildControl
{
public:
    static const wchar_t ClassName[];
    // The class background around the box.
    static constexpr COLORREF BackgroundColour = RGB(133, 154, 237);

    CGradientControl();
    ~CGradientControl() override = default;

    bool FillWindowClass(basewindow::CWindowClass& windowClass) override;

    using CUserChildControl::Create;
    // Registers the panel class on the first creation; the text is the title on the strip.
    virtual bool Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style);

    // Paints box, strip, strokes and title, then has the children paint again over them.
    // Returns false: WM_PAINT goes on to the default processing as well.
    bool OnPaint() override;

    // Paints for the density from now on; a derived panel lays its children out again too.
    virtual void SetDpi(int dpi);
    int GetDpi() const { return m_dpi; }

    // The strip without GradientFill (Msimg32.dll missing): one solid column per pixel,
    // each of the colour that GradientFill would give it.
    static void FillStripByHand(HDC context, const TRIVERTEX& left, const TRIVERTEX& right);

protected:
    int Scaled(int value) const;

private:
    void FillStrip(graphics::CGraphic& graphic, const RECT& client);
    void DrawTitle(graphics::CGraphic& graphic);
    void MakeTitleFont();

    COLOR16 m_startRed, m_startGreen, m_startBlue;
    COLOR16 m_endRed, m_endGreen, m_endBlue;
    COLORREF m_textColour;
    COLORREF m_outlineColour;
    int m_dpi;
    graphics::CFont m_titleFont;  // none at the density the program started with
};

}}}}

#endif
