#ifndef VROK_USER_STDMAINWINDOW_H
#define VROK_USER_STDMAINWINDOW_H

#include "vrok_user/vrok_basewindow.h"

namespace vrok { namespace user { namespace mainwindow {

// What the program gives its main window: the caption and the outer rectangle, in pixels at
// 96 DPI (in proportion at other densities).
struct CMainWindowLook
{
    const wchar_t* title;
    int left;
    int top;
    int width;
    int height;
};

// Base of the program's top-level window: registers "VYMP_MAIN_WINDOW_CLASSNAME", creates the
// window as the program describes it, accepting dropped files, and ends the message loop when
// the window is destroyed.
class CStdMainWindow : public basewindow::CBaseWindow
{
public:
    // Raised when the class cannot be registered (for instance by a second Create).
    class CExceptionRegisterClass {};

    static const wchar_t ClassName[];

    explicit CStdMainWindow(const CMainWindowLook& look) : m_look(look) {}

    // Shown: also in the foreground with the keyboard focus.
    int Show(bool show) override;

    // Lets a derived window adjust the class (icons, brush) before it is registered.
    virtual bool OnRegisterClass(basewindow::CWindowClass& windowClass);
    // Posts the quit message with 0.
    bool OnDestroy() override;

    // Registers the class and creates the window; false when the platform made no window.
    bool Create();

private:
    const CMainWindowLook m_look;
};

}}}

#endif
