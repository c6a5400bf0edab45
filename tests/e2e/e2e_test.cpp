// The real program, started from a copy of its runnable folder and worked only from outside:
// window texts, control messages, menu commands, typed keys, the screen and the files it keeps.
#include "main_window_view.h"
#include "program_folder.h"
#include "running_program.h"

#include "reference_digests.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

using e2e::CMainWindowView;
using e2e::CProgramFolder;
using e2e::CRunningProgram;
using e2e::EVerdictIcon;

namespace {

const DWORD StartTimeoutMs = 20000;
const DWORD ExitTimeoutMs = 15000;
const wchar_t* const DigestList = L"e2e\\md5sums.txt";
// French is the second entry of the language list; its command is its index.
const WORD FrenchIndex = 1;

std::wstring TestFile(const std::wstring& name)
{
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW((L"e2e\\" + name).c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

std::wstring Md5sumOf(const std::wstring& name)
{
    return testsupport::ReferenceDigestOf(DigestList, name);
}

::testing::AssertionResult IsVerdict(EVerdictIcon expected, EVerdictIcon seen)
{
    if (seen == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the strip shows " << e2e::NameOf(seen) << ", not "
                                         << e2e::NameOf(expected);
}

// One run of the program from a private folder: started with the given arguments, its main
// window looked up. Tests close it themselves and read the exit code.
class ProgramRun : public ::testing::Test
{
protected:
    // Starts the program and returns its main window, null (with a failure) when it never came.
    CMainWindowView* Start(const std::wstring& arguments)
    {
        EXPECT_TRUE(m_folder.IsComplete()) << "runnable folder " << testsupport::Narrow(e2e::RunnableFolder());
        m_program.reset(new CRunningProgram(m_folder.ExePath(), arguments));
        EXPECT_TRUE(m_program->IsStarted()) << "error " << GetLastError();
        HWND window = m_program->WaitForMainWindow(StartTimeoutMs);
        EXPECT_NE(nullptr, window) << "no main window";
        if (window == nullptr)
            return nullptr;
        m_view.reset(new CMainWindowView(window));
        return m_view.get();
    }

    // Starts the program on a file it cannot hash: the box comes while the window is being made,
    // the user reads it and presses OK, the window opens without digest and closes cleanly.
    void StartWithUnreadableFile(const std::wstring& path)
    {
        ASSERT_TRUE(m_folder.IsComplete());
        m_program.reset(new CRunningProgram(m_folder.ExePath(), Quoted(path)));
        HWND box = m_program->WaitForBox(StartTimeoutMs);
        ASSERT_NE(nullptr, box) << "no error box";
        EXPECT_EQ(L"Erreur", e2e::TextOf(box));
        EXPECT_EQ(L"Open file " + path + L" failed !", e2e::BoxText(box));
        e2e::DismissBox(box);

        HWND main = m_program->WaitForMainWindow(StartTimeoutMs);
        ASSERT_NE(nullptr, main);
        m_view.reset(new CMainWindowView(main));
        EXPECT_EQ(L"", m_view->Digest());
        EXPECT_NE(nullptr, m_view->InputField()) << "the rest of the window is built";
        EXPECT_EQ(0u, CloseAndWait());
    }

    // Closes the window as the user does and returns the exit code.
    DWORD CloseAndWait()
    {
        m_view->Close();
        return m_program->WaitForExit(ExitTimeoutMs);
    }

    CProgramFolder m_folder;
    std::unique_ptr<CRunningProgram> m_program;
    std::unique_ptr<CMainWindowView> m_view;
};

using StartAndClose = ProgramRun;
using CommandLine = ProgramRun;
using Verdict = ProgramRun;
using Language = ProgramRun;

}

// --- start and close: what the release check runs on the unpacked archive as well ---

TEST_F(StartAndClose, WithoutFileTheWindowIsEmptyAndClosesWithZero)
{
    CMainWindowView* window = Start(L"");
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(L"Vestigon pour md5 v1.0", window->Title());
    ASSERT_NE(nullptr, window->DigestField());
    ASSERT_NE(nullptr, window->InputField());
    EXPECT_EQ(L"", window->Digest());
    EXPECT_EQ(L"", window->Reference());
    EXPECT_FALSE(window->PanelTitle().empty()) << "the panel's title comes from the language file";
    EXPECT_FALSE(window->ButtonCaption().empty());
    EXPECT_TRUE(IsVerdict(EVerdictIcon::None, window->VerdictIcon()));

    // Nothing to compare with: the orange shield.
    window->SetReference(std::wstring(32, L'a'));
    window->ClickCompare();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Warning, window->WaitForVerdictIcon(EVerdictIcon::Warning)));

    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(StartAndClose, WithFileTheDigestIsWhatMd5sumPrintsAndTheWindowClosesWithZero)
{
    const std::wstring expected = Md5sumOf(L"sample.bin");
    ASSERT_EQ(32u, expected.size()) << "no md5sum digest in the test data";
    CMainWindowView* window = Start(Quoted(TestFile(L"sample.bin")));
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(expected, window->Digest());
    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(StartAndClose, MissingFileIsReportedThenTheWindowOpensEmptyAndClosesWithZero)
{
    const std::wstring missing = TestFile(L"no such file.bin");
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(missing.c_str()));
    ASSERT_TRUE(m_folder.IsComplete());
    StartWithUnreadableFile(missing);
}

TEST_F(StartAndClose, EmptyFileIsReportedLikeAFileThatCannotBeMappedAndClosesWithZero)
{
    // Zero bytes cannot be mapped into memory: the program says so instead of showing a digest.
    ASSERT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", Md5sumOf(L"empty.bin"));
    StartWithUnreadableFile(TestFile(L"empty.bin"));
}

TEST_F(StartAndClose, CloseCommandOfTheFileMenuEndsWithZero)
{
    CMainWindowView* window = Start(L"");
    ASSERT_NE(nullptr, window);
    window->ChooseMenuCommand(202);
    EXPECT_EQ(0u, m_program->WaitForExit(ExitTimeoutMs));
}

// --- the file named on the command line ---

TEST_F(CommandLine, QuotedNameWithBlanksIsHashedWhole)
{
    CMainWindowView* window = Start(Quoted(TestFile(L"name with blanks.bin")));
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(Md5sumOf(L"name with blanks.bin"), window->Digest());
    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(CommandLine, NameWithNonLatinLettersIsHashed)
{
    const std::wstring name = testsupport::Widen("données_файл_数据.bin");
    ASSERT_EQ(32u, Md5sumOf(name).size());
    CMainWindowView* window = Start(Quoted(TestFile(name)));
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(Md5sumOf(name), window->Digest());
    EXPECT_EQ(0u, CloseAndWait());
}

// --- the comparison, asked for with the button and with Enter ---

TEST_F(Verdict, PublishedDigestPastedAndCompareClickedShowsTheGreenShield)
{
    CMainWindowView* window = Start(Quoted(TestFile(L"sample.bin")));
    ASSERT_NE(nullptr, window);
    window->SetReference(Md5sumOf(L"sample.bin"));
    window->ClickCompare();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Equal, window->WaitForVerdictIcon(EVerdictIcon::Equal)));
    EXPECT_EQ(Md5sumOf(L"sample.bin"), window->Reference()) << "the comparison leaves the input field alone";
    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(Verdict, DigestTypedInCapitalsAndEnterPressedIsTakenInLowerCase)
{
    CMainWindowView* window = Start(Quoted(TestFile(L"sample.bin")));
    ASSERT_NE(nullptr, window);
    std::wstring capitals = Md5sumOf(L"sample.bin");
    CharUpperW(&capitals[0]);
    window->TypeIntoInput(capitals);
    EXPECT_EQ(Md5sumOf(L"sample.bin"), window->Reference());
    window->PressEnter();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Equal, window->WaitForVerdictIcon(EVerdictIcon::Equal)));
    EXPECT_EQ(Md5sumOf(L"sample.bin"), window->Reference()) << "Enter inserts nothing";
    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(Verdict, AnotherFilesDigestShowsTheRedShieldWithEnterAndWithTheButton)
{
    CMainWindowView* window = Start(Quoted(TestFile(L"sample.bin")));
    ASSERT_NE(nullptr, window);
    window->SetReference(Md5sumOf(L"name with blanks.bin"));
    window->PressEnter();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Different, window->WaitForVerdictIcon(EVerdictIcon::Different)));

    window->SetReference(Md5sumOf(L"sample.bin"));
    window->ClickCompare();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Equal, window->WaitForVerdictIcon(EVerdictIcon::Equal)));

    window->SetReference(Md5sumOf(L"empty.bin"));
    window->ClickCompare();
    EXPECT_TRUE(IsVerdict(EVerdictIcon::Different, window->WaitForVerdictIcon(EVerdictIcon::Different)));
    EXPECT_EQ(0u, CloseAndWait());
}

TEST_F(Verdict, MalformedReferencesShowTheOrangeShield)
{
    CMainWindowView* window = Start(Quoted(TestFile(L"sample.bin")));
    ASSERT_NE(nullptr, window);
    const std::wstring digest = Md5sumOf(L"sample.bin");
    const struct
    {
        const char* what;
        std::wstring reference;
    } malformed[] = {
        { "empty", L"" },
        { "one digit short", digest.substr(0, 31) },
        { "one digit too many", digest + L"0" },
        { "a trailing blank", digest + L" " },
        { "a letter that is no digit", L"g" + digest.substr(1) },
    };
    for (const auto& reference : malformed) {
        // A right comparison first, so that each orange shield is a new one.
        window->SetReference(digest);
        window->ClickCompare();
        ASSERT_TRUE(IsVerdict(EVerdictIcon::Equal, window->WaitForVerdictIcon(EVerdictIcon::Equal)));

        window->SetReference(reference.reference);
        window->PressEnter();
        EXPECT_TRUE(IsVerdict(EVerdictIcon::Warning, window->WaitForVerdictIcon(EVerdictIcon::Warning)))
            << reference.what;
    }
    EXPECT_EQ(0u, CloseAndWait());
}

// --- languages ---

TEST_F(Language, ChoosingFrenchIsWrittenBesideTheProgramAndShownAfterARestart)
{
    ASSERT_EQ(L"english.ini", m_folder.ReadSetting(L"md5_global.ini", L"CURRENT_LANGUAGE", L"_ini_file"));
    const std::wstring frenchTitle = m_folder.ReadSetting(L"french.ini", L"WINDOW_TEXT", L"text");
    const std::wstring frenchCaption = m_folder.ReadSetting(L"french.ini", L"BUTTON_COMPARE", L"text");
    ASSERT_FALSE(frenchTitle.empty());
    ASSERT_NE(m_folder.ReadSetting(L"english.ini", L"WINDOW_TEXT", L"text"), frenchTitle);
    ASSERT_NE(m_folder.ReadSetting(L"english.ini", L"BUTTON_COMPARE", L"text"), frenchCaption);
    ASSERT_EQ(L"Français", m_folder.ReadSetting(L"md5_global.ini", L"MENU_LANGUAGE_LIST", L"menu_text_1"));

    CMainWindowView* window = Start(L"");
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(m_folder.ReadSetting(L"english.ini", L"WINDOW_TEXT", L"text"), window->PanelTitle());
    window->ChooseMenuCommand(FrenchIndex);
    EXPECT_EQ(L"french.ini", m_folder.ReadSetting(L"md5_global.ini", L"CURRENT_LANGUAGE", L"_ini_file"));
    EXPECT_EQ(L"french.chm", m_folder.ReadSetting(L"md5_global.ini", L"CURRENT_LANGUAGE", L"_help_file"));
    EXPECT_EQ(std::to_wstring(FrenchIndex), m_folder.ReadSetting(L"md5_global.ini", L"CURRENT_LANGUAGE", L"checked_menu_index"));
    EXPECT_EQ(frenchTitle, window->PanelTitle()) << "the switch re-labels the open window";
    EXPECT_EQ(frenchCaption, window->ButtonCaption());
    EXPECT_EQ(0u, CloseAndWait());

    CMainWindowView* restarted = Start(L"");
    ASSERT_NE(nullptr, restarted);
    EXPECT_EQ(frenchTitle, restarted->PanelTitle());
    EXPECT_EQ(frenchCaption, restarted->ButtonCaption());
    EXPECT_EQ(0u, CloseAndWait());
}
