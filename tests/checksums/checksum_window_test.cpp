// The main window with the shipped English texts: references found beside the file, the
// checksum line copied and saved, the look-up switch, digests of other lengths and the keys.
#include "modal_watcher.h"
#include "opened_window.h"

#include "settings/shortcuts.h"

#include <algorithm>
#include <random>
#include <utility>

namespace {

const std::string Other = "0123456789abcdef0123456789abcdef";

std::string RandomBytes(size_t count)
{
    std::string bytes(count, '\0');
    std::generate(bytes.begin(), bytes.end(), std::mt19937(7));
    return bytes;
}

bool NoShield(COLORREF c) { return !IsGreen(c) && !IsOrange(c) && !IsRed(c); }

// A program folder whose md5_global.ini and english.ini are the shipped ones, and a download
// folder holding x.iso ("abc").
struct CFolders : CProgramFolder
{
    CFolders()
    {
        for (const wchar_t* name : {L"md5_global.ini", L"english.ini"})
            CopyFileW((L"..\\vestigon\\" + std::wstring(name)).c_str(), PathOf(name).c_str(), FALSE);
        file = downloads.WriteFile(L"x.iso", "abc");
    }
    CTemporaryFolder downloads;
    std::wstring file;
};

// The state of a menu entry once the menu is about to open, as the user would see it.
UINT MenuState(const COpenedWindow& run, UINT id)
{
    SendMessageW(run.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetMenu(run.Handle())), 0);
    return GetMenuState(GetMenu(run.Handle()), id, MF_BYCOMMAND);
}

}

TEST(ChecksumWindow, AReferenceBesideTheFileIsFilledInComparedAndNamedOrLeftAlone)
{
    const struct
    {
        const char* what;
        std::vector<std::pair<std::wstring, std::string>> files;
        std::wstring expected;
        bool (*colour)(COLORREF);
        std::vector<std::wstring> named;
    } rows[] = {
        {"the digest, in x.iso.md5", {{L"x.iso.md5", Narrow(AbcDigest) + "  x.iso\n"}}, AbcDigest, IsGreen, {L"x.iso.md5"}},
        {"a wrong digest", {{L"x.iso.md5", Other + "  x.iso\n"}}, Widen(Other), IsRed, {L"x.iso.md5"}},
        {"two that disagree", {{L"x.iso.md5", Other + "  x.iso\n"}, {L"MD5SUMS", Narrow(AbcDigest) + "  x.iso\n"}}, L"",
         IsOrange, {L"x.iso.md5", L"MD5SUMS"}},
        {"2 MiB of random bytes", {{L"x.iso.md5", RandomBytes(2 << 20)}}, L"", NoShield, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CFolders folders;
        for (const auto& file : row.files)
            folders.downloads.WriteFile(file.first, file.second);
        CModalWatcher watcher;
        COpenedWindow run(folders, &folders.file);
        EXPECT_EQ(row.expected, WindowText(run.Input()));
        EXPECT_TRUE(row.colour(run.IconColour()));
        for (const std::wstring& name : row.named)
            EXPECT_NE(std::wstring::npos, run.StripText().find(name)) << Narrow(run.StripText());
        // A verdict and the checksum file's name are longer than a line: the sentence goes on below
        // the verdict line instead of past the strip's right edge, so dark text pixels show in the
        // band of a third line (the strip was painted for the icon's colour).
        EXPECT_TRUE(row.expected.empty() ||
                    CountPixels(run.Strip(), {48, 48, 240, 62}, [](COLORREF c) { return NearColour(c, RGB(0, 0, 0), 90); }) > 0);
        EXPECT_TRUE(watcher.Boxes().empty());
    }
}

// A checksum list given as the file is hashed all the same (md5sum printed this digest for its
// bytes), and the strip points to checking it.
TEST(ChecksumWindow, AChecksumListIsHashedAsAFileAndTheStripPointsToCheckingIt)
{
    CFolders folders;
    const std::wstring list = folders.downloads.WriteFile(L"MD5SUMS", Narrow(AbcDigest) + "  x.iso\n");
    COpenedWindow run(folders, &list);
    EXPECT_EQ(L"7eecedeb78c3508da5d73fb43dca2d97", WindowText(run.Digest()));
    EXPECT_NE(std::wstring::npos, run.StripText().find(L"\nChecksum list: use File > Check a checksum list"))
        << Narrow(run.StripText());
}

// Switched off and on again, each time before a restart; then, on, a reference the window filled
// in goes when the next file has none, and a typed one stays.
TEST(ChecksumWindow, TheLookUpSwitchIsRememberedAndTheLookUpReplacesOnlyWhatItFilledIn)
{
    CFolders folders;
    folders.downloads.WriteFile(L"x.iso.md5", Narrow(AbcDigest) + "  x.iso\n");
    {
        COpenedWindow run(folders);
        EXPECT_TRUE(MenuState(run, 210) & MF_CHECKED) << "on without an [OPTIONS] section";
        run.Command(210);
        EXPECT_FALSE(MenuState(run, 210) & MF_CHECKED);
    }
    {
        COpenedWindow restarted(folders, &folders.file);
        EXPECT_FALSE(MenuState(restarted, 210) & MF_CHECKED);
        EXPECT_EQ(L"", WindowText(restarted.Input())) << "switched off: nothing is looked up";
        restarted.Command(210);
    }
    COpenedWindow again(folders, &folders.file);
    EXPECT_TRUE(MenuState(again, 210) & MF_CHECKED);
    EXPECT_EQ(AbcDigest, WindowText(again.Input()));
    again.My().ShowChosenFile(folders.downloads.WriteFile(L"bare.bin", "abc").c_str());
    WaitWhileHashing();
    EXPECT_EQ(L"", WindowText(again.Input()));
    SetWindowTextW(again.Input(), L"typed");
    again.My().ShowChosenFile(folders.file.c_str());
    WaitWhileHashing();
    EXPECT_EQ(L"typed", WindowText(again.Input()));
}

TEST(ChecksumWindow, SavingWritesTheLineAndAsksBeforeReplacingOtherContent)
{
    const std::string line = Narrow(AbcDigest) + "  x.iso\r\n";
    const struct
    {
        const char* what;
        const char* before;  // null: no file
        DWORD attributes;  // of the file before; held open without sharing when 0
        int answer;
        std::string after;
        std::vector<UINT> boxes;
    } rows[] = {
        {"no file yet", nullptr, FILE_ATTRIBUTE_NORMAL, 0, line, {}},
        {"the same line", "", FILE_ATTRIBUTE_NORMAL, 0, line, {}},
        {"other content, kept", "old\n", FILE_ATTRIBUTE_NORMAL, IDNO, "old\n", {MB_ICONQUESTION}},
        {"other content, replaced", "old\n", FILE_ATTRIBUTE_NORMAL, IDYES, line, {MB_ICONQUESTION}},
        {"a read-only file", "old\n", FILE_ATTRIBUTE_READONLY, IDYES, "old\n", {MB_ICONQUESTION, MB_ICONERROR}},
        {"a file held open", "old\n", 0, IDYES, "old\n", {MB_ICONQUESTION, MB_ICONERROR}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CFolders folders;
        const std::wstring target = folders.downloads.PathOf(L"x.iso.md5");
        if (row.before != nullptr)
            folders.downloads.WriteFile(L"x.iso.md5", *row.before ? row.before : line);
        SetFileAttributesW(target.c_str(), row.attributes);
        CHeldFile held(target, row.attributes == 0 ? GENERIC_READ : 0);
        CModalWatcher watcher(50, row.answer);
        COpenedWindow run(folders, &folders.file);
        run.Command(209);
        held.LetGo();
        EXPECT_EQ(row.after, ReadWholeFile(target));
        ASSERT_EQ(row.boxes.size(), watcher.Boxes().size());
        for (size_t box = 0; box < row.boxes.size(); ++box) {
            EXPECT_EQ(row.boxes[box], watcher.Boxes()[box].icon);
            EXPECT_NE(std::wstring::npos, watcher.Boxes()[box].text.find(L"x.iso.md5"));
        }
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(folders.downloads.PathOf(L"*.tmp").c_str(), &entry);
        EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "no temporary file is left behind";
        FindClose(search);
        SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(ChecksumWindow, AReferenceOfAnotherDigestsLengthIsNamed)
{
    const struct
    {
        size_t digits;
        const wchar_t* named;
    } rows[] = {{40, L"SHA-1"}, {56, L"SHA-224"}, {64, L"SHA-256"}, {96, L"SHA-384"}, {128, L"SHA-512"}, {63, nullptr}};
    CFolders folders;
    COpenedWindow run(folders, &folders.file);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.digits);
        SetWindowTextW(run.Input(), std::wstring(row.digits, L'A').c_str());
        PostMessageW(run.Handle(), WM_COMPARE_REQUEST, 0, 0);
        PumpMessages();
        EXPECT_TRUE(IsOrange(run.IconColour()));
        EXPECT_EQ(row.named != nullptr, run.StripText().find(row.named ? row.named : L"SHA") != std::wstring::npos)
            << Narrow(run.StripText());
    }
}

// Without a digest both entries are grayed and copying gives nothing; with one, the keys typed in
// the window (taken by the program's message loop before any window sees them) copy and save it.
TEST(ChecksumWindow, TheChecksumLineIsCopiedAndSavedOnlyWhenADigestIsShown)
{
    CFolders folders;
    ASSERT_TRUE(SetClipboardText(nullptr));
    ASSERT_TRUE(vrok::main::CApplication::SetShortcuts(shortcuts::MainWindow, shortcuts::MainWindowCount));
    {
        COpenedWindow empty(folders);
        EXPECT_TRUE(MenuState(empty, 208) & MF_GRAYED);
        EXPECT_TRUE(MenuState(empty, 209) & MF_GRAYED);
        empty.Command(208);
        EXPECT_EQ(L"", ClipboardText());
    }
    COpenedWindow run(folders, &folders.file);
    EXPECT_FALSE(MenuState(run, 208) & MF_GRAYED);
    for (const bool shift : {true, false}) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG key = {run.Input(), WM_KEYDOWN, static_cast<WPARAM>(shift ? 'C' : 'S'), 0x00010001, 0, {0, 0}};
        EXPECT_TRUE(vrok::main::CApplication::TranslateShortcut(key));
    }
    BYTE released[256] = {};
    SetKeyboardState(released);
    EXPECT_EQ(AbcDigest + L"  x.iso", ClipboardText());
    EXPECT_EQ(Narrow(AbcDigest) + "  x.iso\r\n", ReadWholeFile(folders.downloads.PathOf(L"x.iso.md5")));
}
