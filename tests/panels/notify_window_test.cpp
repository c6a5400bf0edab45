// The notification strip in a host window: its text, its icons, its size and its slides.

#include "panel_windows.h"

#include "vrok_user/vrok_notifywindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using paneltest::CHostWindow;
using paneltest::CountPixels;
using paneltest::PixelAt;
using paneltest::PumpMessages;
using vrok::user::controls::panel::CNotifyWindow;

namespace {

using paneltest::HostWidth;

struct CShownStrip
{
    CShownStrip() : host(paneltest::Host()), strip(new CNotifyWindow())
    {
        strip->Create(&host, 0, 0, HostWidth, CNotifyWindow::StripHeight, 0, WS_BORDER);
        PumpMessages();
    }

    void ShowMessage(const wchar_t* text, int bitmapId)
    {
        strip->SetMessage(text, bitmapId);
        strip->Show(true);
        PumpMessages(100);
    }

    HWND Window() const { return strip->GetHandle(); }

    CHostWindow& host;
    std::unique_ptr<CNotifyWindow> strip;
};

bool IsDark(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 300;
}

bool IsStripGround(COLORREF colour)
{
    return colour == CNotifyWindow::BackgroundColour;
}

// The icon is sampled right of its mark, in the plain colour of the shield.
COLORREF IconColour(HWND strip)
{
    return PixelAt(strip, CNotifyWindow::IconLeft + 24, CNotifyWindow::IconTop + 12);
}

bool IsGreen(COLORREF c) { return GetGValue(c) > GetRValue(c) + 50 && GetGValue(c) > GetBValue(c) + 50; }
bool IsOrange(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 110 && GetGValue(c) < 190 && GetBValue(c) < 90; }
bool IsRed(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 110 && GetBValue(c) < 110; }

// The leftmost column from `from` on with text in the rows of the first line, or -1.
int FirstTextColumn(HWND strip, int from = 0)
{
    for (int x = from; x < 200; ++x)
        if (CountPixels(strip, RECT{x, 12, x + 1, 26}, IsDark) > 0)
            return x;
    return -1;
}

TEST(NotifyWindow, TextWithoutIconStartsAtColumn48)
{
    CShownStrip shown;
    shown.ShowMessage(L"Fichier", 101);
    shown.ShowMessage(L"Fichier", 0);

    EXPECT_FALSE(shown.strip->HasIcon());
    const int first = FirstTextColumn(shown.Window());
    EXPECT_GE(first, CNotifyWindow::TextLeft);
    EXPECT_LE(first, CNotifyWindow::TextLeft + 3);
    // Nothing but the pale ground where the icon was.
    EXPECT_EQ(48 * 60, CountPixels(shown.Window(), RECT{0, 0, 48, 60}, IsStripGround));
}

TEST(NotifyWindow, EachVerdictShowsItsIconAtTenTen)
{
    struct
    {
        int bitmapId;
        bool (*hasColour)(COLORREF);
        const char* name;
    } const verdicts[] = {{101, IsGreen, "equal"}, {103, IsOrange, "warning"}, {104, IsRed, "different"}};

    CShownStrip shown;
    for (const auto& verdict : verdicts)
    {
        shown.ShowMessage(L"Les empreintes sont identiques", verdict.bitmapId);
        EXPECT_TRUE(shown.strip->HasIcon()) << verdict.name;
        EXPECT_TRUE(verdict.hasColour(IconColour(shown.Window()))) << verdict.name << " " << std::hex
                                                                   << IconColour(shown.Window());
        // The icon's top-left corner is the strip's ground, the shield starts just inside it.
        EXPECT_TRUE(IsStripGround(PixelAt(shown.Window(), CNotifyWindow::IconLeft, CNotifyWindow::IconTop)));
        EXPECT_FALSE(IsStripGround(PixelAt(shown.Window(), CNotifyWindow::IconLeft + 15,
                                           CNotifyWindow::IconTop + 4)));
        // The text still starts at column 48, right of the icon, which ends at 40.
        EXPECT_GE(FirstTextColumn(shown.Window(), CNotifyWindow::IconLeft + 30), CNotifyWindow::TextLeft)
            << verdict.name;
    }
}

TEST(NotifyWindow, LineBreakGivesTwoLinesAndLongLinesAreNotWrapped)
{
    const RECT secondLine = {48, 28, 400, 44};
    CShownStrip shown;
    shown.ShowMessage(L"Premiere ligne", 0);
    EXPECT_EQ(0, CountPixels(shown.Window(), secondLine, IsDark));

    shown.ShowMessage(L"Premiere ligne\nSeconde ligne", 0);
    EXPECT_GT(CountPixels(shown.Window(), RECT{48, 12, 400, 26}, IsDark), 20);
    EXPECT_GT(CountPixels(shown.Window(), secondLine, IsDark), 20);

    shown.ShowMessage(std::wstring(200, L'w').c_str(), 0);
    EXPECT_EQ(0, CountPixels(shown.Window(), secondLine, IsDark));
}

TEST(NotifyWindow, LongMessageIsCutAt1023Units)
{
    std::wstring text(2000, L'a');
    text[1022] = L'b';
    text[1023] = L'c';
    CShownStrip shown;
    shown.ShowMessage(text.c_str(), 104);

    const std::wstring kept = shown.strip->GetMessageText();
    EXPECT_EQ(1023u, kept.size());
    EXPECT_EQ(L'b', kept.back());
    EXPECT_TRUE(IsRed(IconColour(shown.Window())));
}

TEST(NotifyWindow, FitToParentFollowsTheParentsWidthAndKeepsTheHeight)
{
    CShownStrip shown;
    SetWindowPos(shown.Window(), nullptr, 0, 0, 300, 50, SWP_NOMOVE | SWP_NOZORDER);
    RECT hostFrame = {};
    ::GetWindowRect(shown.host.GetHandle(), &hostFrame);
    SetWindowPos(shown.host.GetHandle(), nullptr, 0, 0, hostFrame.right - hostFrame.left + 130,
                 hostFrame.bottom - hostFrame.top, SWP_NOMOVE | SWP_NOZORDER);

    shown.strip->FitToParent();

    RECT hostClient = {};
    ::GetClientRect(shown.host.GetHandle(), &hostClient);
    RECT strip = {};
    ::GetWindowRect(shown.Window(), &strip);
    EXPECT_EQ(HostWidth + 130, hostClient.right);
    EXPECT_EQ(hostClient.right, strip.right - strip.left);
    EXPECT_EQ(50, strip.bottom - strip.top);

    SetWindowPos(shown.host.GetHandle(), nullptr, 0, 0, hostFrame.right - hostFrame.left,
                 hostFrame.bottom - hostFrame.top, SWP_NOMOVE | SWP_NOZORDER);
}

// Records the strip's WM_SHOWWINDOW messages while a Show runs.
std::vector<bool> g_showStates;
HWND g_watchedStrip = nullptr;

LRESULT CALLBACK WatchShowMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watchedStrip && call->message == WM_SHOWWINDOW)
        g_showStates.push_back(call->wParam != FALSE);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<bool> ShowStatesDuring(CShownStrip& shown, bool show)
{
    g_showStates.clear();
    g_watchedStrip = shown.Window();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchShowMessages, nullptr, GetCurrentThreadId());
    shown.strip->Show(show);
    UnhookWindowsHookEx(hook);
    g_watchedStrip = nullptr;
    return g_showStates;
}

TEST(NotifyWindow, ShowOnAVisibleStripHidesItAndShowsItAgain)
{
    CShownStrip shown;
    shown.strip->SetMessage(L"Fichier", 0);
    ASSERT_TRUE(IsWindowVisible(shown.Window()));

    EXPECT_EQ((std::vector<bool>{false, true}), ShowStatesDuring(shown, true));
    EXPECT_TRUE(IsWindowVisible(shown.Window()));

    EXPECT_EQ((std::vector<bool>{false}), ShowStatesDuring(shown, false));
    EXPECT_FALSE(IsWindowVisible(shown.Window()));
}

TEST(NotifyWindow, ShowOnAHiddenStripSizesItToTheParentBy80)
{
    CShownStrip shown;
    shown.strip->Show(false);
    SetWindowPos(shown.Window(), nullptr, 0, 0, 120, 30, SWP_NOMOVE | SWP_NOZORDER);

    EXPECT_EQ((std::vector<bool>{true}), ShowStatesDuring(shown, true));
    RECT strip = {};
    ::GetWindowRect(shown.Window(), &strip);
    EXPECT_EQ(HostWidth, strip.right - strip.left);
    EXPECT_EQ(CNotifyWindow::StripHeight, strip.bottom - strip.top);
}

TEST(NotifyWindow, EmptyMessagePaintsOnlyTheGround)
{
    CShownStrip shown;
    shown.ShowMessage(L"", 103);
    RECT client = {};
    ::GetClientRect(shown.Window(), &client);
    // The icon is drawn with the text only: an empty message shows neither.
    EXPECT_EQ(client.right * client.bottom, CountPixels(shown.Window(), client, IsStripGround));
}

}
