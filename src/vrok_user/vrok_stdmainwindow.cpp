#include "vrok_user/vrok_stdmainwindow.h"

#include "vrok_user/vrok_dpi.h"

namespace vrok { namespace user { namespace mainwindow {

using basewindow::CBaseWindow;
using basewindow::CWindowClass;

const wchar_t CStdMainWindow::ClassName[] = L"VYMP_MAIN_WINDOW_CLASSNAME";
const wchar_t CStdMainWindow::Title[] = L"Vestigon pour md5 v1.0";

namespace {
const DWORD MainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE;
const int MainWindowLeft = 10;
const int MainWindowTop = 10;
const int MainWindowWidth = 420;
const int MainWindowHeight = 300;
}

CStdMainWindow::CStdMainWindow(WNDPROC windowProc)
    : CBaseWindow(windowProc != nullptr ? windowProc : &CStdMainWindow::StandardWindowProc)
{
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
    windowClass.lpfnWndProc = GetWindowProc();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    OnRegisterClass(windowClass);
    if (windowClass.Register() == 0)
        throw CExceptionRegisterClass();
    // Laid out for the screen's density; a window that opens on a monitor of another density
    // is told so with WM_DPICHANGED.
    const int dpi = dpi::DpiOfWindow(nullptr);
    return CreateWindowEx(nullptr, WS_EX_ACCEPTFILES, ClassName, Title, MainWindowStyle, dpi::Scale(MainWindowLeft, dpi),
                          dpi::Scale(MainWindowTop, dpi), dpi::Scale(MainWindowWidth, dpi),
                          dpi::Scale(MainWindowHeight, dpi), nullptr);
}

LRESULT CALLBACK CStdMainWindow::StandardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CStdMainWindow* mainWindow = dynamic_cast<CStdMainWindow*>(CBaseWindow::FromHandle(window));
    if (mainWindow == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message)
    {
    case WM_DESTROY:
        if (mainWindow->OnDestroy())
            return 0;
        break;
    case WM_NCDESTROY:
        CBaseWindow::DetachDestroyedWindow(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}}}
