#include "my_window.h"

#include <cwchar>

using vrok::data::type::string::CString;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;
using vrok::user::controls::statusbar::CStdStatusBar;

namespace {
const wchar_t CaptionPrefix[] = L"file : ";
const COLORREF BackgroundColour = RGB(133, 154, 237);
}

OMyWindow::OMyWindow(const CString* path)
    : CStdMainWindow(&OMyWindow::WindowProc), m_statusBar(nullptr), m_caption(),
      m_prefixLength(static_cast<int>(std::wcslen(CaptionPrefix))), m_captionLength(m_prefixLength)
{
    std::wcscpy(m_caption, CaptionPrefix);
    if (path != nullptr)
        m_filePath = *path;
}

OMyWindow::~OMyWindow()
{
    delete m_statusBar;
    m_statusBar = nullptr;
}

bool OMyWindow::OnRegisterClass(CWindowClass& windowClass)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(module, MAKEINTRESOURCEW(IconIdentifier));
    windowClass.hIconSm = LoadIconW(module, MAKEINTRESOURCEW(IconIdentifier));
    windowClass.hbrBackground = CreateSolidBrush(BackgroundColour);
    return true;
}

void OMyWindow::OnCreate()
{
    CreateStatusBar();
}

void OMyWindow::CreateStatusBar()
{
    m_statusBar = new CStdStatusBar();
    m_statusBar->Create(this, StatusBarIdentifier);
    m_statusBar->AddPart(80, L"md5");
    m_statusBar->AddPart(-1, L" ");
    m_statusBar->Display();
}

// The status bar places itself again along the bottom when told of a new size.
void OMyWindow::OnSize()
{
    if (m_statusBar != nullptr && !m_statusBar->IsNull())
        SendMessageW(m_statusBar->GetHandle(), WM_SIZE, 0, 0);
}

LRESULT CALLBACK OMyWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    OMyWindow* myWindow = dynamic_cast<OMyWindow*>(CBaseWindow::FromHandle(window));
    if (myWindow == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message)
    {
    case WM_DESTROY:
        if (!myWindow->OnDestroy())
            DefWindowProcW(window, message, wParam, lParam);
        return 0;
    case WM_SIZE:
        DefWindowProcW(window, message, wParam, lParam);
        myWindow->OnSize();
        return 0;
    case WM_NCDESTROY:
        CBaseWindow::DetachDestroyedWindow(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
