#ifndef VESTIGON_TESTS_FRAMEWORK_TEST_WINDOWS_H
#define VESTIGON_TESTS_FRAMEWORK_TEST_WINDOWS_H

#include "vrok_user/vrok_basewindow.h"
#include "vrok_user/vrok_control.h"

#include <windows.h>

#include <string>
#include <vector>

namespace frameworktest {

// A window class of the tests' own (plain procedure DefWindowProcW), registered once.
const wchar_t* TestClassName();
// The same with CS_OWNDC, so that a device context keeps its state between GetDC calls.
const wchar_t* OwnDcClassName();

// Dispatches the thread's pending messages, for the given time at least.
void PumpMessages(DWORD milliseconds = 0);

// The WM_CONTROL_CLOSED messages waiting in the queue for the window (removed from it).
struct CClosedNotice
{
    WPARAM object;
    LPARAM code;
};
std::vector<CClosedNotice> TakeClosedNotices(HWND window);

std::wstring WindowText(HWND window);

// A top-level window of the test class made through the framework's creation path.
class CTestWindow : public vrok::user::basewindow::CBaseWindow
{
public:
    bool CreateTopLevel(const wchar_t* className, int x, int y, int width, int height, DWORD style = WS_POPUP)
    {
        return CreateWindowEx(nullptr, 0, className, L"test", style, x, y, width, height, nullptr);
    }
    int onCreateCalls = 0;
    void OnCreate() override { ++onCreateCalls; }
};

// A user child control of a class of the tests' own.
class CTestPanel : public vrok::user::controls::CUserChildControl
{
public:
    bool FillWindowClass(vrok::user::basewindow::CWindowClass& windowClass) override
    {
        windowClass.lpszClassName = L"VYMP_TEST_PANEL_CLASSNAME";
        return true;
    }
};

}

#endif
