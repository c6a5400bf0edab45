#ifndef VROK_USER_BASEWINDOW_H
#define VROK_USER_BASEWINDOW_H

#include <windows.h>

namespace vrok { namespace user { namespace basewindow {

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
// object's HandleMessage; what a class does not handle goes on to its default processing.
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
    // Runs once the window exists and is bound to the object.
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
    // Every message of the window. Overrides handle what their window needs and hand the rest
    // to their base class; this base version gives the default processing.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
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
    LRESULT HandleGuarded(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Fail(const char* reason, UINT message, WPARAM wParam, LPARAM lParam);

    CBaseWindow* m_parent;
    WNDPROC m_controlProc;   // the system control's procedure while the window is subclassed
    bool m_failed;
};

}}}

#endif
