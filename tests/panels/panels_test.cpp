// The program's panels in a recording main window: the drop panel with its gradient, the
// notification strip and the About window.

#include "window_testing.h"

#include "settings/program_texts.h"
#include "window/about_window.h"
#include "window/cool_control.h"
#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace testsupport;
using vrok::user::controls::panel::CNotifyWindow;

namespace {

const COLORREF White = RGB(255, 255, 255), DarkBlue = RGB(39, 49, 151);

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

bool IsNearWhite(COLORREF c) { return NearColour(c, White, 35); }
bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300; }
bool IsStripGround(COLORREF c) { return c == CNotifyWindow::BackgroundColour; }

std::unique_ptr<CCoolControl> PaintedPanel(const wchar_t* title)
{
    std::unique_ptr<CCoolControl> panel(new CCoolControl());
    EXPECT_TRUE(panel->Create(Main(), title, 2, 20, 400, 120, 0, 0));
    RedrawWindow(panel->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(100);
    return panel;
}

}

TEST(DropPanel, PaintsItsGradientAndTitleAndPlacesItsChildren)
{
    auto panel = PaintedPanel(L"");
    HWND window = panel->GetHandle();
    // The strip runs from dark blue at x 10 to white at x 390, the same down its rows 1 to 19.
    const auto strip = [](int x) {
        return RGB(39 + 216 * (x - 10) / 380, 49 + 206 * (x - 10) / 380, 151 + 104 * (x - 10) / 380);
    };
    for (int x = 11; x < 390; x += 21)
        EXPECT_TRUE(NearColour(PixelAt(window, x, 10), strip(x), 4)) << x;
    for (int y = 1; y < 20; y += 6)
        EXPECT_TRUE(NearColour(PixelAt(window, 200, y), strip(200), 4)) << y;
    EXPECT_EQ(0, CountPixels(window, RECT{26, 2, 120, 19}, IsNearWhite)) << "an empty title writes nothing";

    panel.reset();
    panel = PaintedPanel(L"Hash Md5");
    window = panel->GetHandle();
    // The white rounded box from (10, 0) in the outline colour, on the class background.
    const struct { int x, y; COLORREF colour; } points[] = {
        {5, 60, vrok::user::controls::panel::CGradientControl::BackgroundColour}, {10, 60, DarkBlue},
        {399, 60, DarkBlue}, {200, 0, DarkBlue}, {200, 119, DarkBlue}, {380, 60, White}, {100, 21, White},
        {392, 10, White}};
    for (const auto& point : points)
        EXPECT_EQ(point.colour, PixelAt(window, point.x, point.y)) << point.x << "," << point.y;
    // The title in white from (26, 2), nothing of it further left.
    EXPECT_GT(CountPixels(window, RECT{26, 2, 120, 19}, IsNearWhite), 20);
    EXPECT_EQ(0, CountPixels(window, RECT{12, 2, 25, 19}, IsNearWhite));
    // The box covers the whole client area; the children paint themselves again on top of it.
    const HWND input = panel->GetInputField()->GetHandle(), digest = panel->GetDigestField()->GetHandle();
    const HWND button = panel->GetCompareButton()->GetHandle();
    EXPECT_GE(CountPixels(window, ChildRect(button), [](COLORREF c) { return c != White; }), 100);

    // Its children's places, the focus handed to the input field, one font for both fields.
    const struct { HWND child; RECT place; } children[] = {
        {input, {50, 30, 350, 50}}, {digest, {50, 56, 350, 76}}, {button, {70, 92, 170, 112}}};
    for (const auto& child : children) {
        const RECT place = ChildRect(child.child);
        EXPECT_TRUE(EqualRect(&child.place, &place)) << WindowText(child.child);
    }

    SetFocus(button);
    SetFocus(panel->GetHandle());
    EXPECT_EQ(input, GetFocus());

    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(input, WM_GETFONT, 0, 0));
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageW(digest, WM_GETFONT, 0, 0)));
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

// Closing with a right click as well is part of the end-to-end random session.
TEST(AboutWindow, OverTheMainWindowPaintedAndClosedByAClick)
{
    RECT mainRect = {}, expectedMain = {10, 10, 430, 310};
    GetWindowRect(Main()->GetHandle(), &mainRect);
    ASSERT_TRUE(EqualRect(&mainRect, &expectedMain));
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
