// The About window over the application's main window: place, style, painting, closing.

#include "about_window.h"
#include "panel_windows.h"

#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"

#include <gtest/gtest.h>

#include <memory>

using paneltest::CountPixels;
using paneltest::NearColour;
using paneltest::PixelAt;
using paneltest::PumpMessages;
using paneltest::RecordedMessages;
using vrok::user::controls::WM_CONTROL_CLOSED;

namespace {

struct COpenAbout
{
    COpenAbout() : mainWindow(paneltest::MainWindow()), about(new CAboutWindow())
    {
        EXPECT_TRUE(about->OpenOver(mainWindow));
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages(100);
        paneltest::ForgetMessages(mainWindow->GetHandle());
    }

    HWND Window() const { return about->GetHandle(); }

    vrok::user::basewindow::CBaseWindow* mainWindow;
    std::unique_ptr<CAboutWindow> about;
};

TEST(AboutWindow, PlacedOverTheMainWindowAsATopmostOwnedToolWindow)
{
    COpenAbout open;
    RECT mainRect = {};
    ::GetWindowRect(open.mainWindow->GetHandle(), &mainRect);
    ASSERT_EQ(10, mainRect.left);
    ASSERT_EQ(10, mainRect.top);
    ASSERT_EQ(420, mainRect.right - mainRect.left);
    ASSERT_EQ(300, mainRect.bottom - mainRect.top);

    RECT aboutRect = {};
    ::GetWindowRect(open.Window(), &aboutRect);
    EXPECT_EQ(80, aboutRect.left);
    EXPECT_EQ(70, aboutRect.top);
    EXPECT_EQ(300, aboutRect.right - aboutRect.left);
    EXPECT_EQ(200, aboutRect.bottom - aboutRect.top);

    const LONG_PTR exStyle = GetWindowLongPtrW(open.Window(), GWL_EXSTYLE);
    EXPECT_NE(0, exStyle & WS_EX_TOPMOST);
    EXPECT_NE(0, exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(open.mainWindow->GetHandle(), GetWindow(open.Window(), GW_OWNER));
    wchar_t caption[16] = {};
    GetWindowTextW(open.Window(), caption, 16);
    EXPECT_STREQ(L"About", caption);
}

TEST(AboutWindow, PlacementCentresOverTheOwnerShiftedByTen)
{
    const RECT owner = {100, 50, 701, 450};
    const POINT corner = CAboutWindow::PlaceOver(owner);
    EXPECT_EQ(100 + 150 + 10, corner.x);
    EXPECT_EQ(50 + 100 + 10, corner.y);
}

TEST(AboutWindow, DarkGreenGroundWithThePictureClippedNotScaled)
{
    COpenAbout open;
    RECT client = {};
    ::GetClientRect(open.Window(), &client);
    ASSERT_LT(client.right, 336 + 4);

    // The frame at the left and top, the ground between frame and picture.
    EXPECT_EQ(RGB(133, 154, 237), PixelAt(open.Window(), 0, 60));
    EXPECT_EQ(RGB(133, 154, 237), PixelAt(open.Window(), 60, 0));
    EXPECT_EQ(RGB(0, 20, 0), PixelAt(open.Window(), 2, 2));
    EXPECT_EQ(RGB(0, 20, 0), PixelAt(open.Window(), 2, 100));

    // Where no text is written, the window shows the picture pixel for pixel from (4, 4).
    vrok::user::graphics::CBitmap picture;
    ASSERT_TRUE(picture.LoadFromResource(MAKEINTRESOURCEW(CAboutWindow::PictureId)));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture.GetHandle());
    int compared = 0;
    for (int y = 106; y < client.bottom - 42; y += 3)
        for (int x = 4; x < client.right; x += 7)
        {
            EXPECT_EQ(GetPixel(memory, x - 4, y - 4), PixelAt(open.Window(), x, y)) << x << "," << y;
            ++compared;
        }
    // The right edge shows the picture, not the frame: it runs on beyond the window.
    EXPECT_EQ(GetPixel(memory, client.right - 1 - 4, 120), PixelAt(open.Window(), client.right - 1, 120));
    SelectObject(memory, previous);
    DeleteDC(memory);
    EXPECT_GT(compared, 100);
}

TEST(AboutWindow, TitleAndTextsInTheirColours)
{
    COpenAbout open;
    RECT client = {};
    ::GetClientRect(open.Window(), &client);
    auto titleColour = [](COLORREF c) { return NearColour(c, RGB(243, 247, 247), 2); };
    auto textColour = [](COLORREF c) { return NearColour(c, RGB(255, 255, 237), 2); };

    EXPECT_GT(CountPixels(open.Window(), RECT{46, 10, 290, 32}, titleColour), 100);
    EXPECT_GT(CountPixels(open.Window(), RECT{26, 46, 290, 62}, textColour), 50);
    EXPECT_GT(CountPixels(open.Window(), RECT{26, 66, 290, 82}, textColour), 30);
    EXPECT_GT(CountPixels(open.Window(), RECT{26, 86, 290, 102}, textColour), 30);
    // The notice line near the bottom.
    EXPECT_GT(CountPixels(open.Window(), RECT{20, client.bottom - 40, 290, client.bottom - 24}, textColour), 30);
    // Between the texts only the picture shows.
    EXPECT_EQ(0, CountPixels(open.Window(), RECT{4, 106, client.right, client.bottom - 42}, textColour));
}

void ExpectClickCloses(UINT clickMessage)
{
    COpenAbout open;
    const HWND window = open.Window();
    SendMessageW(window, clickMessage, 0, MAKELPARAM(50, 50));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(open.about->IsNull());
    PumpMessages(100);

    const auto closed = RecordedMessages(open.mainWindow->GetHandle(), WM_CONTROL_CLOSED);
    ASSERT_EQ(1u, closed.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(open.about.get()), closed[0].wParam);
    EXPECT_EQ(vrok::user::controls::ControlClosedToolWindow, closed[0].lParam);
}

TEST(AboutWindow, LeftClickClosesIt)
{
    ExpectClickCloses(WM_LBUTTONDOWN);
}

TEST(AboutWindow, RightClickClosesIt)
{
    ExpectClickCloses(WM_RBUTTONDOWN);
}

}
