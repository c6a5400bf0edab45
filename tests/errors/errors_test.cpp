#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_windowsexception.h"

#include "modal_watcher.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>

using testsupport::CModalWatcher;
using vrok::user::messagebox::ShowErrorMessage;
using vrok::user::messagebox::ShowInfoMessage;
using vrok::user::windowsexception::CWindowsError;
using vrok::user::windowsexception::CWindowsException;

TEST(ErrorBoxes, ShowFormattedTextWithTheirCaptionAndIconUpTo511Characters)
{
    const std::wstring longest(511, L'x');
    SetLastError(ERROR_ACCESS_DENIED);
    CModalWatcher watcher(20);
    EXPECT_EQ(IDOK, ShowErrorMessage(L"Open file %s failed !", L"C:\\data\\x.bin"));
    EXPECT_EQ(IDOK, ShowInfoMessage(L"%d %s", 42, L"\x6587\x4EF6 \x0444\x0430\x0439\x043B"));
    EXPECT_EQ(0u, GetLastError());
    EXPECT_EQ(IDOK, ShowErrorMessage(L"%s", longest.c_str()));
    // Longer texts show no box at all: 11 + 493 + 9 = 513 characters.
    EXPECT_EQ(0, ShowErrorMessage(L"%s", std::wstring(512, L'x').c_str()));
    EXPECT_EQ(0, ShowInfoMessage(L"%s", std::wstring(4000, L'y').c_str()));
    EXPECT_EQ(0, ShowErrorMessage(L"Open file %s failed !", std::wstring(493, L'p').c_str()));
    ASSERT_EQ(3u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Open file C:\\data\\x.bin failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), watcher.Boxes()[0].icon);
    EXPECT_EQ(L"Information", watcher.Boxes()[1].caption);
    EXPECT_EQ(L"42 \x6587\x4EF6 \x0444\x0430\x0439\x043B", watcher.Boxes()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[1].icon);
    EXPECT_EQ(longest, watcher.Boxes()[2].text);
}

// The watcher every box test relies on tells the other icons apart and ends a box that has
// neither OK nor Cancel.
TEST(ErrorBoxes, WatcherReadsEveryIconAndEndsAnyBox)
{
    CModalWatcher watcher(20);
    MessageBoxW(nullptr, L"warn", L"W", MB_OK | MB_ICONWARNING);
    MessageBoxW(nullptr, L"ask", L"Q", MB_OKCANCEL | MB_ICONQUESTION);
    MessageBoxW(nullptr, L"plain", L"P", MB_OK);
    EXPECT_NE(0, MessageBoxW(nullptr, L"Yes or no?", L"Q", MB_YESNO));
    ASSERT_EQ(4u, watcher.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), watcher.Boxes()[0].icon);
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), watcher.Boxes()[1].icon);
    EXPECT_EQ(0u, watcher.Boxes()[2].icon);
    EXPECT_EQ(L"Yes or no?", watcher.Boxes()[3].text);
}

TEST(WindowsException, CopyOwnsItsSourcePathAndANullPathLeavesTheRest)
{
    SetLastError(ERROR_INVALID_HANDLE);
    auto original = std::make_unique<CWindowsException>("..\\src\\vrok_user\\vrok_basewindow", "Registering failed !", 259);
    SetLastError(0);
    const CWindowsException copy(*original);
    original.reset();  // the copy must not share anything with it
    const CWindowsException pathless(nullptr, "The window has been created before !", 211);
    EXPECT_STREQ("..\\src\\vrok_user\\vrok_basewindow", copy.GetSourcePath());
    EXPECT_STREQ("Registering failed !", copy.what());
    EXPECT_EQ(259, copy.GetLine());
    EXPECT_EQ(static_cast<unsigned>(ERROR_INVALID_HANDLE), copy.GetCode());
    EXPECT_GT(std::wcslen(copy.GetText()), 0u);
    EXPECT_EQ(nullptr, pathless.GetSourcePath());
    EXPECT_STREQ("The window has been created before !", pathless.what());
    EXPECT_EQ(211, pathless.GetLine());
    try {
        throw CWindowsException(nullptr, "lost", 1);
    } catch (const std::exception& caught) {
        EXPECT_STREQ("lost", caught.what());
    }
}

TEST(WindowsException, CodeWithoutSystemTextLeavesNoStaleText)
{
    CWindowsError error;
    SetLastError(ERROR_FILE_NOT_FOUND);
    error.CaptureLastError();
    EXPECT_GT(std::wcslen(error.GetText()), 0u);
    SetLastError(0x2000FFFFu);
    error.CaptureLastError();
    EXPECT_EQ(0x2000FFFFu, error.GetCode());
    EXPECT_STREQ(L"", error.GetText());
}
