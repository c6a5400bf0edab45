// The main window in this process, on profile files of the test's own: what it shows at start,
// every verdict of a comparison, drops, the open dialog, the clipboard, clicks and commands.
#include "modal_watcher.h"
#include "opened_window.h"

#include "window/about_window.h"

#include <commctrl.h>

namespace {

// The times the strip is shown (slides in) while the action runs.
HWND g_strip = nullptr;
int g_stripShows = 0;

LRESULT CALLBACK CountStripShows(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == g_strip && message->message == WM_SHOWWINDOW && message->wParam)
        ++g_stripShows;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

template <typename Action>
int StripShows(const COpenedWindow& opened, Action action)
{
    g_strip = opened.Strip();
    g_stripShows = 0;
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountStripShows, nullptr, GetCurrentThreadId());
    action();
    PumpMessages(100);
    UnhookWindowsHookEx(hook);
    return g_stripShows;
}

}

// Started without a file and with its language file missing, then pasted into and closed.
TEST(MainWindow, WithoutAFileOrLanguageFileItTellsOpensEmptyTakesPastesAndClosesNormally)
{
    CProgramFolder folder(L"missing.ini");
    CModalWatcher watcher;
    COpenedWindow opened(folder);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Cannot open initialization file", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
    EXPECT_TRUE(IsWindowVisible(opened.Handle()));
    EXPECT_EQ(L"file : ", opened.StripText());
    EXPECT_FALSE(opened.StripHasIcon());
    EXPECT_EQ(L"", WindowText(opened.Input()));
    EXPECT_EQ(L"", WindowText(opened.Digest()));
    EXPECT_EQ(opened.Input(), GetFocus());
    const HWND bar = opened.My().GetStatusBar()->GetHandle();
    EXPECT_EQ(L"md5", WindowText(bar)) << "the status bar's first part";
    RECT client = {};
    GetClientRect(opened.Handle(), &client);
    EXPECT_EQ(client.bottom, ChildRect(bar).bottom);

    // Lower case: the field lowers what it receives.
    const std::wstring text = L"  \u03b1\u03b2\u03b3 \u65e5\u672c\u8a9e 900150983cd24fb0 \u00e9t\u00e9\t";
    ASSERT_TRUE(SetClipboardText(&text));
    opened.Command(204);
    EXPECT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(text, WindowText(opened.Input()));

    ASSERT_TRUE(SetClipboardText(nullptr));
    opened.Command(204);
    ASSERT_EQ(2u, watcher.Boxes().size());
    EXPECT_EQ(L"No data to paste", watcher.Boxes()[1].text);
    EXPECT_EQ(text, WindowText(opened.Input()));

    const std::wstring megabytes = std::wstring(3 << 20, L'a') + L"z";
    ASSERT_TRUE(SetClipboardText(&megabytes));
    opened.Command(204);
    EXPECT_EQ(megabytes, WindowText(opened.Input()));
    EXPECT_EQ(0, opened.Close());
}

// Started on a file deep enough for its path to be shortened, then every verdict in turn.
TEST(MainWindow, WithAFileTheDigestIsShownAndEveryComparisonGivesItsSentenceAndIcon)
{
    CProgramFolder folder;
    const std::wstring deep = std::wstring(120, L'd');
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(deep).c_str(), nullptr));
    const std::wstring file = folder.WriteFile(deep + L"\\abc.txt", "abc");
    CModalWatcher watcher;
    COpenedWindow opened(folder, &file);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(AbcDigest, WindowText(opened.Digest()));
    EXPECT_FALSE(opened.StripHasIcon());
    const std::wstring start = opened.StripText();
    ASSERT_EQ(L"file : ", start.substr(0, 7));
    EXPECT_EQ(L"\\abc.txt\n", start.substr(start.size() - 9)) << "the path line ends the caption";
    EXPECT_NE(std::wstring::npos, start.find(L"...")) << "the long path is compacted";

    const struct
    {
        const char* name;
        std::wstring reference;
        const wchar_t* sentence;
        bool (*hasColour)(COLORREF);
    } rows[] = {
        {"empty", L"", L"Nothing to compare.", IsOrange},
        {"equal", AbcDigest, L"Equal.", IsGreen},
        {"31 characters", AbcDigest.substr(0, 31), L"Too short.", IsOrange},
        {"upper case, lowered by the field", L"900150983CD24FB0D6963F7D28E17F72", L"Equal.", IsGreen},
        {"32 hexadecimal digits, different", MessageDigest, L"Different.", IsRed},
        {"32 characters, not hexadecimal", AbcDigest.substr(0, 31) + L"g", L"Not hexadecimal.", IsOrange},
        {"trailing blank", AbcDigest + L" ", L"Too long.", IsOrange},
    };
    const HWND button = opened.My().GetDropPanel()->GetCompareButton()->GetHandle();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetWindowTextW(opened.Input(), row.reference.c_str());
        EXPECT_EQ(1, StripShows(opened, [&] { SendMessageW(button, BM_CLICK, 0, 0); })) << "the button compares once";
        // Only the latest sentence follows the path line.
        EXPECT_EQ(start + row.sentence, opened.StripText());
        EXPECT_TRUE(opened.StripHasIcon());
        EXPECT_TRUE(row.hasColour(opened.IconColour())) << std::hex << opened.IconColour();
        EXPECT_EQ(AbcDigest, WindowText(opened.Digest()));
    }

    // Enter in the input field compares once too.
    SetWindowTextW(opened.Input(), AbcDigest.c_str());
    SetFocus(opened.Input());
    EXPECT_EQ(1, StripShows(opened, [&] {
        PostMessageW(opened.Input(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageW(opened.Input(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    }));
    EXPECT_EQ(start + L"Equal.", opened.StripText());
    EXPECT_EQ(AbcDigest, WindowText(opened.Input())) << "Enter adds nothing to the field";
}

// A file chosen in the open dialog (its name typed, then Open pressed), then dropped ones.
TEST(MainWindow, AChosenOrDroppedFileIsShownOrTheBoxTellsWhyItCannotBeRead)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    const std::wstring empty = folder.WriteFile(L"empty.txt", "");
    COpenedWindow opened(folder);
    for (const auto& chosen : {std::make_pair(abc, AbcDigest), std::make_pair(empty, EmptyDigest)}) {
        SetWindowTextW(opened.Input(), L"typed earlier");
        CModalWatcher dialog(50, IDCANCEL, [&](HWND shown) {
            TypeFileName(shown, chosen.first);
            PostMessageW(shown, WM_COMMAND, IDOK, 0);
        });
        opened.Command(201);
        EXPECT_EQ(1u, dialog.Boxes().size()) << "the dialog, and no box";
        EXPECT_EQ(chosen.second, WindowText(opened.Digest()));
        EXPECT_EQ(L"", WindowText(opened.Input()));
        EXPECT_NE(std::wstring::npos, opened.StripText().find(chosen.first.substr(folder.Path().size() + 1) + L"\n"));
    }

    // The first file of a drop is shown; an empty file is hashed like any other.
    CModalWatcher watcher;
    DropFiles(opened.Handle(), {empty});
    EXPECT_EQ(EmptyDigest, WindowText(opened.Digest()));
    SetWindowTextW(opened.Input(), L"typed earlier");
    DropFiles(opened.Handle(), {folder.WriteFile(L"message.txt", "message digest"), abc, folder.WriteFile(L"third.txt", "a")});
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(MessageDigest, WindowText(opened.Digest()));
    EXPECT_EQ(L"", WindowText(opened.Input()));
    EXPECT_NE(std::wstring::npos, opened.StripText().find(L"message.txt\n"));

    // A file held open by another without sharing cannot be read.
    const std::wstring locked = folder.WriteFile(L"locked.txt", "locked");
    CHeldFile holder(locked);
    SetWindowTextW(opened.Input(), L"typed earlier");
    DropFiles(opened.Handle(), {locked});
    holder.LetGo();
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Open file " + locked + L" failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(L"", WindowText(opened.Digest()));
    EXPECT_EQ(L"", WindowText(opened.Input()));
    EXPECT_NE(std::wstring::npos, opened.StripText().find(L"locked.txt\n"));

    // A path longer than MAX_PATH, in Greek and Japanese, is shortened inside the caption.
    std::wstring path = folder.Path();
    while (path.size() <= 300)
        path += L"\\\u0391\u03c1\u03c7\u03b5\u03af\u03b1-\u65e5\u672c\u8a9e";
    DropFiles(opened.Handle(), {path + L"\\\u03c4\u03ad\u03bb\u03bf\u03c2.txt"});
    EXPECT_EQ(2u, watcher.Boxes().size()) << "no such file";
    const std::wstring caption = opened.StripText();
    EXPECT_LE(caption.size(), 359u);
    EXPECT_EQ(L"file : ", caption.substr(0, 7));
    EXPECT_NE(std::wstring::npos, caption.find(L"..."));
    EXPECT_EQ(L"\\\u03c4\u03ad\u03bb\u03bf\u03c2.txt\n", caption.substr(caption.size() - 11));
}

// What keeps a dropped file from being read is told in the error box with its path; a path too
// long for the box (511 characters) keeps its start and its file name, its middle left out.
TEST(MainWindow, AFileThatCannotBeReadIsToldInTheOpenFailedBoxWithItsPath)
{
    CProgramFolder folder;
    const std::wstring busy = folder.WriteFile(L"busy.bin", "being written");
    const struct { std::wstring path; DWORD heldAccess, heldShare; } rows[] = {
        { folder.Path(), 0, 0 },
        { busy, GENERIC_WRITE, 0 },
        { busy, GENERIC_WRITE, FILE_SHARE_READ },  // a writer letting others read still keeps it
        { folder.PathOf(L"\x0444\x0430\x0439\x043B-\x6587\x4EF6.bin"), 0, 0 },
        { L"C:\\" + std::wstring(489, L'p'), 0, 0 },  // 11 + 492 + 9: the longest text a box shows
    };
    COpenedWindow opened(folder);
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.path));
        CHeldFile held(row.path, row.heldAccess, row.heldShare);
        ASSERT_EQ(row.heldAccess != 0, held.IsHeld());
        CModalWatcher watcher;
        DropFiles(opened.Handle(), {row.path});
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
        EXPECT_EQ(L"Open file " + row.path + L" failed !", watcher.Boxes()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), watcher.Boxes()[0].icon);
    }
    for (size_t length : { 493u, 600u, 2000u, 32000u }) {
        SCOPED_TRACE(length);
        CModalWatcher watcher;
        DropFiles(opened.Handle(), {L"C:\\" + std::wstring(length - 12, L'q') + L"\\name.bin"});
        ASSERT_EQ(1u, watcher.Boxes().size());
        const std::wstring& text = watcher.Boxes()[0].text;
        EXPECT_EQ(511u, text.size());
        EXPECT_EQ(L"Open file C:\\qqq", text.substr(0, 16));
        EXPECT_EQ(L"q\\name.bin failed !", text.substr(text.size() - 19));
        EXPECT_NE(std::wstring::npos, text.find(L"q...q"));
    }
}

TEST(MainWindow, InertCommandsDoNothingAClickReplaysTheStripAndAboutOpensOnce)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    COpenedWindow opened(folder, &abc);
    CModalWatcher watcher;
    SetWindowTextW(opened.Input(), L"kept");
    SendMessageW(opened.Handle(), WM_COMPARE_REQUEST, 0, 0);
    const std::wstring caption = opened.StripText();
    const std::string globalIni = ReadWholeFile(folder.PathOf(L"md5_global.ini"));
    SendMessageW(opened.Handle(), WM_COMMAND, 203, 0);
    for (WPARAM id = 101; id <= 200; ++id)
        SendMessageW(opened.Handle(), WM_COMMAND, id, 0);
    PumpMessages(100);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(nullptr, opened.My().GetAboutWindow());
    EXPECT_EQ(caption, opened.StripText());
    EXPECT_EQ(L"kept", WindowText(opened.Input()));
    EXPECT_EQ(AbcDigest, WindowText(opened.Digest()));
    EXPECT_EQ(globalIni, ReadWholeFile(folder.PathOf(L"md5_global.ini")));

    EXPECT_EQ(1, StripShows(opened, [&] { SendMessageW(opened.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 240)); }));
    EXPECT_EQ(caption, opened.StripText());
    EXPECT_TRUE(opened.StripHasIcon());

    opened.Command(205);
    const auto* about = opened.My().GetAboutWindow();
    ASSERT_NE(nullptr, about);
    const HWND aboutWindow = about->GetHandle();
    opened.Command(205);
    EXPECT_EQ(about, opened.My().GetAboutWindow()) << "the open one is brought forward";
    EXPECT_EQ(aboutWindow, about->GetHandle());
    EXPECT_TRUE(IsWindowVisible(aboutWindow));
}

// The open dialog and the boxes are owned by the main window, which takes no input meanwhile;
// commands posted to it open nothing more, the open dialog cancelled (or the box of an empty
// clipboard) changes nothing, and a file given while an error box shows is the one left on
// screen when the box closes.
TEST(MainWindow, WhileADialogOrBoxShowsTheWindowIsBlockedACancelChangesNothingAndTheLastFileGivenStays)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    COpenedWindow opened(folder, &abc);
    SetWindowTextW(opened.Input(), L"kept");
    const std::wstring caption = opened.StripText();
    ASSERT_TRUE(SetClipboardText(nullptr));
    const auto blockedAndInert = [&](HWND modal) {
        EXPECT_EQ(opened.Handle(), GetWindow(modal, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(opened.Handle()));
        for (WPARAM command : {201, 204})
            SendMessageW(opened.Handle(), WM_COMMAND, command, 0);
    };
    for (WPARAM command : {201, 204}) {
        SCOPED_TRACE(command);
        CModalWatcher watcher(50, IDCANCEL, blockedAndInert);
        opened.Command(command);
        EXPECT_EQ(1u, watcher.Boxes().size()) << "one modal and no other";
        EXPECT_EQ(caption, opened.StripText());
        EXPECT_EQ(L"kept", WindowText(opened.Input()));
        EXPECT_EQ(AbcDigest, WindowText(opened.Digest()));
    }

    const std::wstring missing = folder.PathOf(L"missing.txt");
    CModalWatcher watcher(50, 0, [&](HWND box) {
        blockedAndInert(box);
        DropFiles(opened.Handle(), {abc});
    });
    DropFiles(opened.Handle(), {missing});
    PumpMessages(100);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Open file " + missing + L" failed !", watcher.Boxes()[0].text);
    EXPECT_TRUE(IsWindowEnabled(opened.Handle()));
    EXPECT_EQ(AbcDigest, WindowText(opened.Digest()));
    EXPECT_NE(std::wstring::npos, opened.StripText().find(L"abc.txt\n"));
}
