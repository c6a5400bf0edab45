// The window framework: creation and binding, controls, drawing, and the main window's status bar.

#include "modal_watcher.h"
#include "window_testing.h"

#include "window/my_window.h"
#include "vrok_user/vrok_edittext.h"
#include "vrok_user/vrok_graphic.h"
#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_statictext.h"
#include "vrok_user/vrok_toolwindow.h"
#include "vrok_user/vrok_windowsexception.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace vrok::user;
using basewindow::CBaseWindow;
using graphics::CGraphic;
using testsupport::WindowText;

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

void Type(HWND control, const wchar_t* keys)
{
    for (; *keys != L'\0'; ++keys)
        SendMessageW(control, WM_CHAR, *keys, 1);
}

// The (object, code) pairs of the WM_CONTROL_CLOSED messages waiting for the window, taken out.
using Notices = std::vector<std::pair<const void*, LPARAM>>;
Notices TakeClosedNotices(HWND window)
{
    Notices notices;
    MSG m;
    while (PeekMessageW(&m, window, controls::WM_CONTROL_CLOSED, controls::WM_CONTROL_CLOSED, PM_REMOVE))
        notices.emplace_back(reinterpret_cast<const void*>(m.wParam), m.lParam);
    return notices;
}

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

TEST(CreateWindowEx, SecondCreationThrowsWithItsMessageAndLineAndKeepsTheWindow)
{
    CTestWindow window;
    ASSERT_TRUE(window.Create(0, 0, 50, 50));
    const HWND first = window.GetHandle();
    try {
        window.Create(0, 0, 50, 50);
        ADD_FAILURE() << "a second creation must throw";
    } catch (const windowsexception::CWindowsException& exception) {
        EXPECT_STREQ("The window has been created before !", exception.what());
        EXPECT_EQ(211, exception.GetLine());
    }
    EXPECT_EQ(first, window.GetHandle());
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

TEST(Controls, TypingAndClosingNotices)
{
    CTestWindow parent;
    ASSERT_TRUE(parent.Create(0, 0, 400, 300));
    controls::text::CEditText edit;
    controls::text::CStaticText readOnly;
    ASSERT_TRUE(edit.Create(&parent, L"", 10, 10, 200, 24, 0, 0));
    ASSERT_TRUE(readOnly.Create(&parent, L"d41d8cd98f00b204e9800998ecf8427e", 10, 40, 300, 24, 0, 0));
    Type(edit.GetHandle(), L"ABC Def");
    Type(readOnly.GetHandle(), L"XYZ");
    EXPECT_EQ(L"abc def", WindowText(edit.GetHandle()));
    EXPECT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", WindowText(readOnly.GetHandle()));

    CTestPanel panel;
    controls::toolwindow::CToolWindow tool;
    ASSERT_TRUE(panel.Create(&parent, L"", L"one", 0, 0, 100, 50, 0, 0));
    ASSERT_TRUE(tool.Create(&parent, L"About", 50, 50, 300, 200, 0, 0));
    EXPECT_TRUE(panel.Close() && readOnly.Close() && tool.Close());
    EXPECT_EQ((Notices{{&panel, 100}, {&panel, 102}, {&readOnly, 102}, {&tool, 101}}),
              TakeClosedNotices(parent.GetHandle()));
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

    CGraphic graphic(handle);
    EXPECT_TRUE(graphic.Close());
    EXPECT_FALSE(graphic.Close()) << "released once";
}

TEST(MainWindow, StatusBarHasTwoPartsSentOnceAndStaysAtTheBottom)
{
    struct CTestApplication : vrok::main::CApplication
    {
        int Start(vrok::main::CArgumentList&) override { return OpenMainWindow(new OMyWindow(nullptr)); }
    } application;
    vrok::main::CArgumentList arguments;
    testsupport::CModalWatcher watcher;  // no profile files beside the tests: a box says so
    ASSERT_EQ(0, application.Start(arguments));
    auto* window = static_cast<OMyWindow*>(vrok::main::CApplication::GetMainWindow());
    window->GetStatusBar()->AddPart(200, L"late");
    window->GetStatusBar()->Display();

    const HWND bar = window->GetStatusBar()->GetHandle();
    int edges[4] = {};
    wchar_t texts[2][16] = {};
    ASSERT_EQ(2, SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)));
    for (int part = 0; part < 2; ++part)
        SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(texts[part]));
    EXPECT_EQ((std::vector<int>{80, -1}), std::vector<int>(edges, edges + 2));
    EXPECT_STREQ(L"md5", texts[0]);
    EXPECT_STREQ(L" ", texts[1]);

    SetWindowPos(window->GetHandle(), nullptr, 0, 0, 600, 450, SWP_NOMOVE | SWP_NOZORDER);
    testsupport::PumpMessages(50);
    RECT client = {};
    GetClientRect(window->GetHandle(), &client);
    const RECT place = testsupport::ChildRect(bar);
    EXPECT_EQ(client.bottom, place.bottom);
    EXPECT_EQ(client.right, place.right);

    PostMessageW(window->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, vrok::main::CApplication::Run());
}
