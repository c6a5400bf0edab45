#include "panel_windows.h"

#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <cstdlib>
#include <map>

namespace paneltest {

using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;

namespace {

const wchar_t HostClassName[] = L"VESTIGON_TEST_PANEL_HOST";

std::map<HWND, std::vector<CRecordedMessage>>& Records()
{
    static std::map<HWND, std::vector<CRecordedMessage>> records;
    return records;
}

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    CWindowClass windowClass;
    windowClass.lpszClassName = HostClassName;
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    registered = windowClass.Register() != 0;
}

// The application object of the test program: its Start is never called; it only records the
// main window, as the program's Start does.
class CTestApplication : public vrok::main::CApplication
{
public:
    CBaseWindow* OpenRecordingMainWindow()
    {
        auto* window = new vrok::user::mainwindow::CStdMainWindow(RecordingWindowProc);
        return OpenMainWindow(window) == 0 ? window : nullptr;
    }
};

}

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message >= WM_USER)
        Records()[window].push_back({message, wParam, lParam});
    if (message == WM_NCDESTROY)
    {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        CBaseWindow::DetachDestroyedWindow(window);
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<CRecordedMessage> RecordedMessages(HWND window, UINT message)
{
    std::vector<CRecordedMessage> found;
    for (const CRecordedMessage& record : Records()[window])
        if (record.message == message)
            found.push_back(record);
    return found;
}

void ForgetMessages(HWND window)
{
    Records().erase(window);
}

CHostWindow::CHostWindow(int clientWidth, int clientHeight, int x, int y)
{
    RegisterHostClass();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    CreateWindowEx(nullptr, 0, HostClassName, L"Panel host", style, x, y, frame.right - frame.left,
                   frame.bottom - frame.top, nullptr);
    PumpMessages();
}

CHostWindow& Host()
{
    static CHostWindow* host = new CHostWindow(HostWidth, HostHeight);
    return *host;
}

CBaseWindow* MainWindow()
{
    static CTestApplication* application = new CTestApplication();
    static CBaseWindow* window = application->OpenRecordingMainWindow();
    return window;
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

COLORREF PixelAt(HWND window, int x, int y)
{
    HDC context = GetDC(window);
    const COLORREF colour = GetPixel(context, x, y);
    ReleaseDC(window, context);
    return colour;
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

RECT ChildRect(HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}
