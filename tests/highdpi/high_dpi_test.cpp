// The main window on a screen of 144 DPI: this program runs in a Wine prefix of its own whose
// LogPixels is 144, and opens the window as the program does.
#include "reference_digests.h"
#include "opened_window.h"

#include "lists/list_window.h"
#include "window/about_window.h"
#include "window/hashing_display.h"
#include "vrok_user/vrok_dpi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

int InputFontHeight(const COpenedWindow& opened)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(opened.Input(), WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

// The first line of the strip, measured in the strip's own font.
int PathLineWidth(const COpenedWindow& opened)
{
    const std::wstring text = opened.StripText();
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, opened.My().GetNotifyWindow()->GetFont().GetHandle());
    SIZE size = {};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.find(L'\n')), &size);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    return size.cx;
}

// White pixels of the drop panel's title, in the dark start of its strip.
int TitleInk(HWND panel, int dpi)
{
    using vrok::user::dpi::Scale;
    UpdateWindow(panel);
    return CountPixels(panel, {Scale(26, dpi), 0, Scale(176, dpi), Scale(20, dpi)},
                       [](COLORREF c) { return GetRValue(c) > 220 && GetGValue(c) > 220 && GetBValue(c) > 220; });
}

void ExpectRect(const RECT& expected, const RECT& actual, int tolerance)
{
    EXPECT_NEAR(expected.left, actual.left, tolerance);
    EXPECT_NEAR(expected.top, actual.top, tolerance);
    EXPECT_NEAR(expected.right, actual.right, tolerance);
    EXPECT_NEAR(expected.bottom, actual.bottom, tolerance);
}

}

// Started on a file in a folder whose path is 200 characters long.
TEST(HighDpi, TheWindowItsFontsAndPicturesAreInProportionAndFollowAChangeOfDensity)
{
    CTemporaryFolder folder;
    const std::wstring file = folder.WriteFile(folder.MakeDeepFolder(200) + L"\\sample file.bin",
                                               ReadWholeFile(L"e2e\\sample.bin"));
    vrok::user::dpi::DeclareAwareness();
    COpenedWindow started(FullPath(L"..\\vestigon"), &file);
    OMyWindow& my = started.My();
    ASSERT_EQ(144, my.GetDpi());
    RECT outer = {};
    GetWindowRect(my.GetHandle(), &outer);
    ExpectRect({15, 15, 15 + 630, 15 + 450}, outer, 4);
    ExpectRect({3, 150, 603, 330}, ChildRect(my.GetDropPanel()->GetHandle()), 0);
    ExpectRect({75, 45, 525, 75}, ChildRect(started.Input()), 0);
    HWND digest = my.GetDropPanel()->GetDigestField()->GetHandle();
    EXPECT_TRUE(PumpUntil([&] { return WindowText(digest) == ReferenceDigestOf(L"e2e\\md5sums.txt", L"sample.bin"); }));
    EXPECT_EQ(21, InputFontHeight(started));
    EXPECT_EQ(21, my.GetNotifyWindow()->GetFont().lfHeight);

    // The path line: compacted in its folders to the strip's room, the file name whole at its end.
    const std::wstring said = WindowText(my.GetNotifyWindow()->GetHandle());
    EXPECT_EQ(L"\\sample file.bin", said.substr(said.size() - std::min<size_t>(16, said.size())));
    EXPECT_NE(std::wstring::npos, said.find(L"..."));
    EXPECT_LE(PathLineWidth(started), my.GetNotifyWindow()->GetLineWidth());
    EXPECT_GT(PathLineWidth(started), my.GetNotifyWindow()->GetLineWidth() * 3 / 4) << "the room is used";

    // The shield drawn at 1.5x: 45 pixels from (15, 15), much of it beyond the 30 of the 1x one.
    SetWindowTextW(started.Input(), ReferenceDigestOf(L"e2e\\md5sums.txt", L"sample.bin").c_str());
    SendMessageW(my.GetHandle(), WM_COMPARE_REQUEST, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return CountPixels(my.GetNotifyWindow()->GetHandle(), {45, 15, 60, 60}, IsGreen) > 80; }));

    // Moved to a monitor of 192 DPI: the suggested rectangle, and everything at twice its size,
    // the open About window and the panel's title too.
    const int titleInk = TitleInk(my.GetDropPanel()->GetHandle(), 144);
    SendMessageW(my.GetHandle(), WM_COMMAND, 205, 0);
    RECT suggested = {40, 30, 40 + 840, 30 + 600};
    SendMessageW(my.GetHandle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(my.GetHandle(), &outer);
    ExpectRect(suggested, outer, 0);
    ExpectRect({4, 200, 804, 440}, ChildRect(my.GetDropPanel()->GetHandle()), 0);
    ExpectRect({100, 60, 700, 100}, ChildRect(started.Input()), 0);
    EXPECT_EQ(28, InputFontHeight(started));
    EXPECT_EQ(28, my.GetNotifyWindow()->GetFont().lfHeight);
    EXPECT_GT(TitleInk(my.GetDropPanel()->GetHandle(), 192), titleInk * 3 / 2);
    ASSERT_NE(nullptr, my.GetAboutWindow());
    RECT about = {};
    GetWindowRect(my.GetAboutWindow()->GetHandle(), &about);
    EXPECT_GE(about.right - about.left, 600);
    EXPECT_EQ(400, about.bottom - about.top);
    for (int width : {840, 500}) {  // then made narrower: compacted again for the room left
        SetWindowPos(my.GetHandle(), nullptr, 0, 0, width, 600, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_NE(std::wstring::npos, std::wstring(my.GetNotifyWindow()->GetMessageText()).find(L"\\sample file.bin\n"));
        EXPECT_LE(PathLineWidth(started), my.GetNotifyWindow()->GetLineWidth());
    }
}

// The drawing made for the density where there is one, otherwise the nearest larger one reduced.
TEST(HighDpi, PicturesAreTheDrawingsOfTheDensity)
{
    const struct { int dpi, id, width; } rows[] = {
        {96, 101, 30}, {120, 101, 38}, {144, 101, 45}, {192, 101, 60}, {288, 101, 90},
        {144, CAboutWindow::PictureId, 504}, {192, CAboutWindow::PictureId, 672},
    };
    for (const auto& row : rows) {
        vrok::user::graphics::CBitmap picture;
        ASSERT_TRUE(picture.LoadForDpi(row.id, row.dpi));
        BITMAP record = {};
        GetObjectW(picture.GetHandle(), sizeof(record), &record);
        EXPECT_EQ(row.width, record.bmWidth) << row.dpi << " " << row.id;
    }
}

// The bar keeps clear of its part's sunken edge by 2 pixels at 96 DPI, 3 at 144.
TEST(HighDpi, TheProgressBarsMarginInItsStatusBarPartIsInProportion)
{
    HWND frame = CreateWindowExW(0, L"STATIC", nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 200,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                                     nullptr, nullptr, nullptr);
    const int parts[] = {200, -1};
    SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    CHashingDisplay display;
    display.Attach(frame, statusBar, 1);
    display.Show({1, 2, 10});
    RECT part = {};
    SendMessageW(statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    ExpectRect({part.left + 3, part.top + 3, part.right - 3, part.bottom - 3}, ChildRect(display.GetProgressBar()), 0);
    DestroyWindow(frame);
}

// The list window's lines of text (the current file, the note above the rows) are 18 pixels high
// at 96 DPI and their margins 6: 27 and 9 at 144.
TEST(HighDpi, TheListWindowsLinesOfTextAreInProportion)
{
    vrok::user::dpi::DeclareAwareness();
    CTemporaryFolder folder;
    vrok::user::basewindow::CBaseWindow owner;
    owner.CreateWindowEx(nullptr, 0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr);
    CListWindow window;
    ASSERT_TRUE(window.Open(&owner, folder.WriteFile(L"MD5SUMS", ""), L""));
    window.ShowNote(L"A sentence about the whole list.");
    const RECT label = ChildRect(window.CurrentFileLabel());
    const RECT note = ChildRect(window.NoteLabel());
    EXPECT_EQ(27, label.bottom - label.top);
    EXPECT_EQ(27, note.bottom - note.top);
    EXPECT_EQ(label.bottom + 9, note.top);
    EXPECT_EQ(note.bottom + 9, ChildRect(window.ListView()).top);
}
