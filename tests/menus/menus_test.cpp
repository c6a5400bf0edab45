// The menus built from the profile files, the right-click popup, switching language and help.

#include "window/cool_control.h"
#include "window/language_commands.h"
#include "settings/menu_builder.h"
#include "modal_watcher.h"
#include "test_files.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace testsupport;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupMenu;

namespace {

// Entries as "id:label", "-" for a separator; "*" follows a checked entry, "~" a radio-style one.
std::wstring Describe(HMENU menu)
{
    std::wstring text;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t label[128] = {};
        MENUITEMINFOW info = {sizeof(info), MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING, 0, 0, 0, nullptr,
                              nullptr, nullptr, 0, label, 128, nullptr};
        GetMenuItemInfoW(menu, position, TRUE, &info);
        text += (position == 0 ? L"" : L" ") + ((info.fType & MFT_SEPARATOR) ? L"-" : std::to_wstring(info.wID) + L":" + label) +
                ((info.fState & MFS_CHECKED) ? L"*" : L"") + ((info.fType & MFT_RADIOCHECK) ? L"~" : L"");
    }
    return text;
}

std::wstring BuildFileMenu(const std::wstring& structure, const std::wstring& words)
{
    CTemporaryFolder folder;
    const std::wstring global = folder.WriteFile(L"md5_global.ini", Utf16Profile(L"[MENU_FILE]\r\n" + structure));
    const std::wstring language = folder.WriteFile(L"lang.ini", Utf16Profile(L"[MENU_FILE]\r\n" + words));
    CPopupMenu popup;
    EXPECT_TRUE(BuildPopup(L"MENU_FILE", popup, global.c_str(), language.c_str()));
    return Describe(popup.GetHandle());
}

TEST(BuildPopup, SeparatorEndAndKindRules)
{
    const std::wstring openSeparatorClose = L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n";
    const struct { std::wstring structure, words, expected; } cases[] = {
        // A separator needs no label.
        {openSeparatorClose, L"menu_text_0=Open\r\nmenu_text_2=Close\r\n", L"201:Open - 202:Close"},
        // The first missing label ends the popup; later ones are never read.
        {openSeparatorClose + L"menu_type_3=0\r\nmenu_id_3=203\r\nmenu_type_4=0\r\nmenu_id_4=204\r\n",
         L"menu_text_0=Open\r\nmenu_text_2=Close\r\nmenu_text_4=Never\r\n", L"201:Open - 202:Close"},
        // Kind 7 inserts nothing, and index 2 is still read.
        {L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=7\r\nmenu_id_1=203\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n",
         L"menu_text_0=Open\r\nmenu_text_1=Seven\r\nmenu_text_2=Close\r\n", L"201:Open 202:Close"},
        // Kind 2 is checked, kind 1 only has room for the mark.
        {L"menu_type_0=2\r\nmenu_id_0=1\r\nmenu_type_1=1\r\nmenu_id_1=2\r\n", L"menu_text_0=A\r\nmenu_text_1=B\r\n", L"1:A* 2:B"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Narrow(row.structure));
        EXPECT_EQ(row.expected, BuildFileMenu(row.structure, row.words));
    }
}

// One top-level window for the whole program: under Wine every window that goes costs a wait.
CBaseWindow& Host()
{
    static CBaseWindow host;
    if (host.IsNull())
        host.CreateWindowEx(nullptr, 0, L"STATIC", L"Menus host", WS_OVERLAPPEDWINDOW, 100, 100, 520, 320, nullptr);
    return host;
}

// The right-click popup as it showed, read by a thread timer once on screen and then ended; a
// popup that never shows is ended after a few seconds, so the test never hangs.
struct CShownPopup { std::wstring entries = L"<not shown>"; RECT place = {}; int ticks = 0; } g_popup;

void CALLBACK ReadAndEndPopup(HWND, UINT, UINT_PTR, DWORD)
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup != nullptr && IsWindowVisible(popup)) {
        g_popup.entries = Describe(reinterpret_cast<HMENU>(SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0)));
        GetWindowRect(popup, &g_popup.place);
        EndMenu();
    } else if (++g_popup.ticks > 40) {
        EndMenu();
    }
}

void ShowContextMenuAt(POINT cursor, const std::wstring& folder)
{
    // Activation news from a window that just went away would end the popup as soon as it
    // opens: the host is made active and left to settle first.
    SetForegroundWindow(Host().GetHandle());
    PumpMessages(100);
    SetCursorPos(cursor.x, cursor.y);
    g_popup = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadAndEndPopup);
    ShowContextMenu(Host(), folder.c_str());
    KillTimer(nullptr, timer);
}

// English is current (beside md5_global.ini), French lies in a subfolder with a file-menu title
// of 31 characters, language 2 names a missing file and language 3 none at all.
std::wstring MakeLanguageFolder(const CTemporaryFolder& folder, int languagePosition)
{
    folder.WriteFile(L"md5_global.ini", Utf16Profile(
        L"[CURRENT_LANGUAGE]\r\n_ini_file=en.ini\r\n_help_file=en.chm\r\nchecked_menu_index=0\r\n"
        L"[MENU_LANGUAGE_LIST]\r\nmenu_type=1\r\nmenu_position=" + std::to_wstring(languagePosition) + L"\r\n"
        L"menu_text_0=English\r\n_ini_file_0=en.ini\r\n_help_file_0=en.chm\r\n"
        L"menu_text_1=Fran\u00e7ais\r\n_ini_file_1=lang\\fr.ini\r\n_help_file_1=fr.chm\r\n"
        L"menu_text_2=Missing\r\n_ini_file_2=missing.ini\r\nmenu_text_3=Nothing\r\n"
        L"[MENU_FILE]\r\nmenu_position=0\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n"
        L"[MENU_EDIT]\r\nmenu_position=1\r\nmenu_type_0=0\r\nmenu_id_0=204\r\n"
        L"[MENU_HELP]\r\nmenu_position=4\r\nmenu_type_0=0\r\nmenu_id_0=206\r\n"
        L"[CONTEXT_MENU]\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=204\r\n"));
    const std::wstring texts[][14] = {
        {L"en.ini", L"Digest to check", L"Compare", L"File", L"Open", L"Close", L"Edit", L"Paste", L"Language",
         L"Help", L"Contents", L"Open a file", L"Paste a digest", L"Digest"},
        {L"lang\\fr.ini", L"Empreinte \u00e0 v\u00e9rifier", L"Comparer", L"Fichier et autres choses utiles", L"Ouvrir",
         L"Fermer", L"\u00c9dition", L"Coller", L"Langue", L"Aide", L"Sommaire", L"Ouvrir un fichier", L"Coller une empreinte",
         L"Algorithme"},
    };
    CreateDirectoryW(folder.PathOf(L"lang").c_str(), nullptr);
    for (const auto& t : texts)
        folder.WriteFile(t[0], Utf16Profile(
            L"[WINDOW_TEXT]\r\ntext=" + t[1] + L"\r\n[BUTTON_COMPARE]\r\ntext=" + t[2] + L"\r\n[MENU_FILE]\r\nmenu_title=" +
            t[3] + L"\r\nmenu_text_0=" + t[4] + L"\r\nmenu_text_2=" + t[5] + L"\r\n[MENU_EDIT]\r\nmenu_title=" + t[6] +
            L"\r\nmenu_text_0=" + t[7] + L"\r\n[MENU_LANGUAGE]\r\nmenu_title=" + t[8] + L"\r\n[MENU_HELP]\r\nmenu_title=" +
            t[9] + L"\r\nmenu_text_0=" + t[10] + L"\r\n[CONTEXT_MENU]\r\nmenu_text_0=" + t[11] + L"\r\nmenu_text_2=" + t[12] +
            L"\r\n[MENU_DIGEST]\r\nmenu_title=" + t[13] + L"\r\n"));
    return folder.PathOf(L"md5_global.ini");
}

// The main window's pieces that a switch touches, built as at start.
struct CWindowPieces
{
    explicit CWindowPieces(int languagePosition = 2) : global(MakeLanguageFolder(folder, languagePosition))
    {
        dropPanel->Create(&Host(), L"Digest to check", 2, 20, 400, 120, 0, 0);
        SetWindowTextW(dropPanel->GetCompareButton()->GetHandle(), L"Compare");
        Rebuild();
    }
    void Rebuild()
    {
        menu.reset();
        DigestMenu digests;
        digests.labels = {L"MD5", L"SHA-256"};
        digests.firstId = 215;
        menu.reset(BuildMenuBar(Host(), digests, folder.Path().c_str()));
    }
    void Switch(unsigned short index)
    {
        SwitchLanguage(index, Host(), *menu, dropPanel.get(), folder.Path().c_str());
        PumpMessages();
    }
    // Each popup's title and entries, then the panel's title and the button's caption.
    std::wstring Texts() const
    {
        std::wstring texts;
        for (int position = 0; position < GetMenuItemCount(menu->GetHandle()); ++position) {
            wchar_t title[64] = {};
            GetMenuStringW(menu->GetHandle(), position, title, 64, MF_BYPOSITION);
            texts += title + (L"[" + Describe(GetSubMenu(menu->GetHandle(), position)) + L"] ");
        }
        return texts + WindowText(dropPanel->GetHandle()) + L"|" + WindowText(dropPanel->GetCompareButton()->GetHandle());
    }

    CTemporaryFolder folder;
    const std::wstring global;
    std::unique_ptr<CCoolControl> dropPanel{new CCoolControl()};
    std::unique_ptr<CMenu> menu;
};

const std::wstring Languages = L"[0:English*~ 1:Fran\u00e7ais~ 2:Missing~ 3:Nothing~] ";
const std::wstring English = L"File[201:Open - 202:Close] Edit[204:Paste] Language" + Languages +
                             L"Digest[215:MD5*~ 216:SHA-256~] Help[206:Contents] Digest to check|Compare";
// A title is cut to 24 characters on a switch, to 49 when the bar is built.
const std::wstring French = L"Fichier et autres choses[201:Ouvrir - 202:Fermer] \u00c9dition[204:Coller] "
                            L"Langue[0:English~ 1:Fran\u00e7ais*~ 2:Missing~ 3:Nothing~] Algorithme[215:MD5*~ 216:SHA-256~] "
                            L"Aide[206:Sommaire] "
                            L"Empreinte \u00e0 v\u00e9rifier|Comparer";

TEST(SwitchLanguage, NewTextsInPlaceChoiceStoredAndKeptAcrossARebuild)
{
    CWindowPieces pieces;
    ASSERT_EQ(English, pieces.Texts());
    for (POINT cursor : {POINT{300, 250}, POINT{180, 140}}) {
        ShowContextMenuAt(cursor, pieces.folder.Path());
        EXPECT_EQ(L"201:Open a file - 204:Paste a digest", g_popup.entries);
        EXPECT_EQ(cursor.x, g_popup.place.left);
        EXPECT_EQ(cursor.y, g_popup.place.top);
    }

    pieces.Switch(1);
    EXPECT_EQ(French, pieces.Texts());
    wchar_t current[300] = {}; // [CURRENT_LANGUAGE] as "key=value|key=value|"
    const DWORD length = GetPrivateProfileSectionW(L"CURRENT_LANGUAGE", current, 300, pieces.global.c_str());
    std::replace(current, current + length, L'\0', L'|');
    EXPECT_STREQ(L"_ini_file=lang\\fr.ini|_help_file=fr.chm|checked_menu_index=1|", current);
    ShowContextMenuAt({300, 250}, pieces.folder.Path());
    EXPECT_EQ(L"201:Ouvrir un fichier - 204:Coller une empreinte", g_popup.entries);

    pieces.Rebuild();
    EXPECT_EQ(L"Fichier et autres choses utiles" + French.substr(24), pieces.Texts());
}

// The current language, a missing language file, a language naming no file (which would name the
// program folder) and a language popup outside the bar: md5_global.ini, mark and texts stay.
TEST(SwitchLanguage, RefusedSwitchesChangeNothing)
{
    const struct { int languagePosition; unsigned short index; bool reported; } cases[] = {
        {2, 0, false}, {2, 2, true}, {2, 3, true}, {5, 1, false}, {200, 1, false}};
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "position " << row.languagePosition << ", language " << row.index);
        CWindowPieces pieces(row.languagePosition);
        const std::string bytes = ReadWholeFile(pieces.global);
        CModalWatcher watcher;
        EXPECT_NO_THROW(pieces.Switch(row.index));
        std::wstring boxes;
        for (const CSeenBox& box : watcher.Boxes())
            boxes += box.text + L"|";
        EXPECT_EQ(row.reported ? L"The language file doesn't exist !|" : L"", boxes);
        EXPECT_EQ(bytes, ReadWholeFile(pieces.global));
        EXPECT_EQ(English, pieces.Texts());
    }
}

// A read-only md5_global.ini: each choice is told and holds for the run with the one mark, the
// second too (it once left two marks); the file keeps its bytes.
TEST(SwitchLanguage, AChoiceThatCannotBeStoredHoldsForTheRunWithOneMark)
{
    CWindowPieces pieces;
    const std::string bytes = ReadWholeFile(pieces.global);
    ASSERT_TRUE(SetFileAttributesW(pieces.global.c_str(), FILE_ATTRIBUTE_READONLY));
    CModalWatcher watcher;
    pieces.Switch(1);
    EXPECT_EQ(French, pieces.Texts());
    pieces.Switch(0);
    EXPECT_EQ(English, pieces.Texts());
    EXPECT_EQ(2u, watcher.Boxes().size());
    SetFileAttributesW(pieces.global.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(bytes, ReadWholeFile(pieces.global));
}

// The viewer opens on this thread after a few seconds under Wine; its title comes from the file.
TEST(Help, OpensTheCurrentLanguagesFileAtItsContents)
{
    CTemporaryFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"help").c_str(), nullptr));
    for (const wchar_t* language : {L"english", L"french"})
        ASSERT_TRUE(CopyFileW((std::wstring(L"..\\vestigon\\") + language + L".chm").c_str(),
                              folder.PathOf(std::wstring(L"help\\") + language + L".chm").c_str(), FALSE));
    folder.WriteFile(L"md5_global.ini", Utf16Profile(L"[CURRENT_LANGUAGE]\r\n_help_file=help\\french.chm\r\n"));
    ShowHelp(Host(), folder.Path().c_str());
    HWND viewer = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (viewer = FindWindowW(nullptr, L"Aide de Vestigon")) != nullptr; }, 30000));
    EXPECT_TRUE(IsWindowVisible(viewer));
    EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Vestigon Help"));
    EXPECT_EQ(Host().GetHandle(), GetWindow(viewer, GW_OWNER));
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(viewer); }, 10000));
}

}
