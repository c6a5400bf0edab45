#include "profile_files.h"

#include "profile_test_support.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace profiletest;
using testsupport::CTemporaryFolder;

namespace {

const wchar_t* const Sample =
    L"[CURRENT_LANGUAGE]\r\n"
    L"_ini_file=english.ini\r\n"
    L"_help_file=english.chm\r\n"
    L"checked_menu_index=0\r\n"
    L"\r\n"
    L"[MENU_LANGUAGE_LIST]\r\n"
    L"menu_type=1\r\n"
    L"menu_position=2\r\n"
    L"menu_text_0=English\r\n"
    L"_ini_file_0=english.ini\r\n"
    L"_help_file_0=english.chm\r\n"
    L"menu_text_1=Fran\u00e7ais\r\n"
    L"_ini_file_1=lang\\french.ini\r\n"
    L"_help_file_1=help\\french.chm\r\n"
    L"menu_text_3=Espa\u00f1ol\r\n"
    L"\r\n"
    L"[MENU_FILE]\r\n"
    L"menu_position=0\r\n"
    L"menu_type_0=0\r\n"
    L"menu_id_0=201\r\n";

// A program folder of the test's own with md5_global.ini in it.
struct CProgramFolder
{
    explicit CProgramFolder(const std::wstring& globalIni)
        : globalIniPath(folder.WriteFile(L"md5_global.ini", Utf16Profile(globalIni)))
    {
    }

    const std::wstring& Path() const { return folder.Path(); }

    CTemporaryFolder folder;
    std::wstring globalIniPath;
};

std::wstring Read(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    return Take(ReadProfileString(file.c_str(), section, key));
}

void WriteProfile(const std::wstring& path, const std::wstring& text)
{
    const std::string bytes = Utf16Profile(text);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

std::wstring DriveRoot(const std::wstring& path)
{
    return path.substr(0, 3);
}

}

TEST(ProfileFiles, GlobalIniLiesBesideTheExecutableUnlessAFolderIsGiven)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring exeFolder(exe);
    exeFolder.erase(exeFolder.rfind(L'\\'));
    EXPECT_EQ(Take(GetGlobalIniPath()), exeFolder + L"\\md5_global.ini");

    CProgramFolder program(Sample);
    EXPECT_EQ(Take(GetGlobalIniPath(program.Path().c_str())), program.globalIniPath);
}

TEST(ProfileFiles, MissingFileSectionOrKeyReadsAsEmptyOrZero)
{
    CProgramFolder program(L"[MENU_FILE]\r\nmenu_type_0=0\r\n");
    const std::wstring& ini = program.globalIniPath;

    EXPECT_EQ(Read(ini, L"CURRENT_LANGUAGE", L"_ini_file"), L"");
    EXPECT_EQ(Read(ini, L"MENU_FILE", L"menu_text_7"), L"");
    EXPECT_EQ(Read(program.folder.PathOf(L"absent.ini"), L"MENU_FILE", L"menu_type_0"), L"");
    EXPECT_EQ(ReadProfileByte(ini.c_str(), L"CURRENT_LANGUAGE", L"checked_menu_index"), 0);
    EXPECT_EQ(ReadProfileInteger(ini.c_str(), L"MENU_EDIT", L"menu_type_0"), 0);

    // Without a current language the language file is the program folder itself, so every
    // language text then reads as empty.
    EXPECT_EQ(Take(GetLanguageFilePath(program.Path().c_str())), program.Path());
}

TEST(ProfileFiles, IntegersKeepTheirLowBitsAndSign)
{
    CProgramFolder program(L"[CURRENT_LANGUAGE]\r\nchecked_menu_index=258\r\n"
                           L"[MENU_FILE]\r\nmenu_type_1=-1\r\nmenu_id_0=65737\r\nmenu_position=3\r\n");
    const wchar_t* ini = program.globalIniPath.c_str();

    EXPECT_EQ(ReadProfileByte(ini, L"CURRENT_LANGUAGE", L"checked_menu_index"), 2);
    EXPECT_EQ(ReadProfileInteger(ini, L"MENU_FILE", L"menu_type_1"), -1);
    EXPECT_EQ(ReadProfileWord(ini, L"MENU_FILE", L"menu_id_0"), 201);
    EXPECT_EQ(ReadProfileByte(ini, L"MENU_FILE", L"menu_position"), 3);
}

TEST(ProfileFiles, LongValuesAreCutTo259Characters)
{
    const std::wstring longPath = L"C:\\" + std::wstring(297, L'x');
    CProgramFolder program(L"[CURRENT_LANGUAGE]\r\n_ini_file=" + longPath + L"\r\n");

    EXPECT_EQ(Read(program.globalIniPath, L"CURRENT_LANGUAGE", L"_ini_file"), longPath.substr(0, 259));
    // Fully qualified, so the cut value is the language file's path as it stands.
    EXPECT_EQ(Take(GetLanguageFilePath(program.Path().c_str())), longPath.substr(0, 259));

    wchar_t copy[profile::PathBufferLength];
    wmemset(copy, L'z', profile::PathBufferLength);
    CopyPath(copy, longPath.c_str());
    EXPECT_EQ(std::wstring(copy), longPath.substr(0, 259));
    EXPECT_EQ(copy[260], L'\0');

    CopyPath(copy, nullptr);
    EXPECT_EQ(std::wstring(copy), L"");
}

TEST(ProfileFiles, LanguageFileResolvesAgainstTheProgramFolder)
{
    CProgramFolder relative(L"[CURRENT_LANGUAGE]\r\n_ini_file=lang\\fr.ini\r\n");
    EXPECT_EQ(Take(GetLanguageFilePath(relative.Path().c_str())), relative.Path() + L"\\lang\\fr.ini");

    CProgramFolder qualified(L"[CURRENT_LANGUAGE]\r\n_ini_file=D:\\other\\fr.ini\r\n");
    EXPECT_EQ(Take(GetLanguageFilePath(qualified.Path().c_str())), L"D:\\other\\fr.ini");
}

TEST(ProfileFiles, AppendKeepsALeadingBackslashUnderTheFolderWhereCombineGoesToTheRoot)
{
    CProgramFolder program(L"[CURRENT_LANGUAGE]\r\n_ini_file=\\lang\\fr.ini\r\n");
    const wchar_t* folder = program.Path().c_str();

    EXPECT_EQ(Take(GetLanguageFilePath(folder)), DriveRoot(program.Path()) + L"lang\\fr.ini");
    EXPECT_EQ(Take(GetPathBesideProgram(L"\\lang\\fr.ini", folder)), program.Path() + L"\\lang\\fr.ini");

    // Relative and fully qualified values land in the same place either way.
    EXPECT_EQ(Take(GetPathBesideProgram(L"help\\en.chm", folder)), program.Path() + L"\\help\\en.chm");
    EXPECT_EQ(Take(GetPathBesideProgram(L"D:\\help\\en.chm", folder)), L"D:\\help\\en.chm");
}

TEST(ProfileFiles, PathsThatDoNotFitAreRefusedRatherThanCut)
{
    CTemporaryFolder base;
    // 246 characters: md5_global.ini would make it 261, one more than a path may hold.
    const std::wstring deep = base.Path() + L"\\" + std::wstring(245 - base.Path().size(), L'd');
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    EXPECT_EQ(Take(GetGlobalIniPath(deep.c_str())), L"<null>");

    // md5_global.ini fits here, but the language file's name does not.
    const std::wstring folder = base.Path() + L"\\" + std::wstring(234 - base.Path().size(), L'f');
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring ini = folder + L"\\md5_global.ini";
    WriteProfile(ini, L"[CURRENT_LANGUAGE]\r\n_ini_file=" + std::wstring(40, L'n') + L".ini\r\n");

    EXPECT_EQ(Take(GetGlobalIniPath(folder.c_str())), ini);
    EXPECT_EQ(Take(GetLanguageFilePath(folder.c_str())), L"<null>");
    EXPECT_EQ(Take(GetPathBesideProgram((std::wstring(40, L'h') + L".chm").c_str(), folder.c_str())), L"<null>");
}

TEST(ProfileFiles, StoringALanguageRewritesOnlyTheCurrentLanguage)
{
    CProgramFolder program(Sample);
    const std::wstring& ini = program.globalIniPath;
    const std::wstring listBefore = SectionLines(ini, L"MENU_LANGUAGE_LIST");
    const std::wstring fileMenuBefore = SectionLines(ini, L"MENU_FILE");

    StoreCurrentLanguage(1, ini.c_str());
    EXPECT_EQ(SectionLines(ini, L"CURRENT_LANGUAGE"),
              L"_ini_file=lang\\french.ini\n_help_file=help\\french.chm\nchecked_menu_index=1\n");
    EXPECT_EQ(Take(GetLanguageFilePath(program.Path().c_str())), program.Path() + L"\\lang\\french.ini");

    // Language 3 is listed without files of its own: both keys are written, empty.
    StoreCurrentLanguage(3, ini.c_str());
    EXPECT_EQ(SectionLines(ini, L"CURRENT_LANGUAGE"), L"_ini_file=\n_help_file=\nchecked_menu_index=3\n");
    wchar_t value[16] = {};
    GetPrivateProfileStringW(L"CURRENT_LANGUAGE", L"_ini_file", L"absent", value, 16, ini.c_str());
    EXPECT_EQ(std::wstring(value), L"");

    EXPECT_EQ(SectionLines(ini, L"MENU_LANGUAGE_LIST"), listBefore);
    EXPECT_EQ(SectionLines(ini, L"MENU_FILE"), fileMenuBefore);
    // Still the program's encoding, so accented labels keep reading right.
    const std::wstring onDisk = ReadUtf16Profile(ini);
    EXPECT_NE(onDisk.find(L"menu_text_1=Fran\u00e7ais"), std::wstring::npos) << testsupport::Narrow(onDisk);
    EXPECT_EQ(Read(ini, L"MENU_LANGUAGE_LIST", L"menu_text_3"), L"Espa\u00f1ol");
}

TEST(ProfileFiles, StoringIntoAFileWithoutTheSectionCreatesIt)
{
    CProgramFolder program(L"[MENU_LANGUAGE_LIST]\r\n_ini_file_0=english.ini\r\n");
    StoreCurrentLanguage(0, program.globalIniPath.c_str());
    EXPECT_EQ(SectionLines(program.globalIniPath, L"CURRENT_LANGUAGE"),
              L"checked_menu_index=0\n_ini_file=english.ini\n_help_file=\n");
    EXPECT_EQ(SectionLines(program.globalIniPath, L"MENU_LANGUAGE_LIST"), L"_ini_file_0=english.ini\n");
}
