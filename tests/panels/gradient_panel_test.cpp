// The gradient panel as the program uses it: the drop panel, 400 x 120, in a host window.

#include "cool_control.h"
#include "panel_windows.h"

#include <gtest/gtest.h>

#include <memory>

using paneltest::CountPixels;
using paneltest::NearColour;
using paneltest::PixelAt;
using paneltest::PumpMessages;
using vrok::user::controls::panel::CGradientControl;

namespace {

const COLORREF StripStart = RGB(39, 49, 151);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Outline = RGB(39, 49, 151);
const int StripRow = 10;

struct CPaintedPanel
{
    explicit CPaintedPanel(const wchar_t* title) : panel(new CCoolControl())
    {
        panel->Create(&paneltest::Host(), title, 2, 20, 400, 120, 0, 0);
        RedrawWindow(panel->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages(100);
    }

    HWND Window() const { return panel->GetHandle(); }

    std::unique_ptr<CCoolControl> panel;
};

COLORREF ExpectedStripColour(int x)
{
    const int span = 380;
    const int step = x - 10;
    return RGB(39 + (255 - 39) * step / span, 49 + (255 - 49) * step / span, 151 + (255 - 151) * step / span);
}

bool IsNearWhite(COLORREF colour)
{
    return GetRValue(colour) > 220 && GetGValue(colour) > 220 && GetBValue(colour) > 220;
}

TEST(GradientPanel, StripRunsFromDarkBlueToWhiteBetweenItsInsets)
{
    CPaintedPanel painted(L"");
    const HWND window = painted.Window();

    EXPECT_TRUE(NearColour(PixelAt(window, 11, StripRow), StripStart, 3));
    EXPECT_TRUE(NearColour(PixelAt(window, 389, StripRow), White, 4));
    for (int x = 20; x < 390; x += 30)
        EXPECT_TRUE(NearColour(PixelAt(window, x, StripRow), ExpectedStripColour(x), 4)) << "x " << x;
    for (int y = 1; y < 20; y += 6)
        EXPECT_TRUE(NearColour(PixelAt(window, 100, y), ExpectedStripColour(100), 4)) << "y " << y;

    // Below the strip and right of it: the white inside of the box.
    EXPECT_EQ(White, PixelAt(window, 100, 21));
    EXPECT_EQ(White, PixelAt(window, 392, StripRow));
}

TEST(GradientPanel, RoundedBoxStartsTenPixelsInOnTheClassBackground)
{
    CPaintedPanel painted(L"");
    const HWND window = painted.Window();

    EXPECT_EQ(CGradientControl::BackgroundColour, PixelAt(window, 5, 60));
    EXPECT_EQ(Outline, PixelAt(window, 10, 60));
    EXPECT_EQ(Outline, PixelAt(window, 399, 60));
    EXPECT_EQ(Outline, PixelAt(window, 200, 119));
    EXPECT_EQ(Outline, PixelAt(window, 200, 0));
    EXPECT_EQ(White, PixelAt(window, 380, 60));
    // The dark stroke along the left edge of the strip.
    EXPECT_EQ(Outline, PixelAt(window, 10, 19));
}

TEST(GradientPanel, TitleIsWrittenInWhiteOnTheStripAndAnEmptyTitleWritesNothing)
{
    const RECT titleArea = {26, 2, 120, 19};
    CPaintedPanel titled(L"Hash Md5");
    const int whiteWithTitle = CountPixels(titled.Window(), titleArea, IsNearWhite);
    CPaintedPanel untitled(L"");
    const int whiteWithoutTitle = CountPixels(untitled.Window(), titleArea, IsNearWhite);

    EXPECT_GT(whiteWithTitle, 20);
    EXPECT_EQ(0, whiteWithoutTitle);
    // Nothing is written left of the title's start.
    EXPECT_EQ(0, CountPixels(titled.Window(), RECT{12, 2, 25, 19}, IsNearWhite));
}

TEST(GradientPanel, ChildrenArePaintedAgainOverThePanel)
{
    CPaintedPanel painted(L"Titre");
    const HWND button = painted.panel->GetCompareButton()->GetHandle();
    const RECT place = paneltest::ChildRect(button);
    auto notWhite = [](COLORREF colour) { return colour != RGB(255, 255, 255); };

    // The panel paints its white box over the whole client area, children included; the
    // children then paint themselves again on top: the button's frame shows.
    for (int repaint = 0; repaint < 2; ++repaint)
    {
        RedrawWindow(painted.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages(100);
        EXPECT_GE(CountPixels(painted.Window(), place, notWhite), 100) << "repaint " << repaint;
    }
}

TEST(GradientPanel, StripDrawnByHandMatchesTheGradientFill)
{
    HDC screen = GetDC(nullptr);
    HDC byHand = CreateCompatibleDC(screen);
    HDC byPlatform = CreateCompatibleDC(screen);
    HBITMAP handBitmap = CreateCompatibleBitmap(screen, 400, 30);
    HBITMAP platformBitmap = CreateCompatibleBitmap(screen, 400, 30);
    HGDIOBJ oldHand = SelectObject(byHand, handBitmap);
    HGDIOBJ oldPlatform = SelectObject(byPlatform, platformBitmap);

    TRIVERTEX vertices[2] = {{10, 1, 0x2700, 0x3100, 0x9700, 0}, {390, 20, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT mesh = {0, 1};
    CGradientControl::FillStripByHand(byHand, vertices[0], vertices[1]);
    HMODULE msimg32 = LoadLibraryW(L"Msimg32.dll");
    ASSERT_NE(nullptr, msimg32);
    auto gradientFill = reinterpret_cast<vrok::user::graphics::CGraphic::GradientFillEntry>(
        reinterpret_cast<void*>(GetProcAddress(msimg32, "GradientFill")));
    ASSERT_NE(nullptr, gradientFill);
    gradientFill(byPlatform, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
    FreeLibrary(msimg32);

    EXPECT_EQ(StripStart, GetPixel(byHand, 10, 1));
    EXPECT_EQ(White, GetPixel(byHand, 389, 19));
    for (int x = 10; x < 390; x += 19)
        EXPECT_TRUE(NearColour(GetPixel(byHand, x, 10), GetPixel(byPlatform, x, 10), 3)) << "x " << x;

    SelectObject(byHand, oldHand);
    SelectObject(byPlatform, oldPlatform);
    DeleteObject(handBitmap);
    DeleteObject(platformBitmap);
    DeleteDC(byHand);
    DeleteDC(byPlatform);
    ReleaseDC(nullptr, screen);
}

}
