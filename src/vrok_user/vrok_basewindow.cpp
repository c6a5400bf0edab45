#include "vrok_user/vrok_basewindow.h"

#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_windowsexception.h"

#include <cstring>
#include <exception>
#include <string>

namespace vrok { namespace user { namespace basewindow {

using windowsexception::CWindowsException;

const wchar_t WindowPropertyName[] = L"VYMP_WINDOW_PROPERTY";

namespace {

std::wstring Widen(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}

CWindowClass::CWindowClass() : WNDCLASSEXW()
{
    std::memset(static_cast<WNDCLASSEXW*>(this), 0, sizeof(WNDCLASSEXW));
    lpfnWndProc = CBaseWindow::WindowProc;
}

ATOM CWindowClass::Register()
{
    SetLastError(0);
    cbSize = sizeof(WNDCLASSEXW);
    hInstance = GetModuleHandleW(nullptr);
    return RegisterClassExW(this);
}

CBaseWindow::CBaseWindow() : m_parent(nullptr), m_controlProc(nullptr), m_failed(false)
{
}

CBaseWindow::~CBaseWindow()
{
    DestroyUnheard();
}

void CBaseWindow::DestroyUnheard()
{
    HWND window = m_handle;
    Unbind();
    if (window != nullptr)
        DestroyWindow(window);
}

bool CBaseWindow::Close()
{
    return DestroyWindow(m_handle) == 1;
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

bool CBaseWindow::Move(int x, int y, int width, int height)
{
    return MoveWindow(m_handle, x, y, width, height, TRUE) != FALSE;
}

bool CBaseWindow::SetText(const wchar_t* text)
{
    return SetWindowTextW(m_handle, text) != FALSE;
}

void CBaseWindow::SetFont(HFONT font)
{
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), font != nullptr);
}

bool CBaseWindow::CreateWindowEx(CBaseWindow* parent, DWORD exStyle, const wchar_t* className,
                                 const wchar_t* windowName, DWORD style, int x, int y, int width,
                                 int height, HMENU identifierOrMenu)
{
    if (m_handle != nullptr)
        throw CWindowsException("The window has been created before !");

    m_parent = parent;
    HWND parentHandle = parent != nullptr ? parent->GetHandle() : nullptr;
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
    HWND window = ::CreateWindowExW(exStyle, className, windowName, style & ~WS_VISIBLE, x, y, width, height,
                                    parentHandle, identifierOrMenu, GetModuleHandleW(nullptr), this);
    if (window == nullptr)
        return false;
    // A system control's procedure knows nothing of the object: it is bound by subclassing.
    if (FromHandle(window) != this && !Subclass(window))
    {
        m_handle = window;  // held only to be destroyed: nothing of the object may hear of it
        DestroyUnheard();
        throw CWindowsException("CBaseWindow::CreateWindowEx : Registering the window message handler failed !");
    }
    // Shown once it is whole: nobody sees, or clicks, a window whose children are not there yet.
    RunGuarded([this] { OnCreate(); });
    if (m_handle != nullptr)
        ShowWindow(m_handle, SW_SHOW);
    return true;
}

void CBaseWindow::GetClientSize(int& width, int& height)
{
    RECT rect = {};
    GetClientRect(rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

CBaseWindow* CBaseWindow::FromHandle(HWND window)
{
    if (window == nullptr)
        return nullptr;
    return static_cast<CBaseWindow*>(GetPropW(window, WindowPropertyName));
}

LRESULT CBaseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Dispatch(message, wParam, lParam) ? 0 : DefaultProcessing(message, wParam, lParam);
}

// The one place where the program's messages are decoded.
bool CBaseWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED_MESSAGE: return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_NOTIFY:
    {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.code == LVN_GETDISPINFOW)
            return OnGetDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
        return OnNotify(header);
    }
    case WM_DROPFILES: return OnDropFiles(reinterpret_cast<HDROP>(wParam));
    case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(wParam));
    case WM_CHAR: return OnChar(static_cast<wchar_t>(wParam));
    case WM_TIMER: return OnTimer(wParam);
    case WM_PAINT: return OnPaint();
    case WM_SETFOCUS: return OnSetFocus();
    case WM_LBUTTONDOWN: return OnLeftButtonDown();
    case WM_RBUTTONDOWN: return OnRightButtonDown();
    case WM_GETMINMAXINFO: return OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_INITMENUPOPUP: return OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
    case WM_CLOSE: return OnClose();
    case WM_DESTROY: return OnDestroy();
    case WM_CONTROL_CLOSED: return OnControlClosed();
    default: return message >= WM_APP && message <= 0xBFFF && OnNotice(message, wParam);
    }
}

LRESULT CBaseWindow::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_controlProc != nullptr)
        return CallWindowProcW(m_controlProc, m_handle, message, wParam, lParam);
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

// The object arrives with the window's first message, so that WM_CREATE and the first WM_SIZE
// reach it too. A window whose binding cannot be attached is refused.
LRESULT CALLBACK CBaseWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        const CREATESTRUCTW* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        CBaseWindow* object = static_cast<CBaseWindow*>(creation->lpCreateParams);
        if (object != nullptr && !object->Bind(window))
            return FALSE;
    }
    CBaseWindow* object = FromHandle(window);
    if (object == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    if (object->m_failed || !object->RunGuarded([&] { result = object->HandleMessage(message, wParam, lParam); }))
        result = object->DefaultProcessing(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        object->Unbind();
    return result;
}

// The platform does not promise to unwind through its own frames: nothing thrown by a handler
// goes past this point.
bool CBaseWindow::RunGuarded(const std::function<void()>& step)
{
    try
    {
        step();
        return true;
    }
    catch (const std::exception& exception)
    {
        Fail(exception.what());
    }
    catch (...)
    {
        Fail(nullptr);
    }
    return false;
}

// The window keeps only its default processing, so that a failed painting is not asked for
// again and again while the box is open. The quit message goes after the box, which would
// otherwise close at once.
void CBaseWindow::Fail(const char* reason)
{
    m_failed = true;
    const std::wstring text = reason != nullptr ? Widen(reason) : std::wstring();
    messagebox::ShowErrorMessage(L"The program met an internal error and ends.\n%s", text.c_str());
    PostQuitMessage(FailureExitCode);
}

bool CBaseWindow::Bind(HWND window)
{
    if (!SetPropW(window, WindowPropertyName, this))
        return false;
    m_handle = window;
    return true;
}

bool CBaseWindow::Subclass(HWND window)
{
    const WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (own == nullptr || own == WindowProc || !Bind(window))
        return false;
    m_controlProc = own;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    return true;
}

void CBaseWindow::Unbind()
{
    if (m_handle == nullptr)
        return;
    if (FromHandle(m_handle) == this)
        RemovePropW(m_handle, WindowPropertyName);
    if (m_controlProc != nullptr)
        SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_controlProc));
    m_controlProc = nullptr;
    m_handle = nullptr;
}

}}}
