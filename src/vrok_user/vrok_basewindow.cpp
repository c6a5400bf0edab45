#include "vrok_user/vrok_basewindow.h"

#include "vrok_user/vrok_windowsexception.h"

#include <cstring>
#include <new>

namespace vrok { namespace user { namespace basewindow {

using windowsexception::CWindowsException;

const wchar_t WindowPropertyName[] = L"VYMP_WINDOW_PROPERTY";

namespace {
const char SourcePath[] = "..\\src\\vrok_user\\vrok_basewindow";
}

CWindowClass::CWindowClass() : WNDCLASSEXW()
{
    std::memset(static_cast<WNDCLASSEXW*>(this), 0, sizeof(WNDCLASSEXW));
}

ATOM CWindowClass::Register()
{
    SetLastError(0);
    cbSize = sizeof(WNDCLASSEXW);
    hInstance = GetModuleHandleW(nullptr);
    return RegisterClassExW(this);
}

CBaseWindow::CBaseWindow(WNDPROC windowProc)
    : m_parent(nullptr), m_windowProc(windowProc != nullptr ? windowProc : DefWindowProcW),
      m_previousWindowProc(nullptr), m_binding(nullptr)
{
}

// The property goes first, so that the messages of the destruction no longer reach an object
// that is half destroyed; a window that is gone already (destroyed with its parent) is left alone.
CBaseWindow::~CBaseWindow()
{
    const bool live = OwnsLiveWindow();
    ReleaseBinding();
    if (live)
    {
        if (m_previousWindowProc != nullptr)
            SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousWindowProc));
        DestroyWindow(m_handle);
    }
    m_previousWindowProc = nullptr;
    m_windowProc = nullptr;
    m_handle = nullptr;
}

bool CBaseWindow::Close()
{
    return DestroyOwnWindow();
}

bool CBaseWindow::DestroyOwnWindow()
{
    const BOOL destroyed = DestroyWindow(m_handle);
    ReleaseBinding();
    m_handle = nullptr;
    return destroyed == 1;
}

int CBaseWindow::Show(bool show)
{
    if (!show)
        return ShowWindow(m_handle, SW_HIDE);
    ShowWindow(m_handle, SW_SHOW);
    SetForegroundWindow(m_handle);
    return UpdateWindow(m_handle);
}

BOOL CBaseWindow::GetClientRect(RECT& rect)
{
    return ::GetClientRect(m_handle, &rect);
}

BOOL CBaseWindow::GetWindowRect(RECT& rect)
{
    return ::GetWindowRect(m_handle, &rect);
}

BOOL CBaseWindow::WaitMessage()
{
    return ::WaitMessage();
}

bool CBaseWindow::CreateWindowEx(CBaseWindow* parent, DWORD exStyle, const wchar_t* className,
                                 const wchar_t* windowName, DWORD style, int x, int y, int width,
                                 int height, HMENU identifierOrMenu)
{
    if (m_handle != nullptr)
        throw CWindowsException(SourcePath, "The window has been created before !", 211);

    HWND parentHandle = nullptr;
    if (parent != nullptr)
    {
        parentHandle = parent->GetHandle();
        m_parent = parent;
    }
    if (width == 0 || height == 0)
    {
        width = GetSystemMetrics(SM_CXMAXIMIZED);
        height = GetSystemMetrics(SM_CYMAXIMIZED);
        if (x < width)
            width -= x;
        else
            x = 0;
        if (y < height)
            height -= y;
        else
            y = 0;
    }

    SetLastError(0);
    m_handle = ::CreateWindowExW(exStyle, className, windowName, style | WS_VISIBLE, x, y, width, height,
                                 parentHandle, identifierOrMenu, GetModuleHandleW(nullptr), nullptr);
    if (m_handle == nullptr)
        return false;

    m_binding = new (std::nothrow) CWindowStruct(this);
    if (m_binding == nullptr || !SetPropW(m_handle, WindowPropertyName, m_binding))
    {
        delete m_binding;
        m_binding = nullptr;
        Close();
        m_handle = nullptr;
        throw CWindowsException(SourcePath,
                                "CBaseWindow::CreateWindowEx : Registering the window message handler failed !",
                                259);
    }
    OnCreate();
    return true;
}

void CBaseWindow::GetClientSize(int& width, int& height)
{
    RECT rect = {};
    GetClientRect(rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

bool CBaseWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_handle, message, wParam, lParam) != 0;
}

void CBaseWindow::Subclass(WNDPROC windowProc)
{
    if (m_previousWindowProc != nullptr)
        return;
    m_previousWindowProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_handle, GWLP_WNDPROC));
    SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
}

CWindowStruct* CBaseWindow::FindBinding(HWND window)
{
    if (window == nullptr)
        return nullptr;
    return static_cast<CWindowStruct*>(GetPropW(window, WindowPropertyName));
}

CBaseWindow* CBaseWindow::FromHandle(HWND window)
{
    CWindowStruct* binding = FindBinding(window);
    return binding != nullptr ? binding->window : nullptr;
}

CBaseWindow* CBaseWindow::GetBoundParent(const CBaseWindow* window)
{
    if (window == nullptr)
        return nullptr;
    CWindowStruct* binding = FindBinding(window->GetHandle());
    return binding != nullptr ? binding->parent : nullptr;
}

void CBaseWindow::DetachDestroyedWindow(HWND window)
{
    CWindowStruct* binding = FindBinding(window);
    if (binding == nullptr || binding->window == nullptr)
        return;
    CBaseWindow* object = binding->window;
    object->ReleaseBinding();
    object->m_previousWindowProc = nullptr;
    object->m_handle = nullptr;
}

LRESULT CBaseWindow::PanelDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
    {
        if (CBaseWindow* parent = GetBoundParent(FromHandle(window)))
            ::PostMessageW(parent->GetHandle(), WM_COMMAND, wParam, lParam);
    }
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        DetachDestroyedWindow(window);
    return result;
}

BOOL CALLBACK CBaseWindow::ShowChildWindowProc(HWND child, LPARAM)
{
    InvalidateRect(child, nullptr, TRUE);
    ShowWindow(child, SW_SHOW);
    return TRUE;
}

void CBaseWindow::ReleaseBinding()
{
    if (m_binding == nullptr)
        return;
    if (m_handle != nullptr && FindBinding(m_handle) == m_binding)
        RemovePropW(m_handle, WindowPropertyName);
    delete m_binding;
    m_binding = nullptr;
}

// True when the handle still names a window bound to this very object, and not a destroyed
// window whose handle value the platform may have given to another window since.
bool CBaseWindow::OwnsLiveWindow() const
{
    if (m_handle == nullptr || !IsWindow(m_handle))
        return false;
    CWindowStruct* binding = FindBinding(m_handle);
    return binding != nullptr && binding == m_binding;
}

}}}
