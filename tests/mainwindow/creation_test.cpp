// The main window as it opens: with and without a file on the command line, and with profile
// files that are missing or cannot be located.
#include "main_window_fixture.h"

#include "modal_watcher.h"

#include "cool_control.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace mainwindowtest;
using testsupport::CModalWatcher;

namespace {

std::wstring MenuTitle(HWND window, UINT position)
{
    wchar_t title[64] = {};
    GetMenuStringW(GetMenu(window), position, title, 64, MF_BYPOSITION);
    return title;
}

int CountChildren(HWND window)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

// Pixel width of the text in the window's own device context, as the path line is measured.
int TextWidth(HWND window, const std::wstring& text)
{
    HDC context = GetDC(window);
    SIZE size = {};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(window, context);
    return size.cx;
}

}

TEST(MainWindowCreation, WithoutFileTheStripReadsThePrefixAndTheFocusIsInTheInputField)
{
    CProgramFolder folder;
    CModalWatcher watcher;
    COpenedWindow opened(folder);
    ASSERT_EQ(0, opened.Started());

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(L"file : ", opened.StripText());
    EXPECT_FALSE(opened.StripHasIcon());
    EXPECT_EQ(L"", WindowText(opened.InputField()));
    EXPECT_EQ(L"", WindowText(opened.DigestField()));
    EXPECT_EQ(opened.InputField(), GetFocus());

    // Texts from the language file; the status bar's first part is fixed.
    EXPECT_EQ(L"Published digest", WindowText(opened.Window().GetDropPanel()->GetHandle()));
    EXPECT_EQ(L"&Compare", WindowText(opened.CompareButton()));
    wchar_t part[16] = {};
    SendMessageW(opened.Window().GetStatusBar()->GetHandle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(part));
    EXPECT_STREQ(L"md5", part);
    EXPECT_EQ(L"&File", MenuTitle(opened.Handle(), 0));
    EXPECT_EQ(L"&Edit", MenuTitle(opened.Handle(), 1));
    EXPECT_EQ(L"&Language", MenuTitle(opened.Handle(), 2));
    EXPECT_EQ(L"&Help", MenuTitle(opened.Handle(), 3));

    // The panels sit where the window lays them out.
    RECT strip = {};
    GetWindowRect(opened.Window().GetNotifyWindow()->GetHandle(), &strip);
    RECT client = {};
    GetClientRect(opened.Handle(), &client);
    EXPECT_EQ(client.right, strip.right - strip.left);
    EXPECT_EQ(80, strip.bottom - strip.top);
    RECT panel = {};
    GetWindowRect(opened.Window().GetDropPanel()->GetHandle(), &panel);
    MapWindowPoints(nullptr, opened.Handle(), reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(2, panel.left);
    EXPECT_EQ(100, panel.top);
    EXPECT_EQ(400, panel.right - panel.left);
    EXPECT_EQ(120, panel.bottom - panel.top);

    EXPECT_EQ(0, opened.Close());
}

TEST(MainWindowCreation, WithAFileTheStripShowsItsPathLineAndTheDigestFieldItsDigest)
{
    CProgramFolder folder;
    const std::wstring file = folder.WriteFile(L"abc.txt", "abc");
    CModalWatcher watcher;
    COpenedWindow opened(folder, file.c_str());
    ASSERT_EQ(0, opened.Started());

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(AbcDigest, WindowText(opened.DigestField()));
    EXPECT_EQ(L"", WindowText(opened.InputField()));
    EXPECT_FALSE(opened.StripHasIcon());

    const std::wstring caption = opened.StripText();
    EXPECT_EQ(caption, opened.Window().GetCaption());
    const CCaptionParts parts = SplitCaption(caption);
    EXPECT_EQ(L"file : ", parts.prefix);
    EXPECT_EQ(L"", parts.sentence);
    ASSERT_EQ(L'\n', caption.back());
    // Either the whole path or a shortened one that keeps the file name, within the client
    // width less 50 pixels.
    RECT client = {};
    GetClientRect(opened.Handle(), &client);
    EXPECT_LE(TextWidth(opened.Handle(), parts.pathLine + L"\n"), client.right - 50);
    if (parts.pathLine != file)
    {
        EXPECT_NE(std::wstring::npos, parts.pathLine.find(L"..."));
    }
    EXPECT_NE(std::wstring::npos, parts.pathLine.find(L"abc.txt"));

    EXPECT_EQ(0, opened.Close());
}

TEST(MainWindowCreation, AFileThatCannotBeHashedLeavesStripAndDigestEmpty)
{
    CProgramFolder folder;
    const std::wstring missing = folder.Path() + L"\\no such file.txt";
    CModalWatcher watcher;
    COpenedWindow opened(folder, missing.c_str());
    ASSERT_EQ(0, opened.Started());

    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Open file " + missing + L" failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(L"", opened.StripText());
    EXPECT_EQ(L"", WindowText(opened.DigestField()));
    EXPECT_EQ(0, opened.Close());
}

TEST(MainWindowCreation, AMissingLanguageFileIsToldAndTheWindowStillWorksAndCloses)
{
    CProgramFolder folder;
    folder.WriteGlobalIni(L"missing.ini");
    const std::wstring file = folder.WriteFile(L"abc.txt", "abc");
    CModalWatcher watcher;
    COpenedWindow opened(folder, file.c_str());
    ASSERT_EQ(0, opened.Started());

    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Cannot open initialization file", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);

    EXPECT_TRUE(IsWindowVisible(opened.Handle()));
    EXPECT_EQ(L"Vestigon pour md5 v1.0", WindowText(opened.Handle()));
    // Texts of the language are empty; the digest is there all the same.
    EXPECT_EQ(L"", WindowText(opened.CompareButton()));
    EXPECT_EQ(AbcDigest, WindowText(opened.DigestField()));
    EXPECT_EQ(0, opened.Close());
}

TEST(MainWindowCreation, ALanguageFileThatCannotBeLocatedLeavesTheWindowEmptyAndItCloses)
{
    CProgramFolder folder;
    // Combined with the folder, the name no longer fits in a path.
    folder.WriteGlobalIni(std::wstring(300, L'x') + L".ini");
    CModalWatcher watcher;
    COpenedWindow opened(folder);
    ASSERT_EQ(0, opened.Started());

    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Cannot open initialization file", watcher.Boxes()[0].text);
    EXPECT_TRUE(IsWindowVisible(opened.Handle()));
    EXPECT_EQ(0, CountChildren(opened.Handle()));
    EXPECT_EQ(nullptr, GetMenu(opened.Handle()));
    EXPECT_EQ(nullptr, opened.Window().GetDropPanel());

    // Messages that need the panels find none and do nothing.
    SendMessageW(opened.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(200, 250));
    SendMessageW(opened.Handle(), WM_COMPARE_REQUEST, 0, 0);
    SendMessageW(opened.Handle(), WM_COMMAND, 1, 0);
    SendMessageW(opened.Handle(), WM_SIZE, 0, MAKELPARAM(300, 200));
    SetFocus(opened.Handle());
    PumpMessages();
    EXPECT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(0, opened.Close());
}
