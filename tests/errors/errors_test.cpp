#include "vrok_user/vrok_messagebox.h"

#include "modal_watcher.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::CModalWatcher;
using vrok::user::messagebox::ShowErrorMessage;
using vrok::user::messagebox::ShowInfoMessage;

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
