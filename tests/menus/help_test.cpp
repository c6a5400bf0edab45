// The help command: the current language's help file in the HTML Help viewer, at its contents.

#include "language_commands.h"
#include "menu_test_support.h"

#include <gtest/gtest.h>

#include <string>

using menutest::CProgramFolder;
using menutest::Host;
using menutest::PumpMessages;

namespace {

// Help files as the build lays them out in the runnable folder.
const wchar_t ShippedHelpFolder[] = L"..\\vestigon\\";

struct CWindowSearch
{
    std::wstring title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM search)
{
    auto* wanted = reinterpret_cast<CWindowSearch*>(search);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (wanted->title == text && IsWindowVisible(window)) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

// The viewer opens on this thread; it takes a few seconds under Wine.
HWND WaitForViewer(const std::wstring& title, DWORD timeoutMs = 30000)
{
    CWindowSearch search = {title, nullptr};
    const DWORD start = GetTickCount();
    while (search.found == nullptr && GetTickCount() - start < timeoutMs) {
        PumpMessages(100);
        EnumThreadWindows(GetCurrentThreadId(), MatchTitle, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

void CloseViewer(HWND viewer)
{
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(viewer) && GetTickCount() - start < 10000)
        PumpMessages(50);
}

void CopyShippedHelp(const CProgramFolder& folder, const wchar_t* shipped, const std::wstring& target)
{
    ASSERT_TRUE(CopyFileW((std::wstring(ShippedHelpFolder) + shipped).c_str(), folder.PathOf(target).c_str(), FALSE))
        << "the runnable folder's help files are missing";
}

TEST(Help, OpensTheCurrentLanguagesFileFromASubfolderAtItsContents)
{
    CProgramFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"help").c_str(), nullptr));
    CopyShippedHelp(folder, L"english.chm", L"help\\en.chm");
    CopyShippedHelp(folder, L"french.chm", L"help\\fr.chm");
    folder.WriteProfile(L"md5_global.ini", L"[CURRENT_LANGUAGE]\r\n_help_file=help\\fr.chm\r\n");

    ShowHelp(Host(), folder.Path().c_str());
    HWND viewer = WaitForViewer(L"Aide de Vestigon");
    ASSERT_NE(nullptr, viewer) << "no viewer titled from the French help file";
    EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Vestigon Help"));
    EXPECT_EQ(Host().GetHandle(), GetWindow(viewer, GW_OWNER)) << "the viewer belongs to the main window";
    CloseViewer(viewer);
    EXPECT_FALSE(IsWindow(viewer));
}

}
