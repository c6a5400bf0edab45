// The program's panels in the application's main window: the notification strip and the About
// window.

#include "window_testing.h"

#include "settings/program_texts.h"
#include "window/about_window.h"
#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace testsupport;
using vrok::user::controls::panel::CNotifyWindow;

namespace {

// The application's main window (at (10, 10), 420 x 300) opened once through the application's
// own seam; it parents every panel here.
vrok::user::basewindow::CBaseWindow* Main()
{
    struct CTestApplication : vrok::main::CApplication {
        CTestApplication() { OpenMainWindow(new vrok::user::mainwindow::CStdMainWindow(programtexts::MainWindowLook)); }
    };
    if (vrok::main::CApplication::GetMainWindow() == nullptr)
        new CTestApplication();
    return vrok::main::CApplication::GetMainWindow();
}

bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300; }
bool IsStripGround(COLORREF c) { return c == CNotifyWindow::BackgroundColour; }

}

TEST(NotifyWindow, ShowsTheVerdictIconBeforeItsLinesAndFitsItsParent)
{
    RECT client = {};
    GetClientRect(Main()->GetHandle(), &client);
    CNotifyWindow strip;
    ASSERT_TRUE(strip.Create(Main(), 0, 0, client.right, CNotifyWindow::StripHeight, 0, WS_BORDER));
    const HWND window = strip.GetHandle();
    const auto show = [&](const std::wstring& text, int bitmapId) {
        strip.SetMessage(text.c_str(), bitmapId);
        strip.Show(true);
        PumpMessages(100);
    };

    // The shield of each verdict in its colour is the main window test's table.
    show(L"Les empreintes sont identiques", 101);
    EXPECT_TRUE(IsStripGround(PixelAt(window, 10, 10)));
    EXPECT_FALSE(IsStripGround(PixelAt(window, 25, 14))) << "the shield starts just inside (10, 10)";
    EXPECT_TRUE(IsGreen(PixelAt(window, 34, 22)));
    EXPECT_EQ(8 * 60, CountPixels(window, RECT{40, 0, 48, 60}, IsStripGround)) << "nothing between icon and text";
    EXPECT_GT(CountPixels(window, RECT{48, 12, 51, 26}, IsDark), 0) << "the text starts at x 48";
    show(L"Premiere ligne", 0);
    EXPECT_EQ(48 * 60, CountPixels(window, RECT{0, 0, 48, 60}, IsStripGround)) << "the icon has gone";
    EXPECT_GT(CountPixels(window, RECT{48, 12, 51, 26}, IsDark), 0) << "the text still starts at x 48";
    EXPECT_EQ(0, CountPixels(window, RECT{48, 28, 400, 44}, IsDark));
    show(L"Premiere ligne\nSeconde ligne", 0);
    EXPECT_GT(CountPixels(window, RECT{48, 28, 400, 44}, IsDark), 20) << "a second line";

    // FitToParent follows the parent's width and keeps the strip's height.
    SetWindowPos(window, nullptr, 0, 0, 300, 50, SWP_NOMOVE | SWP_NOZORDER);
    strip.FitToParent();
    EXPECT_EQ(client.right, ChildRect(window).right);
    EXPECT_EQ(50, ChildRect(window).bottom);
}

// Over the main window at (10, 10); closing with a right click as well is part of the end-to-end
// random session.
TEST(AboutWindow, OverTheMainWindowPaintedAndClosedByAClick)
{
    vrok::user::graphics::CBitmap picture;
    ASSERT_TRUE(picture.LoadFromResource(MAKEINTRESOURCEW(CAboutWindow::PictureId)));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture.GetHandle());

    CAboutWindow about;
    ASSERT_TRUE(about.OpenOver(Main()));
    const HWND window = about.GetHandle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(100);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ((std::vector<LONG>{80, 70}), (std::vector<LONG>{rect.left, rect.top}));
    EXPECT_EQ(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(RGB(0, 20, 0), PixelAt(window, 2, 2)) << "the dark green ground";
    EXPECT_GT(CountPixels(window, RECT{46, 10, 290, 32}, [](COLORREF c) { return NearColour(c, RGB(243, 247, 247), 2); }), 100)
        << "the title in its colour";
    // Below the texts the picture shows from (4, 4).
    EXPECT_EQ(GetPixel(memory, 40, 110), PixelAt(window, 44, 114));
    SelectObject(memory, previous);
    DeleteDC(memory);

    SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(50, 50));
    EXPECT_FALSE(IsWindow(window));
}
