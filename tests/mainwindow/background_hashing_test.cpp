// Hashing off the window's thread, in a real window: progress, stop, a second file with a
// comparison asked for before its digest, and a read that fails part-way (the end-to-end tests
// close the program while it hashes).
#include "modal_watcher.h"
#include "opened_window.h"

#include "hashing/file_hasher.h"
#include "settings/shortcuts.h"

#include <commctrl.h>

namespace {

// 4.5 GiB: hashing takes seconds, long enough to watch and to stop. Its full path is taken
// before any test runs: the open dialog may move the working folder.
const std::wstring LargeFile = FullPath(L"large\\sparse.bin");
const wchar_t StopMenu[] = L"[CURRENT_LANGUAGE]\r\n_ini_file=english.ini\r\n[MENU_FILE]\r\nmenu_position=0\r\n"
                           L"menu_type_0=0\r\nmenu_id_0=207\r\n";

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Stand-ins for the file hasher, run on the job's thread: one held until the test lets it go,
// one whose read fails after the first megabyte.
HANDLE g_release = nullptr;

hashing::Outcome HeldHash(const std::wstring& path, const std::vector<hashing::DigestRequest>& requests,
                          hashing::IHashObserver& observer, std::vector<std::string>& digests)
{
    WaitForSingleObject(g_release, 10000);
    return hashing::HashFile(path, requests, observer, digests);
}

hashing::Outcome FailingHalfWay(const std::wstring&, const std::vector<hashing::DigestRequest>&,
                                hashing::IHashObserver& observer, std::vector<std::string>&)
{
    observer.OnProgress(1 << 20, 2 << 20);
    return hashing::Outcome::ReadFailed;
}

}

// Both ways to stop: the File menu's command and Esc with the focus in the reference field.
TEST(BackgroundHashing, ProgressGrowsAndAStopLeavesTheDigestEmpty)
{
    ASSERT_TRUE(vrok::main::CApplication::SetShortcuts(shortcuts::MainWindow, shortcuts::MainWindowCount));
    for (const bool withEscape : { false, true }) {
        SCOPED_TRACE(withEscape ? "Esc" : "command 207");
        CProgramFolder folder;
        folder.WriteFile(L"md5_global.ini", Utf16Profile(StopMenu));
        folder.WriteFile(L"english.ini", Utf16Profile(std::wstring(EnglishIni) + L"[MENU_FILE]\r\nmenu_title=File\r\nmenu_text_0=Stop\r\n"));
        CModalWatcher watcher;
        COpenedWindow opened(folder, &LargeFile, false);
        const HWND bar = opened.My().GetProgressBar();
        const auto barPosition = [&] { return SendMessageW(bar, PBM_GETPOS, 0, 0); };
        const auto stopEnabled = [&] {
            return !(GetMenuState(GetMenu(opened.Handle()), 207, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
        };
        LRESULT first = 0;
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(bar) && (first = barPosition()) > 0; }));
        ASSERT_TRUE(PumpUntil([&] { return barPosition() > first; }));
        const std::wstring strip = opened.StripText();
        EXPECT_NE(std::wstring::npos, strip.find(L"Hashing ")) << Narrow(strip);
        EXPECT_NE(std::wstring::npos, strip.find(L" MB/s ")) << Narrow(strip);
        EXPECT_EQ(strip, WindowText(opened.Strip()));
        EXPECT_TRUE(stopEnabled());

        if (withEscape) {
            MSG key = { opened.Input(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, { 0, 0 } };
            EXPECT_TRUE(vrok::main::CApplication::TranslateShortcut(key));
        } else {
            SendMessageW(opened.Handle(), WM_COMMAND, 207, 0);
        }
        EXPECT_FALSE(opened.My().IsHashing());
        EXPECT_TRUE(opened.My().GetHashJob().WaitForEnd(1000)) << "the thread ends after its buffer";
        PumpMessages(300);
        EXPECT_EQ(L"", WindowText(opened.Digest()));
        EXPECT_FALSE(IsWindowVisible(bar));
        EXPECT_TRUE(EndsWith(opened.StripText(), L"\nStopped.")) << Narrow(opened.StripText());
        EXPECT_FALSE(stopEnabled());
        EXPECT_TRUE(watcher.Boxes().empty());
    }
}

// A small file dropped while a large one is hashed is hashed instead (held until the test lets
// it go), and Compare pressed before its digest is there gives its verdict when it arrives.
TEST(BackgroundHashing, ASecondFileReplacesTheOneBeingHashedAndACompareMeanwhileWaitsForItsDigest)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    CModalWatcher watcher;
    COpenedWindow opened(folder, &LargeFile, false);
    ASSERT_TRUE(opened.My().IsHashing());
    g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    opened.My().GetHashJob().UseHashFunction(&HeldHash);
    SendDrop(opened.Handle(), { abc });
    SetWindowTextW(opened.Input(), AbcDigest.c_str());
    SendMessageW(opened.Handle(), WM_COMPARE_REQUEST, 0, 0);
    PumpMessages(100);
    EXPECT_TRUE(EndsWith(opened.StripText(), L"abc.txt\n")) << "no verdict on an empty digest";
    EXPECT_FALSE(opened.StripHasIcon());
    SetEvent(g_release);
    WaitWhileHashing();
    PumpMessages(300);
    EXPECT_EQ(AbcDigest, WindowText(opened.Digest())) << "nothing of the first file arrives afterwards";
    EXPECT_TRUE(EndsWith(opened.StripText(), L"abc.txt\nEqual.")) << Narrow(opened.StripText());
    EXPECT_EQ(opened.StripText(), WindowText(opened.Strip())) << "others read what the strip shows";
    EXPECT_FALSE(IsWindowVisible(opened.My().GetProgressBar()));
    EXPECT_TRUE(watcher.Boxes().empty());
    CloseHandle(g_release);
}

// The checksum files beside a file are read on the hashing thread, before the digest is posted:
// one gone by the time the window takes the digest has still given its reference.
TEST(BackgroundHashing, TheChecksumFileBesideIsReadBeforeTheDigestReachesTheWindow)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    const std::wstring sums = folder.WriteFile(L"abc.txt.md5", Narrow(AbcDigest) + "  abc.txt\n");
    COpenedWindow opened(folder);
    opened.My().ShowChosenFile(abc.c_str());
    ASSERT_TRUE(opened.My().GetHashJob().WaitForEnd(5000));
    ASSERT_TRUE(DeleteFileW(sums.c_str()));
    WaitWhileHashing();
    EXPECT_EQ(AbcDigest, WindowText(opened.Input()));
    EXPECT_NE(std::wstring::npos, opened.StripText().find(L"\nEqual.")) << Narrow(opened.StripText());
}

TEST(BackgroundHashing, AReadFailingPartWayIsToldInTheOpenFailedBox)
{
    CProgramFolder folder;
    const std::wstring abc = folder.WriteFile(L"abc.txt", "abc");
    COpenedWindow opened(folder, &abc);
    CModalWatcher watcher;
    opened.My().GetHashJob().UseHashFunction(&FailingHalfWay);
    DropFiles(opened.Handle(), { abc });
    ASSERT_TRUE(watcher.PumpUntil(1));
    EXPECT_EQ(L"Open file " + abc + L" failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(L"", WindowText(opened.Digest()));
    EXPECT_FALSE(IsWindowVisible(opened.My().GetProgressBar()));
}
