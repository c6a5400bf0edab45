// The list window on lists written to disk: what its rows, summary, shield and copied results
// show, stopping and closing during a run, and a list of 10,000 files.
#include "modal_watcher.h"
#include "test_files.h"
#include "window_testing.h"

#include "lists/list_window.h"
#include "settings/command_ids.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>

using namespace testsupport;

namespace {

// RFC 1321's examples.
const std::string AbcDigest = "900150983cd24fb0d6963f7d28e17f72";
const std::string MessageDigest = "f96b697d7cb7938d525a2f31aaf161d0";

// The shipped English words, so the texts asserted are the ones the user reads.
const std::wstring EnglishFile = FullPath(L"..\\vestigon\\english.ini");

// A list window owned by a plain top-level window, as the main window owns it.
struct CCheckedList
{
    CCheckedList() { owner.CreateWindowEx(nullptr, 0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr); }
    vrok::user::basewindow::CBaseWindow owner;
    std::unique_ptr<CListWindow> window = std::unique_ptr<CListWindow>(new CListWindow());

    bool Open(const std::wstring& listPath) { return window->Open(&owner, listPath, EnglishFile.c_str()); }
    bool WaitForEnd(DWORD timeoutMs = 20000)
    {
        return PumpUntil([this] { return window->HasEnded(); }, timeoutMs);
    }
    std::wstring Summary() const { return WindowText(window->StatusBar()); }
    // What "Copy results" puts on the clipboard.
    std::wstring Copied() const
    {
        SendMessageW(window->GetHandle(), WM_COMMAND, commands::CopyResults, 0);
        return ClipboardText();
    }
    // How many pixels of the summary's icon, at the left of the status bar, have the colour.
    int ShieldPixels(bool (*isColour)(COLORREF)) const
    {
        UpdateWindow(window->StatusBar());
        return CountPixels(window->StatusBar(), {0, 0, 24, 20}, isColour);
    }
};

std::wstring CellText(HWND view, int row, int column)
{
    wchar_t text[128] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(view, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::wstring> ColumnTexts(HWND view, int column)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < SendMessageW(view, LVM_GETITEMCOUNT, 0, 0); ++row)
        texts.push_back(CellText(view, row, column));
    return texts;
}

std::wstring WithCrlf(const std::string& lines)
{
    std::wstring text;
    for (char c : lines)
        text += c == '\n' ? std::wstring(L"\r\n") : std::wstring(1, static_cast<wchar_t>(c));
    return text;
}

}

TEST(ListWindow, EachListGivesTheResultsMd5sumPrintsAndTheSummaryCountsThem)
{
    const std::wstring unicodeName = L"donn\u00e9es_\u0444\u0430\u0439\u043b.txt";
    const std::string unicodeUtf8 = "donn\xC3\xA9" "es_\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB.txt";
    const struct
    {
        const char* label;
        std::string list;           // the list's bytes, UTF-8 unless it begins with a UTF-16 mark
        std::wstring copied;
        std::wstring summary;
        bool (*shade)(COLORREF);
    } cases[] = {
        {"text and binary mode, folder parts with / and \\, ./, capital hex",
         AbcDigest + "  ./a.txt\n" + MessageDigest + " *sub/b.txt\nF96B697D7CB7938D525A2F31AAF161D0  sub\\b.txt\n",
         L"./a.txt: OK\r\nsub/b.txt: OK\r\nsub\\b.txt: OK\r\n", L"3 OK", IsGreen},
        {"an escaped name with a backslash", "\\" + AbcDigest + "  sub\\\\a.txt\n", L"sub\\a.txt: OK\r\n", L"1 OK",
         IsGreen},
        {"a Unicode name in a BSD line, CRLF, a junk line",
         "MD5 (" + unicodeUtf8 + ") = " + AbcDigest + "\r\nnot a checksum line\r\n", unicodeName + L": OK\r\n",
         L"1 OK, 1 other lines skipped", IsGreen},
        {"UTF-16 with its mark", Utf16Profile(Widen(AbcDigest) + L"  " + unicodeName + L"\r\n"),
         unicodeName + L": OK\r\n", L"1 OK", IsGreen},
        {"differs, missing, unreadable (a folder, a locked file)",
         MessageDigest + "  a.txt\n" + AbcDigest + "  gone.txt\n" + AbcDigest + "  sub\n" + AbcDigest + "  locked.txt\n",
         L"a.txt: FAILED\r\ngone.txt: FAILED open or read\r\nsub: FAILED open or read\r\nlocked.txt: FAILED open or read\r\n",
         L"1 differs, 1 missing, 2 unreadable", IsRed},
        {"missing only", AbcDigest + "  a.txt\n" + AbcDigest + "  nowhere/x.txt\n",
         L"a.txt: OK\r\nnowhere/x.txt: FAILED open or read\r\n", L"1 OK, 1 missing", IsOrange},
        {"no checksum line at all", "hello\n", L"", L"No checksum lines in this list, 1 other lines skipped",
         IsOrange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CTemporaryFolder folder;
        folder.WriteFile(L"a.txt", "abc");
        CreateDirectoryW(folder.PathOf(L"sub").c_str(), nullptr);
        folder.WriteFile(L"sub\\a.txt", "abc");
        folder.WriteFile(L"sub\\b.txt", "message digest");
        folder.WriteFile(unicodeName, "abc");
        const CHeldFile held(folder.WriteFile(L"locked.txt", "abc"));
        CCheckedList checked;
        ASSERT_TRUE(checked.Open(folder.WriteFile(L"MD5SUMS", c.list)));
        EXPECT_TRUE(checked.WaitForEnd());
        EXPECT_EQ(c.copied, checked.Copied());
        EXPECT_EQ(c.summary, checked.Summary());
        EXPECT_GT(checked.ShieldPixels(c.shade), 10);
    }
}

// The line above the rows shows only while it has a text: between the current file and the
// rows, which make room for it and take that room back when it goes.
TEST(ListWindow, TheNoteLineShowsBetweenTheCurrentFileAndTheRowsOnlyWhileItHasAText)
{
    CTemporaryFolder folder;
    folder.WriteFile(L"a.txt", "abc");
    CCheckedList checked;
    ASSERT_TRUE(checked.Open(folder.WriteFile(L"MD5SUMS", AbcDigest + "  a.txt\n")));
    ASSERT_TRUE(checked.WaitForEnd());
    const HWND note = checked.window->NoteLabel();
    const RECT rowsAlone = ChildRect(checked.window->ListView());
    EXPECT_FALSE(IsWindowVisible(note));
    checked.window->ShowNote(L"A sentence about the whole list.");
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_EQ(L"A sentence about the whole list.", WindowText(note));
    const RECT label = ChildRect(checked.window->CurrentFileLabel());
    const RECT line = ChildRect(note);
    const RECT rows = ChildRect(checked.window->ListView());
    EXPECT_EQ(label.bottom - label.top, line.bottom - line.top);
    EXPECT_EQ(line.top - label.bottom, rows.top - line.bottom) << "the same margin above and below";
    EXPECT_EQ(rowsAlone.top + (line.bottom - label.bottom), rows.top);
    EXPECT_EQ(rowsAlone.bottom, rows.bottom);
    checked.window->ShowNote(L"");
    EXPECT_FALSE(IsWindowVisible(note));
    EXPECT_EQ(rowsAlone.top, ChildRect(checked.window->ListView()).top);
}

TEST(ListWindow, AReleaseFolderGivesWhatCoreutilsPrintsLineForLine)
{
    for (const wchar_t* list : {L"SHA256SUMS", L"MD5SUMS"}) {
        SCOPED_TRACE(Narrow(list));
        CCheckedList checked;
        ASSERT_TRUE(checked.Open(FullPath(L"lists\\release\\") + list));
        ASSERT_TRUE(checked.WaitForEnd());
        EXPECT_EQ(6, SendMessageW(checked.window->ListView(), LVM_GETITEMCOUNT, 0, 0));
        const wchar_t* printed = list[0] == L'S' ? L"lists\\release\\sha256sum-c.txt" : L"lists\\release\\md5sum-c.txt";
        EXPECT_EQ(WithCrlf(ReadWholeFile(FullPath(printed))), checked.Copied());
        EXPECT_EQ(L"4 OK, 1 differs, 1 missing, 1 other lines skipped", checked.Summary());
    }
    CCheckedList checked;
    ASSERT_TRUE(checked.Open(FullPath(L"lists\\release\\MD5SUMS")));
    ASSERT_TRUE(checked.WaitForEnd());

    // The row of the wrong digest, the first that is not OK, is selected; it shows its result word
    // and its size as Explorer shows sizes.
    const HWND view = checked.window->ListView();
    EXPECT_EQ(2, SendMessageW(view, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    wchar_t explorerSize[64] = {};
    StrFormatByteSizeW(3000, explorerSize, 64);
    EXPECT_EQ(L"differs", CellText(view, 2, 1));
    EXPECT_EQ(explorerSize, CellText(view, 2, 3));

    // Each column is wide enough for its header; the name column takes what a wider window gains.
    SetWindowPos(checked.window->GetHandle(), nullptr, 0, 0, 1100, 500, SWP_NOMOVE | SWP_NOZORDER);
    RECT client = {};
    GetClientRect(view, &client);
    LRESULT widths = 0;
    for (int column = 0; column < 4; ++column) {
        wchar_t title[64] = {};
        LVCOLUMNW description = {};
        description.mask = LVCF_TEXT;
        description.pszText = title;
        description.cchTextMax = 64;
        SendMessageW(view, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
        EXPECT_GT(SendMessageW(view, LVM_GETCOLUMNWIDTH, column, 0), SendMessageW(view, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title)));
        widths += SendMessageW(view, LVM_GETCOLUMNWIDTH, column, 0);
    }
    EXPECT_EQ(client.right, widths);

    // A click on the result header brings the failures together, a second one puts them first.
    const auto clickHeader = [&](int column) {
        NMLISTVIEW click = {};
        click.hdr = {view, 0, static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iSubItem = column;
        SendMessageW(checked.window->GetHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    };
    clickHeader(1);
    EXPECT_EQ((std::vector<std::wstring>{L"OK", L"OK", L"OK", L"OK", L"differs", L"missing"}), ColumnTexts(view, 1));
    clickHeader(1);
    EXPECT_EQ((std::vector<std::wstring>{L"missing", L"differs", L"OK", L"OK", L"OK", L"OK"}), ColumnTexts(view, 1));
    EXPECT_EQ(L"gone.bin", CellText(view, 0, 0));
}

// A path too long for the box whole is shortened in its middle.
TEST(ListWindow, AListThatCannotBeReadIsToldAndItsWindowCloses)
{
    CTemporaryFolder folder;
    const std::wstring deep = folder.MakeDeepFolder(600) + L"\\no such list";
    for (const std::wstring& path : {FullPath(L"lists\\release\\no such list"), deep}) {
        CModalWatcher watcher;
        CCheckedList checked;
        EXPECT_TRUE(checked.Open(path));
        ASSERT_TRUE(watcher.PumpUntil(1));
        const std::wstring& told = watcher.Boxes()[0].text;
        EXPECT_EQ(0u, told.find(L"Cannot read the checksum list ")) << Narrow(told);
        EXPECT_EQ(path.substr(path.size() - 20), told.substr(told.size() - 20));
        EXPECT_TRUE(checked.window->IsNull());
    }
}

// A list of 16 MB is read and resolved off the window's thread.
TEST(ListWindow, TheWindowAnswersWhileALongListIsRead)
{
    CTemporaryFolder folder;
    std::string lines;
    LRESULT count = 0;
    for (; lines.size() < 16000000; ++count)
        lines += AbcDigest + "  folder/a file named in a long list " + std::to_string(count) + ".iso\n";
    const std::wstring list = folder.WriteFile(L"long.md5", lines);
    CCheckedList checked;
    DWORD last = GetTickCount(), longest = 0;
    ASSERT_TRUE(checked.Open(list));
    ASSERT_TRUE(PumpUntil([&] {
        longest = std::max(longest, GetTickCount() - last);
        last = GetTickCount();
        return SendMessageW(checked.window->ListView(), LVM_GETITEMCOUNT, 0, 0) == count;
    }, 20000));
    EXPECT_LT(longest, 250u);
    checked.window->StopChecking();
}

// Two files of 1 GiB in the system's cache: the window's thread is never held for more than
// 250 ms while they are read.
TEST(ListWindow, TheWindowAnswersDuringARunAndEscStopsItWithNoResultAfterwards)
{
    CTemporaryFolder folder;
    folder.MakeSparseFile(L"one.bin", 1ll << 30, true);
    folder.MakeSparseFile(L"two.bin", 1ll << 30, true);
    CCheckedList checked;
    ASSERT_TRUE(checked.Open(folder.WriteFile(L"list.md5", AbcDigest + "  one.bin\n" + AbcDigest + "  two.bin\n")));
    const auto position = [&] { return SendMessageW(checked.window->ProgressBar(), PBM_GETPOS, 0, 0); };
    ASSERT_TRUE(PumpUntil([&] { return position() > 0; }, 20000));  // shown (Wine takes its time), and hashing
    DWORD last = GetTickCount(), longest = 0;
    LRESULT previous = position(), rises = 0;
    ASSERT_TRUE(PumpUntil([&] {
        longest = std::max(longest, GetTickCount() - last);
        last = GetTickCount();
        rises += position() > previous;
        previous = position();
        return previous > 600;  // two.bin not at its end, whether hashed beside one.bin or after it
    }, 20000));
    EXPECT_LT(longest, 250u);
    EXPECT_GE(rises, 3) << "progress shows as the file is read, not once it is done";
    EXPECT_EQ(0u, WindowText(checked.window->CurrentFileLabel()).find(L"one.bin"));
    SendMessageW(checked.window->ListView(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(checked.window->HasEnded());
    const std::wstring copied = checked.Copied();
    EXPECT_EQ(0u, std::wstring(L"one.bin: FAILED\r\n").find(copied));  // one.bin done or not (one processor), two.bin not
    EXPECT_EQ(0u, checked.Summary().find(L"Stopped: "));
    PumpMessages(300);
    EXPECT_EQ(copied, checked.Copied());
    EXPECT_EQ(lists::Result::Pending, checked.window->Entries()[1].result);
}

// Esc arriving before the window has taken what the worker handed over: the list's rows come
// first, then the results; a list still being read was checked nowhere.
TEST(ListWindow, AStopBeforeTheWindowHeardOfTheWorkerShowsWhatWasChecked)
{
    std::string longList;
    while (longList.size() < 20000000)
        longList += AbcDigest + "  a file named in a long list " + std::to_string(longList.size()) + ".iso\n";
    const struct
    {
        const char* label;
        std::string list;
        bool workerDone;
        std::wstring summary;
    } cases[] = {
        {"the list and both results waiting", AbcDigest + "  a.txt\n" + AbcDigest + "  b.txt\n", true, L"2 OK"},
        {"the list still being read", longList, false, L"Stopped: 0 OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CTemporaryFolder folder;
        folder.WriteFile(L"a.txt", "abc");
        folder.WriteFile(L"b.txt", "abc");
        CCheckedList checked;
        ASSERT_TRUE(checked.Open(folder.WriteFile(L"MD5SUMS", c.list)));
        ASSERT_EQ(c.workerDone, checked.window->WaitForWorker(c.workerDone ? 10000 : 0));
        SendMessageW(checked.window->ListView(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(checked.window->HasEnded());
        EXPECT_EQ(c.summary, checked.Summary());
        ASSERT_TRUE(checked.window->WaitForWorker(20000));
        PumpMessages(100);
        EXPECT_EQ(c.summary, checked.Summary()) << "nothing arrives after the stop";
    }
}

TEST(ListWindow, ClosingDuringARunEndsTheWorkerAndLetsTheFilesGo)
{
    for (const bool closeOwner : {false, true}) {
        SCOPED_TRACE(closeOwner ? "the owner closed" : "the list window closed");
        CTemporaryFolder folder;
        const std::wstring large = folder.MakeSparseFile(L"large.bin", 1ll << 30);
        CCheckedList checked;
        ASSERT_TRUE(checked.Open(folder.WriteFile(L"list.md5", AbcDigest + "  large.bin\n")));
        ASSERT_TRUE(PumpUntil([&] { return WindowText(checked.window->CurrentFileLabel()) == L"large.bin"; }));
        if (closeOwner)
            checked.owner.Close();
        else
            SendMessageW(checked.window->GetHandle(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(checked.window->IsNull());
        EXPECT_TRUE(DeleteFileW(large.c_str()));
    }
}

TEST(ListWindow, TenThousandFilesAreListedAtOnceAndAllChecked)
{
    CCheckedList checked;
    ASSERT_TRUE(checked.Open(FullPath(L"lists\\many\\MD5SUMS")));
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(checked.window->ListView(), LVM_GETITEMCOUNT, 0, 0) == 10000; }));
    ASSERT_TRUE(checked.WaitForEnd(120000));
    const std::wstring copied = checked.Copied();
    size_t lines = 0;
    size_t ok = 0;
    for (size_t at = 0; (at = copied.find(L"\r\n", at)) != std::wstring::npos; at += 2, ++lines)
        ok += copied.compare(at - 4, 4, L": OK") == 0;
    EXPECT_EQ(10000u, lines);
    EXPECT_EQ(10000u, ok);
    EXPECT_EQ(0u, copied.find(L"files/f0.txt: OK\r\nfiles/f1.txt: OK\r\nfiles/f10.txt: OK\r\n"));
    EXPECT_EQ(L"10000 OK", checked.Summary());
}
