#ifndef VESTIGON_ABOUT_WINDOW_H
#define VESTIGON_ABOUT_WINDOW_H

#include "vrok_user/vrok_dpi.h"
#include "resource.h"
#include "vrok_user/vrok_toolwindow.h"

#include <windows.h>

// The program's About box: a small topmost tool window owned by the main window that shows the
// program's name and purpose over the fingerprint picture. A left or right click closes it;
// the owner learns of it through WM_CONTROL_CLOSED (code 101) and deletes the object.
// Its measures are those of 96 DPI, scaled to the density of the owner it opens over.
class CAboutWindow : public vrok::user::controls::toolwindow::CToolWindow
{
public:
    static constexpr int Width = 300;
    static constexpr int Height = 200;
    static constexpr int PictureId = IDB_ABOUT;

    // The top-left corner that centres the box over the owner's window rectangle, shifted by
    // 10 pixels to the lower right (at 96 DPI).
    static POINT PlaceOver(const RECT& ownerRect, int dpi = vrok::user::dpi::StandardDpi);

    // Creates the box over the owner (centred as above) for the density and shows it; false
    // when the platform made no window.
    bool OpenOver(vrok::user::basewindow::CBaseWindow* owner, int dpi = vrok::user::dpi::StandardDpi);

    // Paints ground, frame, picture and texts; false, so that WM_PAINT goes on to the default processing.
    bool OnPaint() override;

protected:
    // A click of either button closes the box.
    bool OnLeftButtonDown() override;
    bool OnRightButtonDown() override;

private:
    // The box's width at the density.
    static int WidthFor(int dpi);
    int Scaled(int value) const { return vrok::user::dpi::Scale(value, m_dpi); }

    int m_dpi = vrok::user::dpi::StandardDpi;
};

#endif
