// Popups built from the profile files: the separator and end rules, the entry kinds, and the
// language popup with its mark.

#include "menu_builder.h"
#include "menu_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using menutest::CMenuEntryView;
using menutest::CProgramFolder;
using menutest::EntriesOf;
using vrok::user::menu::CPopupMenu;

namespace {

// An entry as the tests expect it: kind of row, id, label.
struct CExpectedEntry
{
    bool separator;
    UINT id;
    std::wstring text;
    UINT state;
};

CExpectedEntry Text(UINT id, const std::wstring& text, UINT state = 0)
{
    return {false, id, text, state};
}

CExpectedEntry Separator()
{
    return {true, 0, L"", 0};
}

// The popup of [MENU_FILE] built from the two sections' lines.
std::vector<CMenuEntryView> BuildFileMenu(const std::wstring& structure, const std::wstring& words)
{
    CProgramFolder folder;
    const std::wstring global = folder.WriteProfile(L"md5_global.ini", L"[MENU_FILE]\r\n" + structure);
    const std::wstring language = folder.WriteProfile(L"lang.ini", L"[MENU_FILE]\r\n" + words);
    CPopupMenu popup;
    EXPECT_TRUE(BuildPopup(L"MENU_FILE", popup, global.c_str(), language.c_str()));
    return EntriesOf(popup.GetHandle());
}

void ExpectEntries(const std::vector<CExpectedEntry>& expected, const std::vector<CMenuEntryView>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(expected[index].separator, (actual[index].type & MFT_SEPARATOR) != 0);
        if (expected[index].separator)
            continue;
        EXPECT_EQ(expected[index].id, actual[index].id);
        EXPECT_EQ(expected[index].text, actual[index].text);
        EXPECT_EQ(expected[index].state, actual[index].state & MFS_CHECKED);
    }
}

const wchar_t OpenCloseStructure[] =
    L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n";

struct CPopupCase
{
    const char* name;
    std::wstring structure;
    std::wstring words;
    std::vector<CExpectedEntry> expected;
};

TEST(BuildPopup, SeparatorKindAndEndRules)
{
    const std::vector<CPopupCase> cases = {
        {"a separator between two entries needs no label", OpenCloseStructure,
         L"menu_text_0=Open\r\nmenu_text_2=Close\r\n", {Text(201, L"Open"), Separator(), Text(202, L"Close")}},
        {"the first missing label ends the popup; later labels are never read", OpenCloseStructure,
         L"menu_text_0=Open\r\nmenu_text_2=Close\r\nmenu_text_4=Never\r\n",
         {Text(201, L"Open"), Separator(), Text(202, L"Close")}},
        {"kind 7 inserts nothing, and the next index is still read",
         L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=7\r\nmenu_id_1=203\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n",
         L"menu_text_0=Open\r\nmenu_text_1=Seven\r\nmenu_text_2=Close\r\n", {Text(201, L"Open"), Text(202, L"Close")}},
        {"kinds 2 and 4 are checked, 1, 3 and 5 are not",
         L"menu_type_0=2\r\nmenu_id_0=201\r\nmenu_type_1=1\r\nmenu_id_1=202\r\nmenu_type_2=3\r\nmenu_id_2=204\r\n"
         L"menu_type_3=4\r\nmenu_id_3=205\r\nmenu_type_4=5\r\nmenu_id_4=206\r\n",
         L"menu_text_0=A\r\nmenu_text_1=B\r\nmenu_text_2=C\r\nmenu_text_3=D\r\nmenu_text_4=E\r\n",
         {Text(201, L"A", MFS_CHECKED), Text(202, L"B"), Text(204, L"C"), Text(205, L"D", MFS_CHECKED), Text(206, L"E")}},
        {"entry 0 is inserted even without a label; a missing section gives just that",
         L"", L"", {Text(0, L"")}},
        {"a separator after the last label stays, the missing label after it ends",
         L"menu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\nmenu_id_2=202\r\n",
         L"menu_text_0=Open\r\n", {Text(201, L"Open"), Separator()}},
        {"labels keep 24 characters and ids their low 16 bits",
         L"menu_type_0=0\r\nmenu_id_0=65737\r\n", L"menu_text_0=abcdefghijklmnopqrstuvwxyz0123\r\n",
         {Text(201, L"abcdefghijklmnopqrstuvwx")}},
    };
    for (const CPopupCase& popupCase : cases) {
        SCOPED_TRACE(popupCase.name);
        ExpectEntries(popupCase.expected, BuildFileMenu(popupCase.structure, popupCase.words));
    }
}

// Separators never end a popup, so a section made of nothing else must still end: the 8-bit
// index stops after 255 instead of starting over.
TEST(BuildPopup, SectionOfSeparatorsOnlyEndsAfterIndex255)
{
    std::wstring structure;
    for (int index = 0; index < 256; ++index)
        structure += L"menu_type_" + std::to_wstring(index) + L"=-1\r\n";
    const std::vector<CMenuEntryView> entries = BuildFileMenu(structure, L"");
    EXPECT_EQ(256u, entries.size());
}

// The language popup from md5_global.ini alone.
std::vector<CMenuEntryView> BuildLanguageMenu(const std::wstring& text)
{
    CProgramFolder folder;
    const std::wstring global = folder.WriteProfile(L"md5_global.ini", text);
    CPopupMenu popup;
    EXPECT_TRUE(BuildLanguagePopup(popup, global.c_str()));
    return EntriesOf(popup.GetHandle());
}

const wchar_t ThreeLanguages[] =
    L"[MENU_LANGUAGE_LIST]\r\nmenu_text_0=English\r\nmenu_text_1=Fran\u00e7ais\r\nmenu_text_2=Deutsch\r\n";

std::vector<UINT> CheckedIds(const std::vector<CMenuEntryView>& entries)
{
    std::vector<UINT> checked;
    for (const CMenuEntryView& entry : entries)
        if (entry.state & MFS_CHECKED)
            checked.push_back(entry.id);
    return checked;
}

TEST(BuildLanguagePopup, EntriesCarryTheirIndexAndTheStoredOneIsChecked)
{
    const auto entries = BuildLanguageMenu(std::wstring(ThreeLanguages) + L"[CURRENT_LANGUAGE]\r\nchecked_menu_index=1\r\n");
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(L"English", entries[0].text);
    EXPECT_EQ(L"Fran\u00e7ais", entries[1].text);
    EXPECT_EQ(L"Deutsch", entries[2].text);
    for (UINT index = 0; index < 3; ++index)
        EXPECT_EQ(index, entries[index].id);
    EXPECT_EQ(std::vector<UINT>{1}, CheckedIds(entries));
}

TEST(BuildLanguagePopup, StyleTwoShowsACheckMarkAnyOtherARadioBullet)
{
    for (const CMenuEntryView& entry : BuildLanguageMenu(std::wstring(ThreeLanguages) + L"menu_type=2\r\n"))
        EXPECT_EQ(0u, entry.type & MFT_RADIOCHECK) << "check mark expected on " << testsupport::Narrow(entry.text);
    for (const CMenuEntryView& entry : BuildLanguageMenu(ThreeLanguages))
        EXPECT_NE(0u, entry.type & MFT_RADIOCHECK) << "bullet expected on " << testsupport::Narrow(entry.text);
    for (const CMenuEntryView& entry : BuildLanguageMenu(std::wstring(ThreeLanguages) + L"menu_type=3\r\n"))
        EXPECT_NE(0u, entry.type & MFT_RADIOCHECK);
}

TEST(BuildLanguagePopup, CheckedIndexIsTheStoredOneCutTo8BitsAndMayBeBeyondTheList)
{
    EXPECT_EQ(std::vector<UINT>{0}, CheckedIds(BuildLanguageMenu(ThreeLanguages))) << "no stored choice reads as 0";
    EXPECT_TRUE(CheckedIds(BuildLanguageMenu(std::wstring(ThreeLanguages) +
                                             L"[CURRENT_LANGUAGE]\r\nchecked_menu_index=7\r\n")).empty());
    EXPECT_EQ(std::vector<UINT>{2}, CheckedIds(BuildLanguageMenu(std::wstring(ThreeLanguages) +
                                                                 L"[CURRENT_LANGUAGE]\r\nchecked_menu_index=258\r\n")));
}

TEST(BuildLanguagePopup, FirstEntryAlwaysThenUpToTheFirstMissingLabel)
{
    auto entries = BuildLanguageMenu(L"[MENU_LANGUAGE_LIST]\r\nmenu_text_1=B\r\nmenu_text_3=D\r\n");
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(L"", entries[0].text);
    EXPECT_EQ(L"B", entries[1].text);
    entries = BuildLanguageMenu(L"[OTHER]\r\nkey=1\r\n");
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(0u, entries[0].id);
}

}
