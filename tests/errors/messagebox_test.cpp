#include "vrok_user/vrok_messagebox.h"

#include "modal_watcher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using testsupport::CModalWatcher;
using vrok::user::messagebox::ShowErrorMessage;
using vrok::user::messagebox::ShowInfoMessage;

TEST(ErrorBoxes, ErrorBoxShowsFormattedTextUnderErreurWithErrorIcon)
{
    CModalWatcher watcher;
    EXPECT_EQ(IDOK, ShowErrorMessage(L"Open file %s failed !", L"C:\\data\\x.bin"));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Open file C:\\data\\x.bin failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), watcher.Boxes()[0].icon);
}

TEST(ErrorBoxes, InfoBoxShowsTextUnderInformationWithInformationIcon)
{
    CModalWatcher watcher;
    EXPECT_EQ(IDOK, ShowInfoMessage(L"No data to paste"));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"No data to paste", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
}

TEST(ErrorBoxes, FormatsNumbersAndNonLatinText)
{
    CModalWatcher watcher;
    EXPECT_EQ(IDOK, ShowInfoMessage(L"%d %s", 42, L"\x6587\x4EF6 \x0444\x0430\x0439\x043B"));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"42 \x6587\x4EF6 \x0444\x0430\x0439\x043B", watcher.Boxes()[0].text);
}

TEST(ErrorBoxes, ShowsTextOfExactly511CharactersWhole)
{
    const std::wstring text(511, L'x');
    CModalWatcher watcher;
    EXPECT_EQ(IDOK, ShowErrorMessage(L"%s", text.c_str()));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(text, watcher.Boxes()[0].text);
}

TEST(ErrorBoxes, ShowsNoBoxForTextOf512CharactersOrMore)
{
    CModalWatcher watcher;
    EXPECT_EQ(0, ShowErrorMessage(L"%s", std::wstring(512, L'x').c_str()));
    EXPECT_EQ(0, ShowInfoMessage(L"%s", std::wstring(4000, L'y').c_str()));
    // A path that leaves no room in "Open file %s failed !" (11 + 493 + 9 = 513 characters).
    EXPECT_EQ(0, ShowErrorMessage(L"Open file %s failed !", std::wstring(493, L'p').c_str()));
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(ErrorBoxes, ClearsTheLastErrorBeforeShowing)
{
    SetLastError(ERROR_ACCESS_DENIED);
    CModalWatcher watcher;
    ShowInfoMessage(L"Cannot open initialization file");
    EXPECT_EQ(0u, GetLastError());
}

TEST(ModalWatcher, SeesEveryBoxOfASequenceOnce)
{
    CModalWatcher watcher(20);
    ShowErrorMessage(L"first");
    ShowInfoMessage(L"second");
    ASSERT_EQ(2u, watcher.Boxes().size());
    EXPECT_EQ(L"first", watcher.Boxes()[0].text);
    EXPECT_EQ(L"second", watcher.Boxes()[1].text);
}

TEST(ModalWatcher, PumpingForABoxThatNeverComesEndsAtTheTimeout)
{
    CModalWatcher watcher;
    EXPECT_FALSE(watcher.PumpUntil(1, 200));
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(ModalWatcher, TellsWarningAndQuestionIconsAndBoxesWithoutIcon)
{
    CModalWatcher watcher(20);
    MessageBoxW(nullptr, L"warn", L"W", MB_OK | MB_ICONWARNING);
    MessageBoxW(nullptr, L"ask", L"Q", MB_OKCANCEL | MB_ICONQUESTION);
    MessageBoxW(nullptr, L"plain", L"P", MB_OK);
    ASSERT_EQ(3u, watcher.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), watcher.Boxes()[0].icon);
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), watcher.Boxes()[1].icon);
    EXPECT_EQ(0u, watcher.Boxes()[2].icon);
}

TEST(ModalWatcher, EndsABoxThatHasNeitherOkNorCancel)
{
    CModalWatcher watcher(20);
    const int answer = MessageBoxW(nullptr, L"Yes or no?", L"Q", MB_YESNO | MB_ICONQUESTION);
    EXPECT_NE(0, answer);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Yes or no?", watcher.Boxes()[0].text);
}
