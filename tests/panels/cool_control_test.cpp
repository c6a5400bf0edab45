// The drop panel: its children, typing into its fields, Enter, focus and the compare button.

#include "cool_control.h"
#include "panel_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using paneltest::ChildRect;
using paneltest::ForgetMessages;
using paneltest::PumpMessages;
using paneltest::RecordedMessages;

namespace {

struct CDropPanel
{
    CDropPanel() : panel(new CCoolControl())
    {
        panel->Create(&paneltest::Host(), L"Comparer", 2, 20, 400, 120, 0, 0);
        PumpMessages();
    }

    HWND Input() const { return panel->GetInputField()->GetHandle(); }
    HWND Digest() const { return panel->GetDigestField()->GetHandle(); }
    HWND Button() const { return panel->GetCompareButton()->GetHandle(); }

    std::unique_ptr<CCoolControl> panel;
};

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

void Type(HWND field, const wchar_t* keys)
{
    for (const wchar_t* key = keys; *key != L'\0'; ++key)
        SendMessageW(field, WM_CHAR, *key, 1);
}

void ExpectPlace(HWND child, int x, int y, int width, int height)
{
    const RECT place = ChildRect(child);
    EXPECT_EQ(x, place.left);
    EXPECT_EQ(y, place.top);
    EXPECT_EQ(width, place.right - place.left);
    EXPECT_EQ(height, place.bottom - place.top);
}

TEST(CoolControl, ChildrenAtTheirPlaces)
{
    CDropPanel drop;
    ExpectPlace(drop.Input(), 50, 30, 300, 20);
    ExpectPlace(drop.Digest(), 50, 56, 300, 20);
    ExpectPlace(drop.Button(), 70, 92, 100, 20);
    EXPECT_EQ(CCoolControl::CompareButtonId, GetDlgCtrlID(drop.Button()));
    wchar_t title[32] = {};
    GetWindowTextW(drop.panel->GetHandle(), title, 32);
    EXPECT_STREQ(L"Comparer", title);
}

TEST(CoolControl, FieldsShareOneFontThatGoesOnceWithThePanel)
{
    HFONT font = nullptr;
    {
        CDropPanel drop;
        font = reinterpret_cast<HFONT>(SendMessageW(drop.Input(), WM_GETFONT, 0, 0));
        ASSERT_NE(nullptr, font);
        EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageW(drop.Digest(), WM_GETFONT, 0, 0)));
        LOGFONTW description = {};
        ASSERT_NE(0, GetObjectW(font, sizeof(description), &description));
        EXPECT_EQ(14, description.lfHeight);
        EXPECT_STREQ(L"Verdana", description.lfFaceName);
    }
    EXPECT_EQ(0u, static_cast<unsigned>(GetObjectType(font)));
}

TEST(CoolControl, CapitalsTypedIntoTheInputFieldAppearInLowerCase)
{
    CDropPanel drop;
    Type(drop.Input(), L"D41D8CD98F00B204");
    EXPECT_EQ(L"d41d8cd98f00b204", TextOf(drop.Input()));
}

TEST(CoolControl, EnterPostsOneCompareRequestToTheMainWindowAndInsertsNothing)
{
    const HWND mainWindow = paneltest::MainWindow()->GetHandle();
    CDropPanel drop;
    ForgetMessages(mainWindow);

    Type(drop.Input(), L"abc\r");
    PumpMessages(100);

    const auto requests = RecordedMessages(mainWindow, WM_COMPARE_REQUEST);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(0u, requests[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(drop.panel->GetHandle()), requests[0].lParam);
    EXPECT_EQ(L"abc", TextOf(drop.Input()));
    // Nothing reaches the panel's own parent.
    EXPECT_TRUE(RecordedMessages(paneltest::Host().GetHandle(), WM_COMPARE_REQUEST).empty());
}

TEST(CoolControl, DigestFieldCannotBeTypedInto)
{
    CDropPanel drop;
    SetWindowTextW(drop.Digest(), L"900150983cd24fb0d6963f7d28e17f72");
    Type(drop.Digest(), L"xyz");
    EXPECT_EQ(L"900150983cd24fb0d6963f7d28e17f72", TextOf(drop.Digest()));
    EXPECT_NE(0, GetWindowLongPtrW(drop.Digest(), GWL_STYLE) & ES_READONLY);
}

TEST(CoolControl, FocusGivenToThePanelEndsInTheInputField)
{
    CDropPanel drop;
    SetFocus(drop.Button());
    ASSERT_EQ(drop.Button(), GetFocus());
    SetFocus(drop.panel->GetHandle());
    EXPECT_EQ(drop.Input(), GetFocus());
}

TEST(CoolControl, CompareButtonClickReachesThePanelsParent)
{
    const HWND host = paneltest::Host().GetHandle();
    CDropPanel drop;
    ForgetMessages(host);

    SendMessageW(drop.Button(), BM_CLICK, 0, 0);
    PumpMessages(100);

    const auto commands = RecordedMessages(host, WM_COMMAND);
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(MAKEWPARAM(CCoolControl::CompareButtonId, BN_CLICKED), commands[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(drop.Button()), commands[0].lParam);
}

TEST(CoolControl, InputFieldKeepsWorkingForASecondPanel)
{
    const HWND mainWindow = paneltest::MainWindow()->GetHandle();
    {
        CDropPanel first;
        Type(first.Input(), L"\r");
    }
    CDropPanel second;
    ForgetMessages(mainWindow);
    Type(second.Input(), L"AB\r");
    PumpMessages(100);

    EXPECT_EQ(L"ab", TextOf(second.Input()));
    const auto requests = RecordedMessages(mainWindow, WM_COMPARE_REQUEST);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(second.panel->GetHandle()), requests[0].lParam);
}

}
