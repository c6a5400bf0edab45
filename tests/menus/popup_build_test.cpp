// Popups built from the profile files: the separator and end rules, the entry kinds, and the
// language popup with its mark.

#include "menu_builder.h"
#include "menu_test_support.h"

#include <gtest/gtest.h>

using menutest::CMenuEntryView;
using menutest::CProgramFolder;
using menutest::EntriesOf;
using vrok::user::menu::CPopupMenu;

namespace {

// Entries as "id:label" or "-" for a separator, "*" marking a checked entry.
std::wstring Describe(const std::vector<CMenuEntryView>& entries)
{
    std::wstring text;
    for (const CMenuEntryView& entry : entries) {
        text += text.empty() ? L"" : L" ";
        if (entry.type & MFT_SEPARATOR)
            text += L"-";
        else
            text += std::to_wstring(entry.id) + L":" + entry.text + ((entry.state & MFS_CHECKED) ? L"*" : L"");
    }
    return text;
}

std::vector<CMenuEntryView> BuildFileMenu(const std::wstring& structure, const std::wstring& words)
{
    CProgramFolder folder;
    const std::wstring global = folder.WriteProfile(L"md5_global.ini", L"[MENU_FILE]\r\n" + structure);
    const std::wstring language = folder.WriteProfile(L"lang.ini", L"[MENU_FILE]\r\n" + words);
    CPopupMenu popup;
    EXPECT_TRUE(BuildPopup(L"MENU_FILE", popup, global.c_str(), language.c_str()));
    return EntriesOf(popup.GetHandle());
}

const wchar_t OpenSeparatorClose[] =
    L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n";

TEST(BuildPopup, SeparatorKindAndEndRules)
{
    const struct
    {
        const wchar_t* structure;
        const wchar_t* words;
        const wchar_t* expected;
    } cases[] = {
        // A separator needs no label; the first missing label ends; later labels are never read.
        {OpenSeparatorClose, L"menu_text_0=Open\r\nmenu_text_2=Close\r\nmenu_text_4=Never\r\n", L"201:Open - 202:Close"},
        // Kind 7 inserts nothing and the next index is still read.
        {L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=7\r\nmenu_id_1=203\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n",
         L"menu_text_0=Open\r\nmenu_text_1=Seven\r\nmenu_text_2=Close\r\n", L"201:Open 202:Close"},
        // Kinds 2 and 4 are checked; 1, 3 and 5 are not.
        {L"menu_type_0=2\r\nmenu_id_0=1\r\nmenu_type_1=1\r\nmenu_id_1=2\r\nmenu_type_2=3\r\nmenu_id_2=3\r\n"
         L"menu_type_3=4\r\nmenu_id_3=4\r\nmenu_type_4=5\r\nmenu_id_4=5\r\n",
         L"menu_text_0=A\r\nmenu_text_1=B\r\nmenu_text_2=C\r\nmenu_text_3=D\r\nmenu_text_4=E\r\n",
         L"1:A* 2:B 3:C 4:D* 5:E"},
        // Entry 0 is inserted even without anything: a missing section gives just that.
        {L"", L"", L"0:"},
        // A separator after the last label stays.
        {OpenSeparatorClose, L"menu_text_0=Open\r\n", L"201:Open -"},
        // Labels keep 24 characters, ids their low 16 bits.
        {L"menu_id_0=65737\r\n", L"menu_text_0=abcdefghijklmnopqrstuvwxyz0123\r\n", L"201:abcdefghijklmnopqrstuvwx"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.expected, Describe(BuildFileMenu(row.structure, row.words))) << testsupport::Narrow(row.structure);
}

// Separators never end a popup, so a section of nothing else must end by its index: after 255,
// instead of the 8-bit index starting over for ever.
TEST(BuildPopup, SectionOfSeparatorsOnlyEndsAfterIndex255)
{
    std::wstring structure;
    for (int index = 0; index < 256; ++index)
        structure += L"menu_type_" + std::to_wstring(index) + L"=-1\r\n";
    EXPECT_EQ(256u, BuildFileMenu(structure, L"").size());
}

std::vector<CMenuEntryView> BuildLanguageMenu(const std::wstring& extra)
{
    CProgramFolder folder;
    const std::wstring global = folder.WriteProfile(L"md5_global.ini",
        L"[MENU_LANGUAGE_LIST]\r\nmenu_text_0=English\r\nmenu_text_1=Fran\u00e7ais\r\nmenu_text_2=Deutsch\r\n" + extra);
    CPopupMenu popup;
    EXPECT_TRUE(BuildLanguagePopup(popup, global.c_str()));
    return EntriesOf(popup.GetHandle());
}

TEST(BuildLanguagePopup, EntriesCarryTheirIndexAndOnlyTheStoredOneIsChecked)
{
    const struct
    {
        const wchar_t* stored;
        const wchar_t* expected;
    } cases[] = {
        {L"", L"0:English* 1:Fran\u00e7ais 2:Deutsch"},
        {L"checked_menu_index=1", L"0:English 1:Fran\u00e7ais* 2:Deutsch"},
        {L"checked_menu_index=7", L"0:English 1:Fran\u00e7ais 2:Deutsch"},
        {L"checked_menu_index=258", L"0:English 1:Fran\u00e7ais 2:Deutsch*"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.expected, Describe(BuildLanguageMenu(std::wstring(L"[CURRENT_LANGUAGE]\r\n") + row.stored + L"\r\n")));
}

TEST(BuildLanguagePopup, StyleTwoShowsACheckMarkAnyOtherARadioBullet)
{
    for (const auto& entry : BuildLanguageMenu(L"menu_type=2\r\n"))
        EXPECT_EQ(0u, entry.type & MFT_RADIOCHECK);
    for (const wchar_t* style : {L"", L"menu_type=3\r\n"})
        for (const auto& entry : BuildLanguageMenu(style))
            EXPECT_NE(0u, entry.type & MFT_RADIOCHECK);
}

TEST(BuildLanguagePopup, FirstEntryAlwaysThenUpToTheFirstMissingLabel)
{
    CProgramFolder folder;
    const std::wstring global = folder.WriteProfile(L"md5_global.ini",
                                                    L"[MENU_LANGUAGE_LIST]\r\nmenu_text_1=B\r\nmenu_text_3=D\r\n");
    CPopupMenu popup;
    ASSERT_TRUE(BuildLanguagePopup(popup, global.c_str()));
    EXPECT_EQ(L"0:* 1:B", Describe(EntriesOf(popup.GetHandle())));
}

}
