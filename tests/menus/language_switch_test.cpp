// Switching language: the new texts in the existing menus and drop panel, the mark moved, the
// choice written and kept across a restart; and the switches that must change nothing.

#include "cool_control.h"
#include "language_commands.h"
#include "menu_builder.h"
#include "menu_fixture.h"
#include "modal_watcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using menutest::CLanguageFolder;
using menutest::CMenuWatch;
using menutest::EntriesOf;
using menutest::EntryById;
using menutest::Host;
using menutest::PumpMessages;
using menutest::TextAt;
using vrok::user::menu::CMenu;

namespace {

std::wstring WindowText(HWND window)
{
    wchar_t text[300] = {};
    GetWindowTextW(window, text, 300);
    return text;
}

// The main window's pieces that a switch touches, built from a language folder as at start.
struct CWindowPieces
{
    explicit CWindowPieces(const CLanguageFolder& folder) : folder(folder), dropPanel(new CCoolControl())
    {
        dropPanel->Create(&Host(), CLanguageFolder::EnglishPanelTitle, 2, 20, 400, 120, 0, 0);
        SetWindowTextW(dropPanel->GetCompareButton()->GetHandle(), L"Compare");
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
        PumpMessages();
    }

    HMENU Bar() const { return menu->GetHandle(); }
    std::wstring Title(UINT position) const { return TextAt(Bar(), position); }
    UINT CheckedLanguage() const
    {
        UINT checked = 0xFFFF;
        int count = 0;
        for (const auto& entry : EntriesOf(GetSubMenu(Bar(), 2)))
            if (entry.state & MFS_CHECKED) {
                checked = entry.id;
                ++count;
            }
        return count == 1 ? checked : 0xFFFE;
    }
    std::wstring PanelTitle() const { return WindowText(dropPanel->GetHandle()); }
    std::wstring ButtonCaption() const { return WindowText(dropPanel->GetCompareButton()->GetHandle()); }

    const CLanguageFolder& folder;
    std::unique_ptr<CCoolControl> dropPanel;
    std::unique_ptr<CMenu> menu;
};

void ExpectEnglish(const CWindowPieces& pieces)
{
    EXPECT_EQ(L"File", pieces.Title(0));
    EXPECT_EQ(L"Edit", pieces.Title(1));
    EXPECT_EQ(L"Language", pieces.Title(2));
    EXPECT_EQ(L"Help", pieces.Title(3));
    EXPECT_EQ(L"Open", EntryById(pieces.Bar(), 201).text);
    EXPECT_EQ(L"About", EntryById(pieces.Bar(), 205).text);
    EXPECT_EQ(0u, pieces.CheckedLanguage());
    EXPECT_EQ(CLanguageFolder::EnglishPanelTitle, pieces.PanelTitle());
    EXPECT_EQ(L"Compare", pieces.ButtonCaption());
}

TEST(SwitchLanguage, PutsTheNewLanguagesTextsInPlaceAndStoresTheChoice)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    ExpectEnglish(pieces);
    HMENU barBefore = pieces.Bar();

    pieces.Switch(1);
    EXPECT_EQ(barBefore, GetMenu(Host().GetHandle())) << "the bar is re-labelled, not rebuilt";
    EXPECT_EQ(L"Fichier et autres choses", pieces.Title(0)) << "titles keep 24 characters on a switch";
    EXPECT_EQ(L"\u00c9dition", pieces.Title(1));
    EXPECT_EQ(L"Langue", pieces.Title(2));
    EXPECT_EQ(L"Aide", pieces.Title(3));
    EXPECT_EQ(L"Ouvrir", EntryById(pieces.Bar(), 201).text);
    EXPECT_EQ(L"Fermer", EntryById(pieces.Bar(), 202).text);
    EXPECT_EQ(L"Coller", EntryById(pieces.Bar(), 204).text);
    EXPECT_EQ(L"Sommaire", EntryById(pieces.Bar(), 206).text);
    EXPECT_EQ(L"\u00c0 propos", EntryById(pieces.Bar(), 205).text);
    EXPECT_EQ(3, GetMenuItemCount(GetSubMenu(pieces.Bar(), 0))) << "the separator stays";
    const auto languages = EntriesOf(GetSubMenu(pieces.Bar(), 2));
    ASSERT_EQ(4u, languages.size());
    EXPECT_EQ(L"English", languages[0].text) << "language labels come from md5_global.ini";
    EXPECT_NE(0u, languages[1].type & MFT_RADIOCHECK);
    EXPECT_EQ(1u, pieces.CheckedLanguage());
    EXPECT_EQ(CLanguageFolder::FrenchPanelTitle, pieces.PanelTitle());
    EXPECT_EQ(L"Comparer", pieces.ButtonCaption());

    EXPECT_EQ(L"1", folder.GlobalValue(L"CURRENT_LANGUAGE", L"checked_menu_index"));
    EXPECT_EQ(L"lang\\fr.ini", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_ini_file"));
    EXPECT_EQ(L"fr.chm", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_help_file"));
}

TEST(SwitchLanguage, TheChoiceSurvivesARestartAndTheRightClickPopupFollowsAtOnce)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    pieces.Switch(1);
    {
        SetCursorPos(300, 250);
        CMenuWatch watch;
        ShowContextMenu(Host(), folder.Path().c_str());
        ASSERT_TRUE(watch.Tracked().seen);
        ASSERT_EQ(3u, watch.Tracked().entries.size());
        EXPECT_EQ(L"Ouvrir un fichier", watch.Tracked().entries[0].text);
        EXPECT_EQ(L"Coller une empreinte", watch.Tracked().entries[2].text);
    }
    pieces.Rebuild();
    EXPECT_EQ(L"Fichier et autres choses utiles", pieces.Title(0)) << "49 characters at start";
    EXPECT_EQ(L"Langue", pieces.Title(2));
    EXPECT_EQ(1u, pieces.CheckedLanguage());

    pieces.Switch(0);
    ExpectEnglish(pieces);
    EXPECT_EQ(L"0", folder.GlobalValue(L"CURRENT_LANGUAGE", L"checked_menu_index"));
    EXPECT_EQ(L"en.ini", folder.GlobalValue(L"CURRENT_LANGUAGE", L"_ini_file"));
}

TEST(SwitchLanguage, ChoosingTheCurrentLanguageWritesAndReadsNothing)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    const std::string bytes = folder.GlobalIniBytes();
    const FILETIME written = folder.GlobalIniWriteTime();
    pieces.menu->SetPopupTitle(0, L"marker");
    Sleep(20);

    pieces.Switch(0);
    EXPECT_EQ(bytes, folder.GlobalIniBytes());
    const FILETIME after = folder.GlobalIniWriteTime();
    EXPECT_EQ(0, CompareFileTime(&written, &after));
    EXPECT_EQ(L"marker", pieces.Title(0)) << "nothing was re-read";
    EXPECT_EQ(0u, pieces.CheckedLanguage());
}

struct CRefusedCase
{
    const char* name;
    unsigned short index;
};

// A language whose file is missing, or that names none (which would name the program folder).
TEST(SwitchLanguage, AMissingLanguageFileIsReportedAndChangesNothing)
{
    for (const CRefusedCase& refused : {CRefusedCase{"file missing", 2}, CRefusedCase{"no file named", 3}}) {
        SCOPED_TRACE(refused.name);
        CLanguageFolder folder;
        CWindowPieces pieces(folder);
        const std::string bytes = folder.GlobalIniBytes();
        testsupport::CModalWatcher watcher;
        pieces.Switch(refused.index);
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
        EXPECT_EQ(L"The language file doesn't exist !", watcher.Boxes()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
        EXPECT_EQ(bytes, folder.GlobalIniBytes()) << "md5_global.ini is exactly as before";
        ExpectEnglish(pieces);
    }
}

TEST(SwitchLanguage, WorksOnTheMenusAloneWithoutADropPanel)
{
    CLanguageFolder folder;
    std::unique_ptr<CMenu> menu(BuildMenuBar(Host(), folder.Path().c_str()));
    ASSERT_NE(nullptr, menu);
    SwitchLanguage(1, Host(), *menu, nullptr, folder.Path().c_str());
    EXPECT_EQ(L"Langue", TextAt(menu->GetHandle(), 2));
    EXPECT_EQ(L"1", folder.GlobalValue(L"CURRENT_LANGUAGE", L"checked_menu_index"));
}

// A language popup placed outside the menu bar: refused before anything is written.
TEST(SwitchLanguage, ALanguagePopupPositionOutsideTheBarChangesNothing)
{
    for (int position : {4, 200}) {
        SCOPED_TRACE(position);
        CLanguageFolder folder(position);
        CWindowPieces pieces(folder);
        const std::string bytes = folder.GlobalIniBytes();
        testsupport::CModalWatcher watcher;
        EXPECT_NO_THROW(pieces.Switch(1));
        EXPECT_EQ(bytes, folder.GlobalIniBytes());
        ExpectEnglish(pieces);

        EXPECT_THROW(RelabelPopup(1, *pieces.menu, folder.GlobalIni().c_str(), L"MENU_FILE"), CMenu::COutBoundValue);
        EXPECT_EQ(bytes, folder.GlobalIniBytes());
        EXPECT_EQ(L"File", pieces.Title(0));
    }
}

TEST(RelabelPopup, ReportsAMissingFileWithoutWriting)
{
    CLanguageFolder folder;
    CWindowPieces pieces(folder);
    const std::string bytes = folder.GlobalIniBytes();
    EXPECT_FALSE(RelabelPopup(2, *pieces.menu, folder.GlobalIni().c_str(), L"MENU_HELP"));
    EXPECT_FALSE(RelabelLanguagePopup(2, *pieces.menu, folder.GlobalIni().c_str(), folder.PathOf(L"en.ini").c_str()));
    EXPECT_EQ(bytes, folder.GlobalIniBytes());
    EXPECT_EQ(0u, pieces.CheckedLanguage());
    EXPECT_EQ(L"Help", pieces.Title(3));
}

}
