// The right-click popup: built from [CONTEXT_MENU] in the current language, shown at the
// cursor, its command sent to the window, and gone afterwards.

#include "menu_builder.h"
#include "menu_fixture.h"
#include "modal_watcher.h"

#include <gtest/gtest.h>

#include <string>

using menutest::CLanguageFolder;
using menutest::CMenuWatch;
using menutest::Host;
using menutest::PumpMessages;
using menutest::TakeCommands;

namespace {

TEST(ContextMenu, ShowsTheCurrentLanguagesEntriesAtTheCursor)
{
    CLanguageFolder folder;
    SetCursorPos(300, 250);
    CMenuWatch watch;
    ShowContextMenu(Host(), folder.Path().c_str());
    ASSERT_TRUE(watch.Tracked().seen) << "no popup was tracked";
    const auto& entries = watch.Tracked().entries;
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(L"Open a file", entries[0].text);
    EXPECT_EQ(201u, entries[0].id);
    EXPECT_NE(0u, entries[1].type & MFT_SEPARATOR);
    EXPECT_EQ(L"Paste a digest", entries[2].text);
    EXPECT_EQ(204u, entries[2].id);
    EXPECT_EQ(300, watch.Tracked().place.left);
    EXPECT_EQ(250, watch.Tracked().place.top);
    EXPECT_FALSE(IsMenu(watch.Tracked().menu)) << "the popup is destroyed after use";
}

TEST(ContextMenu, FollowsTheCursorAsItIsNow)
{
    CLanguageFolder folder;
    SetCursorPos(180, 140);
    CMenuWatch watch;
    ShowContextMenu(Host(), folder.Path().c_str());
    ASSERT_TRUE(watch.Tracked().seen);
    EXPECT_EQ(180, watch.Tracked().place.left);
    EXPECT_EQ(140, watch.Tracked().place.top);
}

TEST(ContextMenu, ChosenEntrySendsItsCommandToTheWindow)
{
    CLanguageFolder folder;
    TakeCommands();
    SetCursorPos(300, 250);
    {
        CMenuWatch watch(true);
        ShowContextMenu(Host(), folder.Path().c_str());
        ASSERT_TRUE(watch.Tracked().seen);
    }
    PumpMessages(100);
    const auto commands = TakeCommands();
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(201u, LOWORD(commands[0].wParam));
    EXPECT_EQ(0u, HIWORD(commands[0].wParam)) << "a menu command";
    EXPECT_EQ(0, commands[0].lParam);
}

TEST(ContextMenu, ProfileFilesThatCannotBeLocatedAreReported)
{
    testsupport::CModalWatcher watcher;
    CMenuWatch watch;
    const std::wstring tooLong = L"C:\\" + std::wstring(280, L'x');
    ShowContextMenu(Host(), tooLong.c_str());
    EXPECT_FALSE(watch.Tracked().seen);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Cannot open initialization file", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
}

}
