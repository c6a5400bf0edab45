#include "test_windows.h"

#include "vrok_user/vrok_windowsexception.h"

#include <gtest/gtest.h>

#include <cstring>

using frameworktest::CTestPanel;
using frameworktest::CTestWindow;
using frameworktest::TestClassName;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::windowsexception::CWindowsException;

namespace {

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

}

TEST(CreateWindowEx, AlwaysMakesTheWindowVisibleAndRunsOnCreateOnceBound)
{
    CTestWindow window;
    ASSERT_TRUE(window.CreateTopLevel(TestClassName(), 20, 30, 200, 100, WS_POPUP));
    EXPECT_NE(0, GetWindowLongPtrW(window.GetHandle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_EQ(1, window.onCreateCalls);
    const RECT rect = WindowRect(window.GetHandle());
    EXPECT_EQ(20, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(200, rect.right - rect.left);
    EXPECT_EQ(100, rect.bottom - rect.top);
    EXPECT_EQ(&window, CBaseWindow::FromHandle(window.GetHandle()));
}

TEST(CreateWindowEx, ZeroWidthTakesTheMaximisedSizeLessThePosition)
{
    const int maxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    const int maxHeight = GetSystemMetrics(SM_CYMAXIMIZED);

    CTestWindow inside;
    ASSERT_TRUE(inside.CreateTopLevel(TestClassName(), 10, 10, 0, 150));
    RECT rect = WindowRect(inside.GetHandle());
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(10, rect.top);
    EXPECT_EQ(maxWidth - 10, rect.right - rect.left);
    EXPECT_EQ(maxHeight - 10, rect.bottom - rect.top);

    CTestWindow beyond;
    ASSERT_TRUE(beyond.CreateTopLevel(TestClassName(), maxWidth + 5, 20, 0, 0));
    rect = WindowRect(beyond.GetHandle());
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(maxWidth, rect.right - rect.left);
    EXPECT_EQ(maxHeight - 20, rect.bottom - rect.top);
}

TEST(CreateWindowEx, SecondCreationThrowsWithMessageSourceAndLine)
{
    CTestWindow window;
    ASSERT_TRUE(window.CreateTopLevel(TestClassName(), 0, 0, 50, 50));
    HWND first = window.GetHandle();
    try
    {
        window.CreateTopLevel(TestClassName(), 0, 0, 50, 50);
        FAIL() << "a second creation must throw";
    }
    catch (const CWindowsException& exception)
    {
        EXPECT_STREQ("The window has been created before !", exception.what());
        EXPECT_STREQ("..\\src\\vrok_user\\vrok_basewindow", exception.GetSourcePath());
        EXPECT_EQ(211, exception.GetLine());
    }
    EXPECT_EQ(first, window.GetHandle());
    EXPECT_TRUE(IsWindow(first));
    EXPECT_EQ(1, window.onCreateCalls);
}

TEST(CreateWindowEx, UnknownClassGivesFalseAndNoBinding)
{
    CTestWindow window;
    EXPECT_FALSE(window.CreateTopLevel(L"VestigonNoSuchClass", 0, 0, 50, 50));
    EXPECT_TRUE(window.IsNull());
    EXPECT_EQ(0, window.onCreateCalls);
}

TEST(Binding, ForeignWindowsHaveNoObjectAndParentsAreKnownOnlyForControls)
{
    HWND foreign = CreateWindowExW(0, TestClassName(), L"foreign", WS_POPUP, 0, 0, 40, 40, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, foreign);
    EXPECT_EQ(nullptr, CBaseWindow::FromHandle(foreign));
    EXPECT_EQ(nullptr, CBaseWindow::FromHandle(nullptr));
    DestroyWindow(foreign);

    CTestWindow parent;
    ASSERT_TRUE(parent.CreateTopLevel(TestClassName(), 0, 0, 300, 200));
    EXPECT_EQ(nullptr, CBaseWindow::GetBoundParent(&parent));

    CTestPanel* panel = new CTestPanel();
    ASSERT_TRUE(panel->Create(&parent, L"", L"panel", 5, 5, 100, 50, 0, 0));
    EXPECT_EQ(&parent, CBaseWindow::GetBoundParent(panel));
    EXPECT_EQ(&parent, panel->GetParentWindow());
    EXPECT_EQ(panel, CBaseWindow::FromHandle(panel->GetHandle()));
    EXPECT_EQ(parent.GetHandle(), GetParent(panel->GetHandle()));
    delete panel;
}

TEST(Binding, IsRemovedWithTheWindowAndTheObjectForgetsItsHandle)
{
    CTestWindow window;
    ASSERT_TRUE(window.CreateTopLevel(TestClassName(), 0, 0, 50, 50));
    HWND handle = window.GetHandle();
    EXPECT_TRUE(window.Close());
    EXPECT_TRUE(window.IsNull());
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(nullptr, GetPropW(handle, vrok::user::basewindow::WindowPropertyName));
    EXPECT_FALSE(window.Close()) << "nothing is left to destroy";
}

TEST(Binding, ChildDestroyedWithItsParentIsLeftAloneByItsOwner)
{
    CTestWindow* parent = new CTestWindow();
    ASSERT_TRUE(parent->CreateTopLevel(TestClassName(), 0, 0, 300, 200));
    CTestPanel* panel = new CTestPanel();
    ASSERT_TRUE(panel->Create(parent, L"", L"panel", 5, 5, 100, 50, 0, 0));
    HWND panelHandle = panel->GetHandle();
    delete parent;
    EXPECT_FALSE(IsWindow(panelHandle));

    // A window made now may get the old handle value back; deleting the panel must not touch it.
    CTestWindow later;
    ASSERT_TRUE(later.CreateTopLevel(TestClassName(), 0, 0, 50, 50));
    delete panel;
    EXPECT_TRUE(IsWindow(later.GetHandle()));
}

TEST(BaseWindow, ShowHidesWithoutTouchingTheForegroundAndShowsAgain)
{
    CTestWindow other;
    ASSERT_TRUE(other.CreateTopLevel(TestClassName(), 100, 0, 80, 60));
    CTestWindow window;
    ASSERT_TRUE(window.CreateTopLevel(TestClassName(), 0, 0, 80, 60));
    int width = 0, height = 0;
    window.GetClientSize(width, height);
    EXPECT_EQ(80, width);
    EXPECT_EQ(60, height);

    other.Show(true);
    EXPECT_EQ(other.GetHandle(), GetForegroundWindow());
    window.Show(false);
    EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    EXPECT_EQ(other.GetHandle(), GetForegroundWindow());
    window.Show(true);
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_EQ(window.GetHandle(), GetForegroundWindow());
}
