#ifndef VROK_USER_BASEWINDOW_H
#define VROK_USER_BASEWINDOW_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace basewindow {

// Name of the window property that binds a platform window to its CWindowStruct.
extern const wchar_t WindowPropertyName[];

// Owner of one window handle.
class CWindowHandle : public data::type::kernelobject::CKernelObject<HWND>
{
protected:
    CWindowHandle() = default;
    ~CWindowHandle() = default;
};

class CBaseWindow;

// The binding record attached to every framework window: its object and its parent's object.
// The window object owns it; it lives until the window is destroyed or the object goes.
class CWindowStruct
{
public:
    explicit CWindowStruct(CBaseWindow* window) : window(window), parent(nullptr) {}
    virtual ~CWindowStruct() = default;
    CWindowStruct(const CWindowStruct&) = delete;
    CWindowStruct& operator=(const CWindowStruct&) = delete;

    CBaseWindow* window;
    CBaseWindow* parent;
};

// A window class description, zeroed at construction; Register completes the size and the
// module and registers it.
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

// Root of every framework window. The window is created through CreateWindowEx, which binds
// the handle to the object with the property WindowPropertyName; window procedures find the
// object again through FromHandle.
class CBaseWindow : public CWindowHandle
{
public:
    explicit CBaseWindow(WNDPROC windowProc = nullptr);
    // Virtual so that an owner holding a base pointer (the application and its main window)
    // destroys the whole object.
    virtual ~CBaseWindow();

    // DestroyWindow; true when the platform returned 1.
    bool Close() override;
    // Shows (in the foreground, updated) or hides the window.
    virtual int Show(bool show);
    virtual BOOL GetClientRect(RECT& rect);
    virtual BOOL GetWindowRect(RECT& rect);
    virtual BOOL WaitMessage();
    // Runs once the window exists and is bound to the object.
    virtual void OnCreate() {}

    // Creates the window (always visible); a width or height of 0 means the maximised size less
    // the position. Throws CWindowsException when the object has a window already or when the
    // binding cannot be attached; false when the platform creates no window.
    bool CreateWindowEx(CBaseWindow* parent, DWORD exStyle, const wchar_t* className,
                        const wchar_t* windowName, DWORD style, int x, int y, int width, int height,
                        HMENU identifierOrMenu);

    void GetClientSize(int& width, int& height);
    bool PostMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Replaces the window procedure of a system control; the first saved procedure is kept and
    // put back when the object goes.
    void Subclass(WNDPROC windowProc);

    CBaseWindow* GetParentWindow() const { return m_parent; }
    WNDPROC GetWindowProc() const { return m_windowProc; }
    WNDPROC GetPreviousWindowProc() const { return m_previousWindowProc; }

    // The object bound to a window, or null for a window that the framework did not create.
    static CBaseWindow* FromHandle(HWND window);
    // The parent recorded in a window's binding (controls), or null (top-level windows).
    static CBaseWindow* GetBoundParent(const CBaseWindow* window);
    // Framework window procedures call this on WM_NCDESTROY: the binding is released and the
    // object forgets the handle of its destroyed window.
    static void DetachDestroyedWindow(HWND window);
    // The common end of a panel's window procedure: a child's WM_COMMAND goes on to the panel's
    // parent, WM_NCDESTROY detaches the object, and everything goes to DefWindowProcW.
    static LRESULT PanelDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // EnumChildWindows callback of the panels: repaint and show every child.
    static BOOL CALLBACK ShowChildWindowProc(HWND child, LPARAM);

protected:
    // DestroyWindow of the own window, then the binding is released and the handle cleared.
    bool DestroyOwnWindow();

    static CWindowStruct* FindBinding(HWND window);

private:
    void ReleaseBinding();
    bool OwnsLiveWindow() const;

    CBaseWindow* m_parent;
    WNDPROC m_windowProc;
    WNDPROC m_previousWindowProc;
    CWindowStruct* m_binding;
};

}}}

#endif
