#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls {

using basewindow::CBaseWindow;
using basewindow::CWindowClass;

namespace {

HMENU AsChildIdentifier(int identifier)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier));
}

}

bool CControl::Create(CBaseWindow* parent, const wchar_t* className, int identifier,
                      const wchar_t* text, int x, int y, int width, int height, DWORD exStyle,
                      DWORD style)
{
    if (parent == nullptr)
        throw CExceptionNoParent();
    return CreateWindowEx(parent, exStyle, className, text, style, x, y, width, height,
                          AsChildIdentifier(identifier));
}

void CControl::NotifyParentOfClose(LPARAM code)
{
    CBaseWindow* parent = GetParentWindow();
    if (parent != nullptr)
        ::PostMessageW(parent->GetHandle(), WM_CONTROL_CLOSED, 0, code);
}

void CControl::ForwardCommand(int id, int code, HWND from)
{
    if (GetParentWindow() != nullptr)
        ::PostMessageW(GetParentWindow()->GetHandle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
}

bool CUserChildControl::OnCommand(int id, int code, HWND from)
{
    ForwardCommand(id, code, from);
    return false;
}

bool CUserControl::OnCommand(int id, int code, HWND from)
{
    ForwardCommand(id, code, from);
    return false;
}

bool CChildControl::Close()
{
    NotifyParentOfClose(ControlClosedChild);
    return CBaseWindow::Close();
}

const wchar_t CUserChildControl::DefaultClassName[] = L"VYMP_USER_CHILD_CONTROL_CLASSANME";

bool CUserChildControl::Close()
{
    NotifyParentOfClose(ControlClosedUserChild);
    NotifyParentOfClose(ControlClosedChild);
    return CBaseWindow::Close();
}

void CUserChildControl::PrepareWindowClass(CWindowClass& windowClass)
{
    windowClass.lpszClassName = DefaultClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.style = CS_DBLCLKS;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    FillWindowClass(windowClass);
}

bool CUserChildControl::Create(CBaseWindow* parent, const wchar_t*, const wchar_t* text, int x, int y,
                               int width, int height, DWORD exStyle, DWORD style)
{
    CWindowClass windowClass;
    PrepareWindowClass(windowClass);
    windowClass.Register();
    return CControl::Create(parent, windowClass.lpszClassName, 0, text, x, y, width, height, exStyle,
                            style | WS_CHILD | WS_VISIBLE);
}

}}}
