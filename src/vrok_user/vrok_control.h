#ifndef VROK_USER_CONTROL_H
#define VROK_USER_CONTROL_H

#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

namespace vrok { namespace user { namespace controls {

// The kinds of control that tell their parent they closed (lParam of WM_CONTROL_CLOSED).
using basewindow::WM_CONTROL_CLOSED;
const LPARAM ControlClosedUserChild = 100;
const LPARAM ControlClosedToolWindow = 101;
const LPARAM ControlClosedChild = 102;

// Every window other than the main window: created through Create, which insists on a parent
// and records it in the window's binding.
class CControl : public basewindow::CBaseWindow
{
public:
    class CExceptionNoParent {};

    CControl() = default;
    ~CControl() override = default;

    virtual bool Create(CBaseWindow* parent, const wchar_t* className, int identifier,
                        const wchar_t* text, int x, int y, int width, int height, DWORD exStyle,
                        DWORD style);

protected:
    // Posts WM_CONTROL_CLOSED with the code to the parent's window, when there is a parent.
    void NotifyParentOfClose(LPARAM code);
    // The panels' handling: a child's command goes on to the parent (posted), then to the
    // default processing.
    void ForwardCommand(int id, int code, HWND from);
};

// A child window of a system class (edit field, button, status bar).
class CChildControl : public CControl
{
public:
    CChildControl() = default;

    // Posts WM_CONTROL_CLOSED (102) to the parent, then destroys the window.
    bool Close() override;
};

// A child window with a window class of its own, described by FillWindowClass.
class CUserChildControl : public CChildControl
{
public:
    static const wchar_t DefaultClassName[];

    CUserChildControl() = default;

    // Posts WM_CONTROL_CLOSED with 100 and then 102 to the parent, then destroys the window.
    bool Close() override;

    using CChildControl::Create;
    // Creates a child window (identifier 0) of the class that FillWindowClass names, registering
    // it first (a class registered already is simply used); the class name argument is not used.
    virtual bool Create(CBaseWindow* parent, const wchar_t* className, const wchar_t* text, int x, int y,
                        int width, int height, DWORD exStyle, DWORD style);

    // Completes the class description: at least its name, and usually its brush.
    virtual bool FillWindowClass(basewindow::CWindowClass& windowClass) = 0;

protected:
    bool OnCommand(int id, int code, HWND from) override;

private:
    void PrepareWindowClass(basewindow::CWindowClass& windowClass);
};

// A control that is not a child window (tool windows).
class CUserControl : public CControl
{
protected:
    bool OnCommand(int id, int code, HWND from) override;
};

}}}

#endif
