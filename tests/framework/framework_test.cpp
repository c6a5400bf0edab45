// The window framework: creation, binding, the window procedure's boundary, and drawing.

#include "modal_watcher.h"
#include "window_testing.h"

#include "window/cool_control.h"
#include "window/my_window.h"
#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_graphic.h"
#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_notifywindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace vrok::user;
using basewindow::CBaseWindow;
using graphics::CGraphic;

namespace {

// A top-level window made through the framework's creation path.
class CTestWindow : public CBaseWindow
{
public:
    bool Create(int x, int y, int width, int height)
    {
        return CreateWindowEx(nullptr, 0, L"STATIC", L"test", WS_POPUP, x, y, width, height, nullptr);
    }
};

// A user child control; CS_OWNDC: its device context keeps what is selected into it between
// GetDC calls, so that what a CGraphic leaves behind can be seen.
class CTestPanel : public controls::CUserChildControl
{
public:
    bool FillWindowClass(basewindow::CWindowClass& windowClass) override
    {
        windowClass.lpszClassName = L"VYMP_TEST_PANEL_CLASSNAME";
        windowClass.style = CS_OWNDC;
        return true;
    }
};

}

TEST(CreateWindowEx, IsAlwaysVisibleAndAZeroWidthTakesTheMaximisedSizeLessThePosition)
{
    const int maxWidth = GetSystemMetrics(SM_CXMAXIMIZED), maxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    const struct { int x, y, width, height; RECT expected; } rows[] = {
        {20, 30, 200, 100, {20, 30, 220, 130}},
        {10, 10, 0, 150, {10, 10, maxWidth, maxHeight}},
        {maxWidth + 5, 20, 0, 0, {0, 20, maxWidth, maxHeight}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y << " " << row.width << "x" << row.height);
        CTestWindow window;
        ASSERT_TRUE(window.Create(row.x, row.y, row.width, row.height));
        EXPECT_TRUE(IsWindowVisible(window.GetHandle())) << "made without WS_VISIBLE";
        RECT rect = {};
        GetWindowRect(window.GetHandle(), &rect);
        EXPECT_TRUE(EqualRect(&row.expected, &rect)) << rect.left << "," << rect.top << " " << rect.right << ","
                                                     << rect.bottom;
    }
}

// Records the messages that reach the object; paints fail when told to.
class CRecordingPanel : public CTestPanel
{
public:
    std::vector<UINT> seen;
    bool failPainting = false;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        if (message == WM_PAINT && failPainting)
            throw std::runtime_error("no pen for the frame");
        return CTestPanel::HandleMessage(message, wParam, lParam);
    }
};

bool Saw(const std::vector<UINT>& seen, UINT message)
{
    return std::find(seen.begin(), seen.end(), message) != seen.end();
}

TEST(Binding, TheObjectHearsItsWindowFromCreationToItsLastMessage)
{
    HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CBaseWindow::FromHandle(foreign));
    DestroyWindow(foreign);

    CTestWindow window;
    CRecordingPanel panel;
    ASSERT_TRUE(window.Create(0, 0, 300, 200) && panel.Create(&window, L"", L"panel", 5, 5, 100, 50, 0, 0));
    EXPECT_TRUE(Saw(panel.seen, WM_CREATE) && Saw(panel.seen, WM_SIZE)) << "sent while the window is made";
    EXPECT_EQ(&window, panel.GetParentWindow());
    const HWND handle = panel.GetHandle();
    EXPECT_EQ(&panel, CBaseWindow::FromHandle(handle));
    EXPECT_TRUE(window.Close());
    EXPECT_TRUE(Saw(panel.seen, WM_NCDESTROY));
    EXPECT_TRUE(window.IsNull() && panel.IsNull()) << "the objects forget their destroyed windows";
    EXPECT_EQ(nullptr, CBaseWindow::FromHandle(handle));
}

// The handler's exception stops at the window procedure: the user is told once, the window
// gets only its default processing, and the message loop ends with the failure's exit code.
TEST(WindowProcedure, AFailedPaintingIsToldOnceAndEndsTheLoopWithTheFailureCode)
{
    testsupport::CModalWatcher watcher;
    CTestWindow parent;
    CRecordingPanel window;
    window.failPainting = true;
    ASSERT_TRUE(parent.Create(0, 0, 200, 100) && window.Create(&parent, L"", L"", 0, 0, 200, 100, 0, 0));
    InvalidateRect(window.GetHandle(), nullptr, TRUE);
    MSG message = {};
    const DWORD start = GetTickCount();
    while (message.message != WM_QUIT && GetTickCount() - start < 5000) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
            DispatchMessageW(&message);
    }
    ASSERT_EQ(UINT(WM_QUIT), message.message);
    EXPECT_EQ(WPARAM(CBaseWindow::FailureExitCode), message.wParam);
    EXPECT_EQ(1, std::count(window.seen.begin(), window.seen.end(), UINT(WM_PAINT)));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(UINT(MB_ICONERROR), watcher.Boxes()[0].icon);
    EXPECT_NE(std::wstring::npos, watcher.Boxes()[0].text.find(L"no pen for the frame"));
}

TEST(Graphic, DestructionGivesTheContextBackItsObjectsAndAWhiteBackground)
{
    CTestWindow parent;
    CTestPanel window;
    ASSERT_TRUE(parent.Create(0, 0, 200, 100) && window.Create(&parent, L"", L"", 0, 0, 200, 100, 0, 0));
    const HWND handle = window.GetHandle();
    HDC dc = GetDC(handle);  // CS_OWNDC: the same context, kept while the window lives
    ReleaseDC(handle, dc);
    const auto selection = [dc] {
        return std::vector<UINT_PTR>{UINT_PTR(GetCurrentObject(dc, OBJ_FONT)), UINT_PTR(GetCurrentObject(dc, OBJ_PEN)),
                                     UINT_PTR(GetCurrentObject(dc, OBJ_BRUSH)), GetBkColor(dc)};
    };
    std::vector<UINT_PTR> before = selection();
    before[3] = RGB(255, 255, 255);
    graphics::CFont small, large;
    graphics::CPen thin(RGB(39, 49, 151), 1), thick(RGB(133, 154, 237), 2), neverMade(0, 1);
    graphics::CSolidBrush brush(RGB(1, 2, 3));
    ASSERT_TRUE(small.Create() && large.Create() && thin.Create() && thick.Create() && brush.Create());
    {
        CGraphic graphic(handle);
        graphic.SelectFont(small);
        graphic.SelectFont(large);
        graphic.SelectPen(thin);
        graphic.SelectPen(thick);
        graphic.SelectBrush(brush);
        graphic.SetBkColor(RGB(255, 0, 0));
        EXPECT_EQ(large.GetHandle(), GetCurrentObject(graphic.GetHandle(), OBJ_FONT));
        EXPECT_EQ(thick.GetHandle(), GetCurrentObject(graphic.GetHandle(), OBJ_PEN));
        EXPECT_THROW(graphic.SelectPen(neverMade), CGraphic::CExceptionBadObject);
    }
    EXPECT_EQ(before, selection()) << "font, pen, brush and background colour";

    const CGraphic nowhere(nullptr);
    EXPECT_EQ(nullptr, nowhere.GetHandle()) << "a null window stands for the whole screen";
}

struct CTestApplication : vrok::main::CApplication
{
    int Start(vrok::main::CArgumentList&) override { return OpenMainWindow(new OMyWindow(nullptr)); }
};

LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
}

// The strip's class is taken by a procedure that refuses every window: the main window is made
// without a strip and answers clicks and comparisons all the same.
TEST(MainWindow, GoesOnWithoutAStripItCouldNotMake)
{
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW refusing = {};
    refusing.cbSize = sizeof(refusing);
    refusing.lpszClassName = controls::panel::CNotifyWindow::ClassName;
    refusing.hInstance = module;
    refusing.lpfnWndProc = RefuseCreation;
    ASSERT_NE(0, RegisterClassExW(&refusing));
    CTestApplication application;
    vrok::main::CArgumentList arguments;
    testsupport::CModalWatcher watcher;
    ASSERT_EQ(0, application.Start(arguments));
    auto* window = static_cast<OMyWindow*>(vrok::main::CApplication::GetMainWindow());
    EXPECT_EQ(nullptr, window->GetNotifyWindow());
    SendMessageW(window->GetHandle(), WM_LBUTTONDOWN, 0, 0);
    SendMessageW(window->GetHandle(), WM_COMPARE_REQUEST, 0, 0);
    PostMessageW(window->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, vrok::main::CApplication::Run());
    UnregisterClassW(controls::panel::CNotifyWindow::ClassName, module);
}
