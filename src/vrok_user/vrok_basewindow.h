#ifndef VROK_USER_BASEWINDOW_H
#define VROK_USER_BASEWINDOW_H

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <functional>

namespace vrok { namespace user { namespace basewindow {

// Sent to a window moved to a monitor of another density (unknown to XP's headers).
const UINT WM_DPICHANGED_MESSAGE = 0x02E0;
// Posted by a control that closes itself to its parent: lParam its kind (the ControlClosed*
// codes of vrok_control.h), wParam 0.
const UINT WM_CONTROL_CLOSED = WM_USER + 2;

// Name of the window property that binds a platform window to its object.
extern const wchar_t WindowPropertyName[];

// The handle of a framework window: null while no window exists. The window belongs to its
// object (CBaseWindow), which destroys it.
class CWindowHandle
{
public:
    CWindowHandle(const CWindowHandle&) = delete;
    CWindowHandle& operator=(const CWindowHandle&) = delete;

    HWND GetHandle() const { return m_handle; }
    bool IsNull() const { return m_handle == nullptr; }

protected:
    CWindowHandle() = default;
    ~CWindowHandle() = default;

    HWND m_handle = nullptr;
};

// A window class description, zeroed at construction, whose procedure is the framework's one
// window procedure; Register completes the size and the module and registers it.
class CWindowClass : public WNDCLASSEXW
{
public:
    CWindowClass();
    virtual ~CWindowClass() = default;
    CWindowClass(const CWindowClass&) = delete;
    CWindowClass& operator=(const CWindowClass&) = delete;

    // RegisterClassExW after clearing the last error; 0 when the platform refused (for example
    // because the class is registered already).
    ATOM Register();
};

// Root of every framework window. A window of one of the framework's own classes is bound to
// its object while it is being made (the object travels in CreateWindowEx's creation data), a
// window of a system class (edit field, button, status bar) right after, by subclassing; the
// binding goes with the window's last message. Every message of a bound window reaches the
// object's HandleMessage, which decodes the messages windows handle and calls the typed handler
// of each (OnSize, OnCommand, ...); what a class does not handle goes on to its default
// processing. A handler returns true when the message needs nothing more, false to have the
// default processing run after it; the base versions do nothing and return false.
//
// No exception leaves a window procedure: a handler that throws is reported in an error box,
// the window gets only its default processing from then on, and the message loop ends with
// FailureExitCode.
class CBaseWindow : public CWindowHandle
{
public:
    static const int FailureExitCode = 3;

    CBaseWindow();
    // Virtual so that an owner holding a base pointer destroys the whole object. A window that
    // still exists is unbound first and then destroyed, without its object hearing of it.
    virtual ~CBaseWindow();

    // DestroyWindow; true when the platform returned 1.
    virtual bool Close();
    // Shows (in the foreground, updated) or hides the window.
    virtual int Show(bool show);
    virtual BOOL GetClientRect(RECT& rect);
    virtual BOOL GetWindowRect(RECT& rect);
    // MoveWindow to the rectangle (the parent's client coordinates for a child), repainted.
    bool Move(int x, int y, int width, int height);
    // SetWindowTextW: the caption, or a control's text.
    bool SetText(const wchar_t* text);
    // WM_SETFONT: the window draws its text in the font, which its owner keeps alive for as long
    // as the window uses it; null goes back to the system's font.
    void SetFont(HFONT font);
    // Runs once the window exists and is bound to the object, under the same protection as a
    // handler: what it throws is told in the error box and ends the message loop.
    virtual void OnCreate() {}

    // Creates the window, runs OnCreate and then shows it (always); a width or height of 0 means
    // the maximised size less the position. Throws CWindowsException when the object has a window already or when the
    // binding cannot be attached; false when the platform creates no window.
    bool CreateWindowEx(CBaseWindow* parent, DWORD exStyle, const wchar_t* className,
                        const wchar_t* windowName, DWORD style, int x, int y, int width, int height,
                        HMENU identifierOrMenu);

    void GetClientSize(int& width, int& height);

    CBaseWindow* GetParentWindow() const { return m_parent; }

    // The object bound to a window, or null for a window that the framework did not create.
    static CBaseWindow* FromHandle(HWND window);

    // The one window procedure of every framework window class and every subclassed control.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Every message of the window: decoded for its typed handler, or the default processing.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual bool OnSize(int /*width*/, int /*height*/) { return false; }
    // A menu item or shortcut (no control; code 0 or 1), or a control's notice.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*from*/) { return false; }
    virtual bool OnDpiChanged(int /*dpi*/, const RECT& /*suggested*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/) { return false; }
    // A list view in owner-data mode asks for a row's texts and picture.
    virtual bool OnGetDisplayInfo(NMLVDISPINFOW& /*info*/) { return false; }
    // The window owns the drop from then on and must release it (DragFinish).
    virtual bool OnDropFiles(HDROP /*drop*/) { return false; }
    virtual bool OnKeyDown(UINT /*key*/) { return false; }
    virtual bool OnChar(wchar_t /*character*/) { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnSetFocus() { return false; }
    virtual bool OnLeftButtonDown() { return false; }
    virtual bool OnRightButtonDown() { return false; }
    virtual bool OnMinMaxInfo(MINMAXINFO& /*limits*/) { return false; }
    virtual bool OnInitMenuPopup(HMENU /*menu*/) { return false; }
    virtual bool OnClose() { return false; }
    virtual bool OnDestroy() { return false; }
    // A child or owned window of this one has closed itself (its object's window is then gone).
    virtual bool OnControlClosed() { return false; }
    // A message of the program's own (WM_APP and above), with its number (a job's, for instance).
    virtual bool OnNotice(UINT /*message*/, WPARAM /*number*/) { return false; }

    // The processing of the window's class: DefWindowProcW, or the system control's own
    // procedure for a subclassed control.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // Unbinds and destroys the window without the object hearing of it: the destructor of a
    // window that owns child objects calls it first, while those objects are still whole.
    void DestroyUnheard();

private:
    bool Bind(HWND window);
    bool Subclass(HWND window);
    void Unbind();
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the step; what it throws is told and fails the window. False when it threw.
    bool RunGuarded(const std::function<void()>& step);
    void Fail(const char* reason);

    CBaseWindow* m_parent;
    WNDPROC m_controlProc;   // the system control's procedure while the window is subclassed
    bool m_failed;
};

}}}

#endif
