#include "test_windows.h"

#include "modal_watcher.h"

#include "my_window.h"
#include "vrok_user/vrok_main.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

using frameworktest::PumpMessages;
using frameworktest::WindowText;
using vrok::main::CApplication;
using vrok::main::CArgumentList;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::mainwindow::CStdMainWindow;

// The main window class can be registered once per process, so this suite opens one program
// window for all its tests, which run in order, and closes it in the last one.
namespace {

class CTestApplication : public CApplication
{
public:
    int Start(CArgumentList&) override { return OpenMainWindow(new OMyWindow(nullptr)); }
};

class MainWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_application = new CTestApplication();
        CArgumentList arguments;
        // No profile files lie beside the test program: the window says so in a box, which the
        // watcher closes, and opens all the same.
        testsupport::CModalWatcher watcher;
        s_started = s_application->Start(arguments);
        PumpMessages(100);
    }
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

    static OMyWindow* Window() { return static_cast<OMyWindow*>(CApplication::GetMainWindow()); }
    static HWND Bar() { return Window()->GetStatusBar()->GetHandle(); }

    static RECT BarInParent()
    {
        RECT rect = {};
        GetWindowRect(Bar(), &rect);
        MapWindowPoints(nullptr, Window()->GetHandle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    static CTestApplication* s_application;
    static int s_started;
};

CTestApplication* MainWindowTest::s_application = nullptr;
int MainWindowTest::s_started = -1;

}

TEST_F(MainWindowTest, OpensAtItsPlaceWithTitleClassIconAndBackground)
{
    ASSERT_EQ(0, s_started);
    HWND window = Window()->GetHandle();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(L"Vestigon pour md5 v1.0", WindowText(window));
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(L"VYMP_MAIN_WINDOW_CLASSNAME", className);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(10, rect.top);
    EXPECT_EQ(420, rect.right - rect.left);
    EXPECT_EQ(300, rect.bottom - rect.top);
    EXPECT_NE(0, GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(nullptr, CBaseWindow::GetBoundParent(Window()));
    EXPECT_EQ(L"file : ", std::wstring(Window()->GetCaption()));

    LOGBRUSH brush = {};
    ASSERT_NE(0, GetObjectW(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)),
                            sizeof(brush), &brush));
    EXPECT_EQ(RGB(133, 154, 237), brush.lbColor);
}

TEST_F(MainWindowTest, StatusBarHasTwoPartsSentOnce)
{
    HWND bar = Bar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(123, GetDlgCtrlID(bar));
    EXPECT_EQ(Window(), Window()->GetStatusBar()->GetParentWindow());
    EXPECT_EQ(nullptr, CBaseWindow::GetBoundParent(Window()->GetStatusBar()))
        << "the bar is created directly, its binding names no parent";

    Window()->GetStatusBar()->AddPart(200, L"late");
    Window()->GetStatusBar()->Display();

    int edges[4] = {};
    ASSERT_EQ(2, SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)));
    EXPECT_EQ(80, edges[0]);
    EXPECT_EQ(-1, edges[1]);
    wchar_t text[16] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(L"md5", text);
    SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(L" ", text);
}

TEST_F(MainWindowTest, StatusBarStaysAtTheBottomAfterAResize)
{
    SetWindowPos(Window()->GetHandle(), nullptr, 0, 0, 600, 450, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(50);
    RECT client = {};
    GetClientRect(Window()->GetHandle(), &client);
    const RECT bar = BarInParent();
    EXPECT_EQ(client.bottom, bar.bottom);
    EXPECT_EQ(0, bar.left);
    EXPECT_EQ(client.right, bar.right);
    EXPECT_GT(bar.bottom - bar.top, 0);
}

TEST_F(MainWindowTest, SecondMainWindowCannotRegisterItsClass)
{
    OMyWindow second(nullptr);
    EXPECT_THROW(second.Create(), CStdMainWindow::CExceptionRegisterClass);
    EXPECT_TRUE(second.IsNull());
}

TEST_F(MainWindowTest, ClosingEndsTheLoopWithZeroAndReleasesTheBinding)
{
    HWND window = Window()->GetHandle();
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, CApplication::Run());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(Window()->IsNull()) << "the object has forgotten its destroyed window";
    delete s_application;
    s_application = nullptr;
    EXPECT_EQ(nullptr, CApplication::GetMainWindow());
    EXPECT_EQ(nullptr, CApplication::GetInstance());
}
