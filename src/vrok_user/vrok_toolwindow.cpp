#include "vrok_user/vrok_toolwindow.h"

namespace vrok { namespace user { namespace controls { namespace toolwindow {

using basewindow::CWindowClass;

const wchar_t CToolWindow::ClassName[] = L"VYMP_TOOL_WINDOW_CLASSNAME";

bool CToolWindow::Close()
{
    NotifyParentOfClose(ControlClosedToolWindow);
    return CBaseWindow::Close();
}

bool CToolWindow::Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                         DWORD exStyle, DWORD style)
{
    CWindowClass windowClass;
    windowClass.lpszClassName = ClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.style = CS_DROPSHADOW | CS_DBLCLKS;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.Register();
    return CControl::Create(parent, ClassName, 0, text, x, y, width, height,
                            exStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_WINDOWEDGE,
                            style | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
}

}}}}
