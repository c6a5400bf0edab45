// The profile files and help files that ship in the runnable folder, read through the
// program's own functions, exactly where the program finds them. Nothing here writes.
#include "command_ids.h"
#include "profile_files.h"

#include "profile_test_support.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <set>
#include <string>
#include <vector>

using namespace profile;
using namespace profiletest;

namespace {

// Longest text each kind of key may hold so that nothing is cut, at start-up or after a switch.
const size_t LabelLimit = LabelBufferLength - 1;
const size_t SentenceLimit = SentenceBufferLength - 1;
const size_t ControlTextLimit = ControlTextBufferLength - 1;

struct CEntry
{
    int kind;
    unsigned short id;
    std::wstring label;
};

struct CPopupShape
{
    const wchar_t* section;
    int position; // menu-bar position, or -1 for the right-click popup
    std::vector<unsigned short> commands; // the commands it must offer, in order
};

const CPopupShape Popups[] = {
    {SectionMenuFile, 0, {commands::Open, commands::Close}},
    {SectionMenuEdit, 1, {commands::Paste}},
    {SectionMenuHelp, 3, {commands::Help, commands::About}},
    {SectionContextMenu, -1, {commands::Open, commands::Paste, commands::Help, commands::About}},
};
const int LanguagePopupPosition = 2;

const std::set<unsigned short> HandledEntryCommands = {commands::Open, commands::Close, commands::Paste,
                                                       commands::About, commands::Help};

std::wstring RunFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetFullPathNameW(L"..\\vestigon", MAX_PATH, folder, nullptr);
    return folder;
}

std::wstring ReadText(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    return Take(ReadProfileString(file.c_str(), section, key));
}

std::wstring Numbered(const wchar_t* stem, int index)
{
    wchar_t key[KeyBufferLength];
    FormatNumberedKey(key, stem, index);
    return key;
}

// The entries a popup gets when it is built: kinds and ids from md5_global.ini, labels from
// the language file; entry 0 always, a separator never ends it, the first other entry without
// a label does. Kinds that insert nothing are kept too, so the test can refuse them.
std::vector<CEntry> WalkPopup(const std::wstring& global, const std::wstring& language, const wchar_t* section,
                              int& endIndex)
{
    std::vector<CEntry> entries;
    CEntry entry{0, 0, L""};
    for (int n = 0; n < 256; ++n) {
        entry.kind = ReadProfileInteger(global.c_str(), section, Numbered(StemMenuType, n).c_str());
        if (entry.kind != -1) {
            entry.id = ReadProfileWord(global.c_str(), section, Numbered(StemMenuId, n).c_str());
            entry.label = ReadText(language, section, Numbered(StemMenuText, n).c_str());
        }
        if (n > 0 && entry.kind != -1 && entry.label.empty()) {
            endIndex = n;
            return entries;
        }
        entries.push_back(entry);
    }
    endIndex = 256;
    return entries;
}

// Keys of a section that start with the stem's text (the part before %d).
int CountNumberedKeys(const std::wstring& file, const wchar_t* section, const wchar_t* stem)
{
    const std::wstring prefix = std::wstring(stem).substr(0, std::wstring(stem).find(L"%d"));
    const std::wstring lines = SectionLines(file, section);
    int count = 0;
    for (size_t start = 0; start < lines.size();) {
        const size_t end = lines.find(L'\n', start);
        if (lines.compare(start, prefix.size(), prefix) == 0)
            ++count;
        start = end == std::wstring::npos ? lines.size() : end + 1;
    }
    return count;
}

bool StartsWith(const std::string& bytes, const char* magic, size_t length)
{
    return bytes.size() >= length && bytes.compare(0, length, magic, length) == 0;
}

class ShippedData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = RunFolder();
        global = Take(GetGlobalIniPath(folder.c_str()));
        ASSERT_TRUE(PathFileExistsW(global.c_str())) << "no md5_global.ini in " << testsupport::Narrow(folder);
        for (int n = 0; n <= commands::LastLanguage; ++n) {
            const std::wstring label = ReadText(global, SectionLanguageList, Numbered(StemMenuText, n).c_str());
            if (n > 0 && label.empty())
                break;
            labels.push_back(label);
            languageFiles.push_back(ReadText(global, SectionLanguageList, Numbered(StemIniFile, n).c_str()));
            helpFiles.push_back(ReadText(global, SectionLanguageList, Numbered(StemHelpFile, n).c_str()));
        }
    }

    std::wstring LanguagePath(size_t n) const { return Take(GetPathBesideProgram(languageFiles[n].c_str(), folder.c_str())); }

    std::wstring folder;
    std::wstring global;
    std::vector<std::wstring> labels;
    std::vector<std::wstring> languageFiles;
    std::vector<std::wstring> helpFiles;
};

}

TEST_F(ShippedData, EveryListedLanguageHasItsFilesAndAShortLabel)
{
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(ReadProfileByte(global.c_str(), SectionLanguageList, KeyMenuPosition), LanguagePopupPosition);
    EXPECT_EQ(CountNumberedKeys(global, SectionLanguageList, StemMenuText), static_cast<int>(labels.size()))
        << "a language label after a gap in the list is never shown";

    std::set<std::wstring> names;
    for (size_t n = 0; n < labels.size(); ++n) {
        SCOPED_TRACE(testsupport::Narrow(labels[n]));
        EXPECT_FALSE(labels[n].empty());
        EXPECT_LE(labels[n].size(), LabelLimit);
        EXPECT_TRUE(names.insert(labels[n]).second) << "listed twice";
        ASSERT_FALSE(languageFiles[n].empty());
        ASSERT_FALSE(helpFiles[n].empty());
        EXPECT_TRUE(PathFileExistsW(LanguagePath(n).c_str()));
        const std::wstring help = Take(GetPathBesideProgram(helpFiles[n].c_str(), folder.c_str()));
        EXPECT_TRUE(StartsWith(testsupport::ReadWholeFile(help), "ITSF", 4)) << "no compiled help " << testsupport::Narrow(help);
    }
    EXPECT_TRUE(names.count(L"English"));
    EXPECT_TRUE(names.count(L"Fran\u00e7ais")) << "accented labels must read right";
}

TEST_F(ShippedData, StartsInTheListedLanguageThatIsChecked)
{
    const unsigned char checked = ReadProfileByte(global.c_str(), SectionCurrentLanguage, KeyCheckedMenuIndex);
    ASSERT_LT(checked, labels.size());
    EXPECT_EQ(ReadText(global, SectionCurrentLanguage, KeyIniFile), languageFiles[checked]);
    EXPECT_EQ(ReadText(global, SectionCurrentLanguage, KeyHelpFile), helpFiles[checked]);
    EXPECT_EQ(Take(GetLanguageFilePath(folder.c_str())), LanguagePath(checked));
    EXPECT_EQ(labels[checked], L"English");
}

TEST_F(ShippedData, ProfileFilesAreUtf16WithAByteOrderMark)
{
    std::vector<std::wstring> files = {global};
    for (size_t n = 0; n < labels.size(); ++n)
        files.push_back(LanguagePath(n));
    for (const std::wstring& file : files)
        EXPECT_TRUE(StartsWith(testsupport::ReadWholeFile(file), "\xFF\xFE", 2)) << testsupport::Narrow(file);
}

TEST_F(ShippedData, MenusOfferTheMainWindowsCommandsInEveryLanguage)
{
    for (const CPopupShape& popup : Popups) {
        SCOPED_TRACE(testsupport::Narrow(popup.section));
        if (popup.position >= 0) {
            EXPECT_EQ(ReadProfileByte(global.c_str(), popup.section, KeyMenuPosition), popup.position);
        }

        for (size_t n = 0; n < labels.size(); ++n) {
            SCOPED_TRACE(testsupport::Narrow(languageFiles[n]));
            const std::wstring language = LanguagePath(n);
            int endIndex = 0;
            const std::vector<CEntry> entries = WalkPopup(global, language, popup.section, endIndex);

            std::vector<unsigned short> offered;
            for (size_t i = 0; i < entries.size(); ++i) {
                const CEntry& entry = entries[i];
                if (entry.kind == -1) {
                    EXPECT_TRUE(i > 0 && i + 1 < entries.size() && entries[i - 1].kind != -1)
                        << "separator " << i << " at an edge or doubled";
                    continue;
                }
                EXPECT_TRUE(entry.kind == 0 || entry.kind == 5) << "entry " << i << " has kind " << entry.kind;
                EXPECT_TRUE(HandledEntryCommands.count(entry.id)) << "entry " << i << " sends " << entry.id;
                EXPECT_FALSE(entry.label.empty()) << "entry " << i;
                EXPECT_LE(entry.label.size(), LabelLimit) << testsupport::Narrow(entry.label);
                offered.push_back(entry.id);
            }
            EXPECT_EQ(offered, popup.commands);
            // Everything written for the popup is read: no stray structure, no stray label.
            EXPECT_EQ(CountNumberedKeys(global, popup.section, StemMenuType), endIndex);
            EXPECT_EQ(CountNumberedKeys(language, popup.section, StemMenuText), static_cast<int>(offered.size()));
        }
    }
}

TEST_F(ShippedData, EveryLanguageFileHoldsEveryTextWithinItsLimit)
{
    struct CText { const wchar_t* section; const wchar_t* key; size_t limit; };
    const CText texts[] = {
        {SectionWindowText, KeyText, ControlTextLimit},
        {SectionButtonCompare, KeyText, ControlTextLimit},
        // Titles are read with room for 24 characters on a language switch.
        {SectionMenuFile, KeyMenuTitle, LabelLimit},
        {SectionMenuEdit, KeyMenuTitle, LabelLimit},
        {SectionMenuLanguage, KeyMenuTitle, LabelLimit},
        {SectionMenuHelp, KeyMenuTitle, LabelLimit},
        {SectionSentences, KeyEmptyString, SentenceLimit},
        {SectionSentences, KeyTooLong, SentenceLimit},
        {SectionSentences, KeyTooShort, SentenceLimit},
        {SectionSentences, KeyNotHexadecimal, SentenceLimit},
        {SectionSentences, KeyHashEqual, SentenceLimit},
        {SectionSentences, KeyHashDifferent, SentenceLimit},
    };
    for (size_t n = 0; n < labels.size(); ++n) {
        const std::wstring language = LanguagePath(n);
        std::set<std::wstring> sentences;
        for (const CText& text : texts) {
            const std::wstring value = ReadText(language, text.section, text.key);
            SCOPED_TRACE(testsupport::Narrow(languageFiles[n] + L" [" + text.section + L"] " + text.key + L"=" + value));
            EXPECT_FALSE(value.empty());
            EXPECT_LE(value.size(), text.limit);
            if (std::wstring(text.section) == SectionSentences) {
                EXPECT_TRUE(sentences.insert(value).second) << "two outcomes with one sentence";
            }
        }
    }
}
