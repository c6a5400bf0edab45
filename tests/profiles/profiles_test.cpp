#include "lists/list_texts.h"
#include "settings/command_ids.h"
#include "settings/profile_files.h"

#include "test_files.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace profile;
using testsupport::CTemporaryFolder;
using testsupport::Narrow;

namespace {

std::wstring Read(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    return ReadProfileString(file.c_str(), section, key);
}

std::wstring Numbered(const wchar_t* stem, int index)
{
    wchar_t key[KeyBufferLength];
    FormatNumberedKey(key, stem, index);
    return key;
}

// A program folder of the test's own with md5_global.ini in it.
struct CProgramFolder : CTemporaryFolder
{
    explicit CProgramFolder(const std::wstring& text) : ini(WriteFile(GlobalIniName, testsupport::Utf16Profile(text))) {}
    std::wstring ini;
};

}

TEST(ProfileFiles, MissingValuesReadEmptyLongOnesAreCutNumbersKeepTheirLowBits)
{
    const std::wstring longPath = L"C:\\" + std::wstring(297, L'x');
    CProgramFolder program(L"[CURRENT_LANGUAGE]\r\n_ini_file=" + longPath + L"\r\nchecked_menu_index=258\r\n"
                           L"[MENU_FILE]\r\nmenu_type_1=-1\r\nmenu_id_0=65737\r\n");
    EXPECT_EQ(GetGlobalIniPath(program.Path().c_str()), program.ini);
    EXPECT_EQ(Read(program.ini, L"MENU_EDIT", L"menu_text_0"), L"");
    EXPECT_EQ(Read(program.ini, SectionMenuFile, L"menu_text_7"), L"");
    EXPECT_EQ(Read(program.PathOf(L"absent.ini"), SectionMenuFile, L"menu_id_0"), L"");
    EXPECT_EQ(ReadProfileInteger(program.ini.c_str(), L"MENU_EDIT", L"menu_type_0"), 0);
    EXPECT_EQ(Read(program.ini, SectionCurrentLanguage, KeyIniFile), longPath.substr(0, 259));
    EXPECT_EQ(GetLanguageFilePath(program.Path().c_str()), longPath.substr(0, 259));
    EXPECT_EQ(ReadProfileByte(program.ini.c_str(), SectionCurrentLanguage, KeyCheckedMenuIndex), 2);
    EXPECT_EQ(ReadProfileInteger(program.ini.c_str(), SectionMenuFile, L"menu_type_1"), -1);
    EXPECT_EQ(ReadProfileWord(program.ini.c_str(), SectionMenuFile, L"menu_id_0"), 201);
}

// Language and help files follow one rule: a fully qualified value is used as it is, any other
// lands under the program folder, a leading backslash dropped.
TEST(ProfileFiles, ValuesResolveAgainstTheProgramFolder)
{
    const struct { const wchar_t *value, *resolved; } rows[] = {
        { L"lang\\fr.ini", L"\\lang\\fr.ini" },
        { L"\\lang\\fr.ini", L"\\lang\\fr.ini" },
        { L"D:\\other\\fr.ini", nullptr },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.value));
        CProgramFolder program(std::wstring(L"[CURRENT_LANGUAGE]\r\n_ini_file=") + row.value + L"\r\n");
        const std::wstring expected = row.resolved ? program.Path() + row.resolved : row.value;
        EXPECT_EQ(GetLanguageFilePath(program.Path().c_str()), expected);
        EXPECT_EQ(GetPathBesideProgram(row.value, program.Path().c_str()), expected);
    }
}

// A program deep in a folder tree (its folder longer than 260 characters) finds its files there.
TEST(ProfileFiles, AProgramInADeepFolderFindsItsFiles)
{
    CTemporaryFolder base;
    const std::wstring inside = base.MakeDeepFolder(300), folder = base.PathOf(inside);
    base.WriteFile(inside + L"\\" + GlobalIniName,
                   testsupport::Utf16Profile(L"[CURRENT_LANGUAGE]\r\n_ini_file=english.ini\r\n"));
    base.WriteFile(inside + L"\\english.ini", testsupport::Utf16Profile(L"[WINDOW_TEXT]\r\ntext=Deep\r\n"));
    EXPECT_EQ(Read(GetLanguageFilePath(folder.c_str()), SectionWindowText, KeyText), L"Deep");
}

TEST(ProfileFiles, StoringALanguageRewritesOnlyTheCurrentLanguage)
{
    const std::wstring rest = L"[MENU_LANGUAGE_LIST]\r\nmenu_position=2\r\nmenu_text_1=Fran\u00e7ais\r\n"
                              L"_ini_file_1=lang\\french.ini\r\n_help_file_1=help\\french.chm\r\n"
                              L"menu_text_3=Espa\u00f1ol\r\n[MENU_FILE]\r\nmenu_id_0=201\r\n";
    CProgramFolder program(L"[CURRENT_LANGUAGE]\r\n_ini_file=english.ini\r\n_help_file=english.chm\r\n"
                           L"checked_menu_index=0\r\n" + rest);
    // A language with files of its own is stored as menus_test's switch shows; language 3 has
    // none: the keys are written with empty values.
    StoreCurrentLanguage(3, program.ini.c_str());
    for (const wchar_t* key : { KeyIniFile, KeyHelpFile }) {
        wchar_t value[16] = {};
        GetPrivateProfileStringW(SectionCurrentLanguage, key, L"absent", value, 16, program.ini.c_str());
        EXPECT_STREQ(L"", value) << Narrow(key);
    }
    EXPECT_EQ(ReadProfileByte(program.ini.c_str(), SectionCurrentLanguage, KeyCheckedMenuIndex), 3);
    // The rest of the file is untouched, and still in the program's encoding.
    const std::string after = testsupport::ReadWholeFile(program.ini), restBytes = testsupport::Utf16Profile(rest).substr(2);
    EXPECT_EQ("\xFF\xFE", after.substr(0, 2));
    ASSERT_GE(after.size(), restBytes.size());
    EXPECT_EQ(restBytes, after.substr(after.size() - restBytes.size()));
}

// The files shipped in the runnable folder, read where and as the program reads them: every
// language must hold every text within the buffer it is read into, and md5_global.ini's menus
// must offer exactly the commands the main window handles.
TEST(ShippedData, EveryLanguageHoldsWhatTheProgramReads)
{
    const struct { const wchar_t* section; int position; std::vector<unsigned short> commands; } popups[] = {
        { SectionMenuFile, 0, { commands::Open, commands::CheckList, commands::StopHashing, commands::SaveChecksumFile,
                                commands::AddPublisherKey, commands::PublisherKeys, commands::Close } },
        { SectionMenuEdit, 1, { commands::Paste, commands::CopyChecksumLine, commands::LookForChecksumFiles } },
        { SectionMenuHelp, 4, { commands::Help, commands::About } },
        { SectionContextMenu, -1, { commands::Open, commands::Paste, commands::Help, commands::About } },
    };
    // Each text the program reads, and how many names (%s) are filled into it.
    const std::tuple<const wchar_t*, const wchar_t*, size_t> texts[] = {
        { SectionWindowText, KeyText, 0 }, { SectionWindowText, KeyTextNamed, 1 }, { SectionButtonCompare, KeyText, 0 },
        { SectionMenuFile, KeyMenuTitle, 0 }, { SectionMenuEdit, KeyMenuTitle, 0 }, { SectionMenuLanguage, KeyMenuTitle, 0 },
        { SectionMenuDigest, KeyMenuTitle, 0 }, { SectionMenuHelp, KeyMenuTitle, 0 },
        { SectionSentences, KeyEmptyString, 0 }, { SectionSentences, KeyTooLong, 0 }, { SectionSentences, KeyTooShort, 0 },
        { SectionSentences, KeyNotHexadecimal, 0 }, { SectionSentences, KeyHashEqual, 0 }, { SectionSentences, KeyHashDifferent, 0 },
        { SectionSentences, KeyChecksumList, 0 }, { SectionSentences, KeyHashingProgress, 0 }, { SectionSentences, KeyHashingStopped, 0 },
        { SectionSentences, KeyHashEqualNamed, 1 }, { SectionSentences, KeyHashDifferentNamed, 1 },
        { SectionSentences, KeySizeDiffers, 3 }, { SectionSentences, KeyPastedNameDiffers, 1 },
        { SectionSentences, KeyReferenceFrom, 1 }, { SectionSentences, KeyReferenceConflict, 2 },
        { SectionMessages, KeyLanguageNotRemembered, 0 }, { SectionMessages, KeyDigestNotRemembered, 0 },
        { SectionMessages, KeyLookupNotRemembered, 0 },
        { SectionMessages, KeyReplaceQuestion, 1 }, { SectionMessages, KeyCannotWrite, 1 },
        { SectionMessages, KeyKeyAddQuestion, 2 }, { SectionMessages, KeyKeyNoneFound, 1 },
        { SectionMessages, KeyKeyNotStored, 0 }, { SectionMessages, KeyKeyNotRemoved, 0 },
        { SectionSignatures, KeySignedBy, 2 }, { SectionSignatures, KeySignedByKeyBeside, 2 },
        { SectionSignatures, KeySignedByUnknownKey, 1 }, { SectionSignatures, KeySignatureWeak, 2 },
        { SectionSignatures, KeySignatureExpired, 2 }, { SectionSignatures, KeySignatureRevoked, 2 },
        { SectionSignatures, KeySignatureBadList, 0 }, { SectionSignatures, KeySignatureBadFile, 0 },
        { SectionSignatures, KeySignatureNotCheckable, 1 },
    };
    wchar_t folder[MAX_PATH] = {};
    GetFullPathNameW(L"..\\vestigon", MAX_PATH, folder, nullptr);
    const std::wstring global = GetGlobalIniPath(folder);
    ASSERT_TRUE(PathFileExistsW(global.c_str())) << Narrow(global);
    EXPECT_EQ(ReadProfileByte(global.c_str(), SectionLanguageList, KeyMenuPosition), 2);
    const unsigned checked = ReadProfileByte(global.c_str(), SectionCurrentLanguage, KeyCheckedMenuIndex);
    std::set<std::wstring> labels;
    std::wstring checkedLanguage;
    for (int n = 0; n <= commands::LastLanguage; ++n) {
        const std::wstring label = Read(global, SectionLanguageList, Numbered(StemMenuText, n).c_str());
        if (n > 0 && label.empty())
            break;
        const std::wstring language =
            GetPathBesideProgram(Read(global, SectionLanguageList, Numbered(StemIniFile, n).c_str()).c_str(), folder);
        SCOPED_TRACE(Narrow(label + L" in " + language));
        EXPECT_TRUE(labels.insert(label).second);
        EXPECT_LE(label.size(), LabelBufferLength - 1u);
        ASSERT_TRUE(PathFileExistsW(language.c_str()));
        if (static_cast<unsigned>(n) == checked)
            checkedLanguage = language;
        for (const auto& text : texts) {
            const std::wstring section = std::get<0>(text), key = std::get<1>(text);
            const std::wstring value = Read(language, section.c_str(), key.c_str());
            SCOPED_TRACE(Narrow(section + L" " + key + L"=" + value));
            EXPECT_FALSE(value.empty());
            EXPECT_LE(value.size(), section == SectionMessages || section == SectionSignatures ? ValueBufferLength - 1u
                                    : section == SectionSentences ? SentenceBufferLength - 1u
                                    : key == KeyMenuTitle ? LabelBufferLength - 1u
                                                          : ControlTextBufferLength - 1u);
            size_t names = 0;
            for (size_t at = value.find(L"%s"); at != std::wstring::npos; at = value.find(L"%s", at + 2))
                ++names;
            EXPECT_EQ(std::get<2>(text), names);
        }
        const lists::ListTexts words = lists::ReadListTexts(language.c_str());
        for (const std::wstring* word : {&words.title, &words.columnName, &words.columnResult, &words.columnDigest,
                                         &words.columnSize, &words.resultOk, &words.resultDiffers, &words.resultMissing,
                                         &words.resultUnreadable, &words.copyButton, &words.filterLists, &words.filterAll,
                                         &words.cannotRead, &words.summary.ok, &words.summary.differs,
                                         &words.summary.missing, &words.summary.unreadable, &words.summary.pending,
                                         &words.summary.otherLines, &words.summary.noLines, &words.summary.stopped})
            EXPECT_FALSE(word->empty()) << "a word of the list window is missing";
        // A popup's entries as it is built: kinds and ids from md5_global.ini, labels from the
        // language file; separators are skipped, the first other entry without a label ends it.
        for (const auto& popup : popups) {
            SCOPED_TRACE(Narrow(popup.section));
            if (popup.position >= 0) {
                EXPECT_EQ(ReadProfileByte(global.c_str(), popup.section, KeyMenuPosition), popup.position);
            }
            std::vector<unsigned short> offered;
            for (int entry = 0; entry < 256; ++entry) {
                const int kind = ReadProfileInteger(global.c_str(), popup.section, Numbered(StemMenuType, entry).c_str());
                const std::wstring text = Read(language, popup.section, Numbered(StemMenuText, entry).c_str());
                if (kind == -1)
                    continue;
                if (entry > 0 && text.empty())
                    break;
                const unsigned short id = ReadProfileWord(global.c_str(), popup.section, Numbered(StemMenuId, entry).c_str());
                // Only the look-up switch is an entry with a check mark.
                EXPECT_TRUE(kind == 0 || kind == 5 || (kind == 2 && id == commands::LookForChecksumFiles))
                    << "entry " << entry << " of kind " << kind;
                EXPECT_FALSE(text.empty());
                EXPECT_LE(text.size(), LabelBufferLength - 1u) << Narrow(text);
                offered.push_back(id);
            }
            EXPECT_EQ(offered, popup.commands);
        }
    }
    EXPECT_EQ(GetLanguageFilePath(folder), checkedLanguage) << "the program starts in the checked language";
    EXPECT_TRUE(labels.count(L"English") && labels.count(L"Fran\u00e7ais")) << "accented labels must read right";
}
