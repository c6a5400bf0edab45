// The menu bar: its assembly from the profile files, its popup array, and who releases which
// menu handle.

#include "menu_builder.h"
#include "menu_fixture.h"
#include "modal_watcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using menutest::CLanguageFolder;
using menutest::CMenuEntryView;
using menutest::CProgramFolder;
using menutest::EntriesOf;
using menutest::EntryById;
using menutest::Host;
using menutest::TextAt;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupMenu;

namespace {

TEST(MenuBar, FourPopupsFromTheCurrentLanguageOnTheWindow)
{
    CLanguageFolder folder;
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    HMENU bar = menu->GetHandle();
    EXPECT_EQ(bar, GetMenu(Host().GetHandle()));
    ASSERT_EQ(4, GetMenuItemCount(bar));
    EXPECT_EQ(L"File", TextAt(bar, 0));
    EXPECT_EQ(L"Edit", TextAt(bar, 1));
    EXPECT_EQ(L"Language", TextAt(bar, 2));
    EXPECT_EQ(L"Help", TextAt(bar, 3));
    for (unsigned short position = 0; position < 4; ++position)
        EXPECT_EQ(menu->GetPopup(position).GetHandle(), GetSubMenu(bar, position));

    const std::vector<CMenuEntryView> file = EntriesOf(GetSubMenu(bar, 0));
    ASSERT_EQ(3u, file.size());
    EXPECT_EQ(L"Open", file[0].text);
    EXPECT_NE(0u, file[1].type & MFT_SEPARATOR);
    EXPECT_EQ(202u, file[2].id);
    EXPECT_EQ(L"About", EntryById(bar, 205).text);
    const std::vector<CMenuEntryView> languages = EntriesOf(GetSubMenu(bar, 2));
    ASSERT_EQ(4u, languages.size());
    EXPECT_EQ(L"Fran\u00e7ais", languages[1].text);
    EXPECT_EQ(static_cast<UINT>(MFS_CHECKED), languages[0].state & MFS_CHECKED);
}

TEST(MenuBar, TitlesKeep49CharactersWhenBuilt)
{
    CProgramFolder folder;
    folder.WriteProfile(L"md5_global.ini", L"[CURRENT_LANGUAGE]\r\n_ini_file=l.ini\r\n");
    const std::wstring title60(60, L't');
    folder.WriteProfile(L"l.ini", L"[MENU_HELP]\r\nmenu_title=" + title60 + L"\r\n");
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(title60.substr(0, 49), TextAt(menu->GetHandle(), 3));
    EXPECT_EQ(L"", TextAt(menu->GetHandle(), 0)) << "a missing title is empty";
}

// The window's creation has told the user already; the builder adds no second box.
TEST(MenuBar, ProfileFilesThatCannotBeLocatedGiveNoMenuAndNoBox)
{
    testsupport::CModalWatcher watcher;
    const std::wstring tooLong = L"C:\\" + std::wstring(280, L'x');
    EXPECT_EQ(nullptr, BuildMenuBar(Host(), tooLong.c_str()));
    EXPECT_EQ(nullptr, GetMenu(Host().GetHandle()));
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(MenuBar, BarAndPopupsGoWhenTheMenuObjectGoesWhileTheWindowLives)
{
    CLanguageFolder folder;
    CMenu* menu = BuildMenuBar(Host(), folder.Path().c_str());
    ASSERT_NE(nullptr, menu);
    HMENU bar = menu->GetHandle();
    HMENU file = GetSubMenu(bar, 0);
    delete menu;
    EXPECT_EQ(nullptr, GetMenu(Host().GetHandle())) << "the bar is taken off the window first";
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
}

class CTemporaryWindow : public vrok::user::basewindow::CBaseWindow
{
public:
    CTemporaryWindow() { CreateWindowEx(nullptr, 0, L"VESTIGON_TEST_MENU_HOST", L"gone", WS_OVERLAPPED, 0, 0, 200, 100, nullptr); }
};

// The window destroys the bar it shows; the menu object then must not destroy it again.
TEST(MenuBar, BarGoesWithItsWindowAndTheObjectOnlyForgetsIt)
{
    Host(); // registers the class
    CTemporaryWindow window;
    ASSERT_FALSE(window.IsNull());
    CMenu menu(&window);
    auto* popup = new CPopupMenu();
    ASSERT_TRUE(popup->Create());
    ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", 0));
    ASSERT_TRUE(menu.Attach());
    HMENU bar = menu.GetHandle();
    window.Close();
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(menu.Close()) << "nothing left to release";
    EXPECT_TRUE(menu.IsNull());
}

TEST(MenuBar, AFifthPopupIsRefusedAndStaysTheCallers)
{
    CMenu menu(&Host());
    for (unsigned short position = 0; position < CMenu::Capacity; ++position) {
        auto* popup = new CPopupMenu();
        ASSERT_TRUE(popup->Create());
        ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", position));
        EXPECT_TRUE(popup->IsInMenuBar());
    }
    CPopupMenu fifth;
    ASSERT_TRUE(fifth.Create());
    EXPECT_FALSE(menu.AppendPopup(L"NONE", &fifth, L"", 4));
    EXPECT_EQ(4, GetMenuItemCount(menu.GetHandle()));
    EXPECT_EQ(4, menu.GetCount());
    EXPECT_FALSE(fifth.IsInMenuBar());
    HMENU fifthHandle = fifth.GetHandle();
    EXPECT_TRUE(fifth.Close()) << "a popup held alone is destroyed by its object";
    EXPECT_FALSE(IsMenu(fifthHandle));
}

TEST(MenuBar, PositionsOutsideTheArrayAreRefused)
{
    CMenu menu(&Host());
    auto* popup = new CPopupMenu();
    ASSERT_TRUE(popup->Create());
    ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", 0));
    EXPECT_TRUE(menu.SetPopupTitle(0, L"Renamed"));
    EXPECT_EQ(L"Renamed", TextAt(menu.GetHandle(), 0));
    EXPECT_FALSE(menu.SetPopupTitle(4, L"Nowhere"));
    EXPECT_EQ(popup, &menu.GetPopup(0));
    EXPECT_THROW(menu.GetPopup(1), CMenu::COutBoundValue) << "position never appended";
    EXPECT_THROW(menu.GetPopup(4), CMenu::COutBoundValue);
}

TEST(PopupMenu, AnAttachedPopupIsForgottenNotDestroyed)
{
    CMenu menu(&Host());
    auto* popup = new CPopupMenu();
    ASSERT_TRUE(popup->Create());
    HMENU handle = popup->GetHandle();
    ASSERT_TRUE(menu.AppendPopup(L"NONE", popup, L"", 0));
    EXPECT_FALSE(popup->Close());
    EXPECT_TRUE(IsMenu(handle)) << "the bar still owns it";
    EXPECT_EQ(handle, GetSubMenu(menu.GetHandle(), 0));
}

}
