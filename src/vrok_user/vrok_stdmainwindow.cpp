#include "vrok_user/vrok_stdmainwindow.h"

#include "vrok_user/vrok_dpi.h"

namespace vrok { namespace user { namespace mainwindow {

using basewindow::CBaseWindow;
using basewindow::CWindowClass;

const wchar_t CStdMainWindow::ClassName[] = L"VYMP_MAIN_WINDOW_CLASSNAME";

namespace {
const DWORD MainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE;
}

int CStdMainWindow::Show(bool show)
{
    if (!show)
        return ShowWindow(m_handle, SW_HIDE);
    ShowWindow(m_handle, SW_SHOW);
    SetForegroundWindow(m_handle);
    SetFocus(m_handle);
    return UpdateWindow(m_handle);
}

bool CStdMainWindow::OnRegisterClass(CWindowClass&)
{
    return true;
}

bool CStdMainWindow::OnDestroy()
{
    PostQuitMessage(0);
    return true;
}

bool CStdMainWindow::Create()
{
    CWindowClass windowClass;
    windowClass.lpszClassName = ClassName;
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    OnRegisterClass(windowClass);
    if (windowClass.Register() == 0)
        throw CExceptionRegisterClass();
    // Laid out for the screen's density; a window that opens on a monitor of another density
    // is told so with WM_DPICHANGED.
    const int dpi = dpi::DpiOfWindow(nullptr);
    return CreateWindowEx(nullptr, WS_EX_ACCEPTFILES, ClassName, m_look.title, MainWindowStyle,
                          dpi::Scale(m_look.left, dpi), dpi::Scale(m_look.top, dpi), dpi::Scale(m_look.width, dpi),
                          dpi::Scale(m_look.height, dpi), nullptr);
}

}}}
