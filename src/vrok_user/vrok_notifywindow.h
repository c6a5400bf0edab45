#ifndef VROK_USER_NOTIFYWINDOW_H
#define VROK_USER_NOTIFYWINDOW_H

#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_graphic.h"

#include <windows.h>

namespace vrok { namespace user { namespace controls { namespace panel {

// The strip across the top of the main window that tells the user what happened: a text
// (one line per line break) with an optional status icon, on a pale yellow ground. Each new
// message arrives with a slide: SetMessage, then Show(true). Its measures are those of 96 DPI,
// scaled to the density it is given with SetDpi.
class CNotifyWindow : public CUserChildControl
{
public:
    static const wchar_t ClassName[];
    static constexpr COLORREF BackgroundColour = RGB(255, 255, 225);
    static constexpr int MessageCapacity = 1024;   // code units, terminator included
    static constexpr int StripHeight = 80;
    static constexpr int TextLeft = 48;
    static constexpr int TextTop = 12;
    static constexpr int IconLeft = 10;
    static constexpr int IconTop = 10;
    static constexpr int FontHeight = 14;
    static constexpr int TextRightMargin = 10;
    static constexpr int TextBottomMargin = 10;

    CNotifyWindow();

    // Hides the strip with an upward slide when it is visible (otherwise sizes it to the
    // parent's width by 80 pixels at 96 DPI), then, when show is true, slides it down into view and
    // draws its content.
    int Show(bool show) override;

    bool FillWindowClass(basewindow::CWindowClass& windowClass) override;

    using CUserChildControl::Create;
    // Creates the strip without window text; throws CGraphic::CExceptionBadObject when its
    // font could not be made.
    virtual bool Create(CBaseWindow* parent, int x, int y, int width, int height, DWORD exStyle,
                        DWORD style);

    // Paints the content; false, so that WM_PAINT goes on to DefWindowProcW as well.
    bool OnPaint() override;

    // Takes a copy of the text (at most 1023 code units) and the icon of the bitmap resource
    // (0: no icon), drawn for the strip's density (see CBitmap::LoadForDpi). Neither repaints
    // nor shows: Show(true) follows. The text, without its closing line breaks, becomes the
    // window text too, where other programs (screen readers) read what the strip says.
    void SetMessage(const wchar_t* text, int bitmapId);
    const wchar_t* GetMessageText() const { return m_message; }
    // The height the strip takes for its text: StripHeight, or more when the text needs more lines
    // at the parent's width.
    int NeededHeight();
    bool HasIcon() const { return !m_icon.IsNull(); }
    int GetIconId() const { return m_iconId; }

    // As wide as the parent's client area, at the strip's current height.
    void FitToParent();

    // Lays the strip out for the density: font, height, margins and icon.
    void SetDpi(int dpi);
    int GetDpi() const { return m_dpi; }
    // The font the text is drawn in, and the width in pixels a line of it has.
    const graphics::CFont& GetFont() const { return m_font; }
    int GetLineWidth();

    void DrawContent(graphics::CGraphic& graphic);

private:
    void ResizeToParentWidth(int height);
    void LoadStatusIcon();
    int Scaled(int value) const;

    wchar_t m_message[MessageCapacity];
    graphics::CFont m_font;
    graphics::CBitmap m_icon;
    int m_iconId;
    int m_dpi;
};

}}}}

#endif
