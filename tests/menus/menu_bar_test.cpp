// The menu bar and the right-click popup: assembly from the profile files, the popup array, who
// releases which menu handle, and the popup shown at the cursor.

#include "menu_builder.h"
#include "menu_test_support.h"
#include "modal_watcher.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <memory>

using namespace menutest;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupMenu;

namespace {

const std::wstring TooLongFolder = L"C:\\" + std::wstring(280, L'x');

TEST(MenuBar, FourPopupsFromTheCurrentLanguageOnTheWindow)
{
    CLanguageFolder folder;
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    HMENU bar = menu->GetHandle();
    EXPECT_EQ(bar, GetMenu(Host().GetHandle()));
    ASSERT_EQ(4, GetMenuItemCount(bar));
    const wchar_t* titles[] = {L"File", L"Edit", L"Language", L"Help"};
    for (unsigned short position = 0; position < 4; ++position) {
        EXPECT_EQ(titles[position], TextAt(bar, position));
        EXPECT_EQ(menu->GetPopup(position).GetHandle(), GetSubMenu(bar, position));
    }
    EXPECT_EQ(3, GetMenuItemCount(GetSubMenu(bar, 0)));
    EXPECT_EQ(L"About", EntryById(bar, 205).text);
    EXPECT_EQ(4, GetMenuItemCount(GetSubMenu(bar, 2)));
    EXPECT_EQ(static_cast<UINT>(MFS_CHECKED), EntryById(GetSubMenu(bar, 2), 0).state & MFS_CHECKED);
}

TEST(MenuBar, TitlesKeep49CharactersWhenBuilt)
{
    CProgramFolder folder;
    folder.WriteProfile(L"md5_global.ini", L"[CURRENT_LANGUAGE]\r\n_ini_file=l.ini\r\n");
    folder.WriteProfile(L"l.ini", L"[MENU_HELP]\r\nmenu_title=" + std::wstring(60, L't') + L"\r\n");
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(std::wstring(49, L't'), TextAt(menu->GetHandle(), 3));
}

// The window's creation has told the user already; the builder adds no second box.
TEST(MenuBar, ProfileFilesThatCannotBeLocatedGiveNoMenuAndNoBox)
{
    testsupport::CModalWatcher watcher;
    EXPECT_EQ(nullptr, BuildMenuBar(Host(), TooLongFolder.c_str()));
    EXPECT_EQ(nullptr, GetMenu(Host().GetHandle()));
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(MenuBar, BarAndPopupsGoWithTheMenuObjectWhileTheWindowLives)
{
    CLanguageFolder folder;
    CMenu* menu = BuildMenuBar(Host(), folder.Path().c_str());
    ASSERT_NE(nullptr, menu);
    HMENU bar = menu->GetHandle();
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_FALSE(menu->GetPopup(0).Close()) << "a popup in the bar is only forgotten";
    EXPECT_TRUE(IsMenu(file));
    delete menu;
    EXPECT_EQ(nullptr, GetMenu(Host().GetHandle())) << "the bar is taken off the window first";
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
}

class CTemporaryWindow : public vrok::user::basewindow::CBaseWindow
{
public:
    CTemporaryWindow() { CreateWindowEx(nullptr, 0, L"VESTIGON_TEST_MENU_HOST", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr); }
};

// A window destroys the bar it shows; the menu object must not destroy it a second time.
TEST(MenuBar, BarGoesWithItsWindowAndTheObjectOnlyForgetsIt)
{
    Host();
    CTemporaryWindow window;
    CMenu menu(&window);
    auto* popup = new CPopupMenu();
    ASSERT_TRUE(popup->Create());
    ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", 0));
    ASSERT_TRUE(menu.Attach());
    HMENU bar = menu.GetHandle();
    window.Close();
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(menu.Close());
    EXPECT_TRUE(menu.IsNull());
}

TEST(MenuBar, AFifthPopupAndPositionsOutsideTheArrayAreRefused)
{
    CMenu menu(&Host());
    for (unsigned short position = 0; position < 4; ++position) {
        auto* popup = new CPopupMenu();
        ASSERT_TRUE(popup->Create());
        ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", position));
    }
    CPopupMenu fifth;
    ASSERT_TRUE(fifth.Create());
    EXPECT_FALSE(menu.AppendPopup(L"NONE", &fifth, L"", 4));
    EXPECT_EQ(4, GetMenuItemCount(menu.GetHandle()));
    HMENU fifthHandle = fifth.GetHandle();
    EXPECT_TRUE(fifth.Close()) << "a popup held alone is destroyed by its object";
    EXPECT_FALSE(IsMenu(fifthHandle));

    EXPECT_TRUE(menu.SetPopupTitle(3, L"Renamed"));
    EXPECT_EQ(L"Renamed", TextAt(menu.GetHandle(), 3));
    EXPECT_FALSE(menu.SetPopupTitle(4, L"Nowhere"));
    EXPECT_THROW(menu.GetPopup(4), CMenu::COutBoundValue);
    CMenu empty(&Host());
    EXPECT_THROW(empty.GetPopup(0), CMenu::COutBoundValue) << "a position never appended";
}

TEST(ContextMenu, CurrentLanguagesEntriesAtTheCursorAsItIsNowThenGone)
{
    CLanguageFolder folder;
    for (POINT cursor : {POINT{300, 250}, POINT{180, 140}}) {
        SetCursorPos(cursor.x, cursor.y);
        CMenuWatch watch;
        ShowContextMenu(Host(), folder.Path().c_str());
        ASSERT_TRUE(watch.seen) << "no popup was tracked";
        ASSERT_EQ(3u, watch.entries.size());
        EXPECT_EQ(L"Open a file", watch.entries[0].text);
        EXPECT_EQ(201u, watch.entries[0].id);
        EXPECT_NE(0u, watch.entries[1].type & MFT_SEPARATOR);
        EXPECT_EQ(L"Paste a digest", watch.entries[2].text);
        EXPECT_EQ(cursor.x, watch.place.left);
        EXPECT_EQ(cursor.y, watch.place.top);
        EXPECT_FALSE(IsMenu(watch.menu)) << "the popup is destroyed after use";
    }
}

TEST(ContextMenu, ChosenEntrySendsItsCommandToTheWindow)
{
    CLanguageFolder folder;
    TakeCommands();
    {
        CMenuWatch watch(true);
        ShowContextMenu(Host(), folder.Path().c_str());
        ASSERT_TRUE(watch.seen);
    }
    testsupport::PumpMessages(100);
    EXPECT_EQ(std::vector<WPARAM>{201}, TakeCommands()) << "menu command 201, high word 0";
}

TEST(ContextMenu, ProfileFilesThatCannotBeLocatedAreReported)
{
    testsupport::CModalWatcher watcher;
    CMenuWatch watch;
    ShowContextMenu(Host(), TooLongFolder.c_str());
    EXPECT_FALSE(watch.seen);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Cannot open initialization file", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
}

}
