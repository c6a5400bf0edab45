// Switching language: the new texts in the existing menus and drop panel, the mark moved, the
// choice written and kept across a restart; the switches that must change nothing; help.

#include "cool_control.h"
#include "language_commands.h"
#include "menu_builder.h"
#include "menu_test_support.h"
#include "modal_watcher.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <memory>

using namespace menutest;
using testsupport::WindowText;
using vrok::user::menu::CMenu;

namespace {

// The main window's pieces that a switch touches, built as at start.
struct CWindowPieces
{
    explicit CWindowPieces(const CLanguageFolder& folder) : folder(folder), dropPanel(new CCoolControl())
    {
        dropPanel->Create(&Host(), L"Digest to check", 2, 20, 400, 120, 0, 0);
        SetWindowTextW(Button(), L"Compare");
        Rebuild();
    }
    void Rebuild()
    {
        menu.reset();
        menu.reset(BuildMenuBar(Host(), folder.Path().c_str()));
    }
    void Switch(unsigned short index)
    {
        SwitchLanguage(index, Host(), *menu, dropPanel.get(), folder.Path().c_str());
        testsupport::PumpMessages();
    }
    HWND Button() const { return dropPanel->GetCompareButton()->GetHandle(); }
    // Titles, entry labels by id, the checked language ("*" + id), panel title and caption.
    std::wstring Texts() const
    {
        HMENU bar = menu->GetHandle();
        std::wstring texts;
        for (UINT position = 0; position < 4; ++position)
            texts += TextAt(bar, position) + L"|";
        for (UINT id : {201, 202, 204, 206, 205})
            texts += EntryById(bar, id).text + L"|";
        for (const CMenuEntryView& language : EntriesOf(GetSubMenu(bar, 2)))
            if (language.state & MFS_CHECKED)
                texts += L"*" + std::to_wstring(language.id) + L"|";
        return texts + WindowText(dropPanel->GetHandle()) + L"|" + WindowText(Button());
    }

    const CLanguageFolder& folder;
    std::unique_ptr<CCoolControl> dropPanel;
    std::unique_ptr<CMenu> menu;
};

const std::wstring English = L"File|Edit|Language|Help|Open|Close|Paste|Contents|About|*0|Digest to check|Compare";
// The file title is cut to 24 characters on a switch (49 when built).
const std::wstring French = L"Fichier et autres choses|\u00c9dition|Langue|Aide|Ouvrir|Fermer|Coller|Sommaire|"
                            L"\u00c0 propos|*1|Empreinte \u00e0 v\u00e9rifier|Comparer";

TEST(SwitchLanguage, PutsTheNewTextsInPlaceStoresTheChoiceAndKeepsItAcrossARestart)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    ASSERT_EQ(English, pieces.Texts());
    HMENU bar = pieces.menu->GetHandle();

    pieces.Switch(1);
    EXPECT_EQ(French, pieces.Texts());
    EXPECT_EQ(bar, GetMenu(Host().GetHandle())) << "re-labelled, not rebuilt";
    EXPECT_EQ(3, GetMenuItemCount(GetSubMenu(bar, 0))) << "the separator stays";
    EXPECT_EQ(L"English", TextAt(GetSubMenu(bar, 2), 0)) << "language labels come from md5_global.ini";
    EXPECT_NE(0u, EntryById(bar, 1).type & MFT_RADIOCHECK);
    EXPECT_EQ(L"1", folder.GlobalValue(L"CURRENT_LANGUAGE", L"checked_menu_index"));
    EXPECT_EQ(L"lang\\fr.ini", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_ini_file"));
    EXPECT_EQ(L"fr.chm", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_help_file"));
    {
        CMenuWatch watch;
        ShowContextMenu(Host(), folder.Path().c_str());
        ASSERT_EQ(3u, watch.entries.size());
        EXPECT_EQ(L"Ouvrir un fichier", watch.entries[0].text);
    }

    pieces.Rebuild();
    EXPECT_EQ(L"Fichier et autres choses utiles", TextAt(pieces.menu->GetHandle(), 0));
    EXPECT_EQ(L"*1|", pieces.Texts().substr(pieces.Texts().find(L"*1|"), 3));

    pieces.Switch(0);
    EXPECT_EQ(English, pieces.Texts());
    EXPECT_EQ(L"en.ini", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_ini_file"));
}

TEST(SwitchLanguage, ChoosingTheCurrentLanguageWritesAndReadsNothing)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    const std::string bytes = folder.GlobalIniBytes();
    WIN32_FILE_ATTRIBUTE_DATA before = {}, after = {};
    GetFileAttributesExW(folder.GlobalIni().c_str(), GetFileExInfoStandard, &before);
    pieces.menu->SetPopupTitle(0, L"marker");
    Sleep(20);
    pieces.Switch(0);
    GetFileAttributesExW(folder.GlobalIni().c_str(), GetFileExInfoStandard, &after);
    EXPECT_EQ(bytes, folder.GlobalIniBytes());
    EXPECT_EQ(0, CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
    EXPECT_EQ(L"marker", TextAt(pieces.menu->GetHandle(), 0)) << "nothing was re-read";
}

// Language 2 names a missing file, language 3 none at all (which would name the program folder).
TEST(SwitchLanguage, AMissingLanguageFileIsReportedAndChangesNothing)
{
    for (unsigned short index : {2, 3}) {
        SCOPED_TRACE(index);
        CLanguageFolder folder;
        CWindowPieces pieces(folder);
        const std::string bytes = folder.GlobalIniBytes();
        testsupport::CModalWatcher watcher;
        pieces.Switch(index);
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
        EXPECT_EQ(L"The language file doesn't exist !", watcher.Boxes()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
        EXPECT_EQ(bytes, folder.GlobalIniBytes()) << "md5_global.ini exactly as before";
        EXPECT_EQ(English, pieces.Texts());
        EXPECT_FALSE(RelabelPopup(index, *pieces.menu, folder.GlobalIni().c_str(), L"MENU_HELP"));
        EXPECT_EQ(bytes, folder.GlobalIniBytes());
    }
}

TEST(SwitchLanguage, ALanguagePopupOutsideTheBarIsRefusedBeforeAnyWrite)
{
    for (int position : {4, 200}) {
        SCOPED_TRACE(position);
        CLanguageFolder folder(position);
        CWindowPieces pieces(folder);
        const std::string bytes = folder.GlobalIniBytes();
        EXPECT_NO_THROW(pieces.Switch(1));
        EXPECT_THROW(RelabelPopup(1, *pieces.menu, folder.GlobalIni().c_str(), L"MENU_FILE"), CMenu::COutBoundValue);
        EXPECT_EQ(bytes, folder.GlobalIniBytes());
        EXPECT_EQ(English, pieces.Texts());
    }
}

TEST(SwitchLanguage, WithoutADropPanelOnlyTheMenusChange)
{
    CLanguageFolder folder;
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    SwitchLanguage(1, Host(), *menu, nullptr, folder.Path().c_str());
    EXPECT_EQ(L"Langue", TextAt(menu->GetHandle(), 2));
}

HWND FindVisibleWindow(const wchar_t* title)
{
    HWND window = FindWindowW(nullptr, title);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// The viewer opens on this thread after a few seconds under Wine; its title comes from the file.
TEST(Help, OpensTheCurrentLanguagesFileFromASubfolderAtItsContents)
{
    CProgramFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"help").c_str(), nullptr));
    for (const wchar_t* language : {L"english", L"french"})
        ASSERT_TRUE(CopyFileW((std::wstring(L"..\\vestigon\\") + language + L".chm").c_str(),
                              folder.PathOf(std::wstring(L"help\\") + language + L".chm").c_str(), FALSE))
            << "the runnable folder's help files are missing";
    folder.WriteProfile(L"md5_global.ini", L"[CURRENT_LANGUAGE]\r\n_help_file=help\\french.chm\r\n");

    ShowHelp(Host(), folder.Path().c_str());
    HWND viewer = nullptr;
    EXPECT_TRUE(testsupport::PumpUntil([&] { return (viewer = FindVisibleWindow(L"Aide de Vestigon")) != nullptr; }, 30000));
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(nullptr, FindVisibleWindow(L"Vestigon Help"));
    EXPECT_EQ(Host().GetHandle(), GetWindow(viewer, GW_OWNER)) << "the viewer belongs to the main window";
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !IsWindow(viewer); }, 10000));
}

}
