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
    {
        // A switch that cannot be stored is told, and holds for the run: the file stays as it was.
        const std::wstring settings = folders.PathOf(L"md5_global.ini");
        const std::string bytes = ReadWholeFile(settings);
        ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
        COpenedWindow readOnly(folders);
        CModalWatcher watcher;
        readOnly.Command(210);
        EXPECT_EQ(1u, watcher.Boxes().size());
        EXPECT_FALSE(MenuState(readOnly, 210) & MF_CHECKED);
        readOnly.My().ShowChosenFile(folders.file.c_str());
        WaitWhileHashing();
        EXPECT_EQ(L"", WindowText(readOnly.Input())) << "switched off for the run";
        SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(bytes, ReadWholeFile(settings));
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

// A reference's length says its digest, which is computed in the background when the file was
// not read for it yet; the verdict and the digest field name that digest. The digests of "abc"
// are the published examples (FIPS 180-4, RFC 7693).
TEST(ChecksumWindow, AReferenceIsCheckedWithTheDigestItsLengthSays)
{
    const std::wstring sha256 = L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    const struct
    {
        std::wstring reference;
        bool (*colour)(COLORREF);
        const wchar_t* sentence;
    } rows[] = {
        {L"a9993e364706816aba3e25717850c26c9cd0d89d", IsGreen, L"SHA-1 digests match"},
        {L"23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7", IsGreen, L"SHA-224 digests match"},
        {sha256, IsGreen, L"SHA-256 digests match"},
        {L"cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7", IsGreen,
         L"SHA-384 digests match"},
        {L"ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f",
         IsGreen, L"SHA-512 digests match"},
        {L"ba80a53f981c4d0d6a2797b69f12f6e94c212f14685ac4b74b12bb6fdbffa2d17d87c5392aab792dc252d5de4533cc9518d38aa8dbf1925ab92386edd4009923",
         IsGreen, L"BLAKE2b digests match"},
        {L"0" + sha256.substr(1), IsRed, L"SHA-256 digests differ"},
        {L"g" + sha256.substr(1), IsOrange, L"Not valid"},
        {sha256.substr(1), IsOrange, L"Too long"},
        {AbcDigest, IsGreen, L"Digests match"},
    };
    CFolders folders;
    COpenedWindow run(folders, &folders.file);
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.reference));
        SetWindowTextW(run.Input(), row.reference.c_str());
        PostMessageW(run.Handle(), WM_COMPARE_REQUEST, 0, 0);
        PumpMessages();
        WaitWhileHashing();
        PumpMessages();
        EXPECT_TRUE(row.colour(run.IconColour()));
        EXPECT_NE(std::wstring::npos, run.StripText().find(row.sentence)) << Narrow(run.StripText());
        if (row.colour == IsGreen) {
            EXPECT_EQ(row.reference, WindowText(run.Digest()));
            // Every digit shows: the last one lies inside the field, the field inside the panel.
            RECT field = {}, panel = {};
            GetClientRect(run.Digest(), &field);
            GetClientRect(GetParent(run.Digest()), &panel);
            const LRESULT last = SendMessageW(run.Digest(), EM_POSFROMCHAR, row.reference.size() - 1, 0);
            EXPECT_LT(static_cast<short>(LOWORD(last)), field.right);
            EXPECT_LT(static_cast<short>(HIWORD(last)) + 8, field.bottom);
            EXPECT_LE(ChildRect(run.Digest()).bottom, panel.bottom);
        }
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

// The Digest menu's choice: the digest field, the panel's title and the status bar name it at
// once (the file is hashed again for it), and it is kept for the next start.
TEST(ChecksumWindow, TheDigestChosenInTheMenuIsShownAndKept)
{
    const std::wstring sha256 = L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    CFolders folders;
    {
        COpenedWindow run(folders, &folders.file);
        EXPECT_TRUE(GetMenuState(GetMenu(run.Handle()), 215, MF_BYCOMMAND) & MF_CHECKED) << "MD5 at first";
        run.Command(218);
        EXPECT_EQ(sha256, WindowText(run.Digest()));
        EXPECT_EQ(L"Published SHA-256 digest (paste it below)", WindowText(run.My().GetDropPanel()->GetHandle()));
        EXPECT_EQ(L"sha256", WindowText(run.My().GetStatusBar()->GetHandle()));
        EXPECT_TRUE(GetMenuState(GetMenu(run.Handle()), 218, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(GetMenuState(GetMenu(run.Handle()), 215, MF_BYCOMMAND) & MF_CHECKED);
    }
    COpenedWindow restarted(folders, &folders.file);
    EXPECT_EQ(sha256, WindowText(restarted.Digest()));
    EXPECT_TRUE(GetMenuState(GetMenu(restarted.Handle()), 218, MF_BYCOMMAND) & MF_CHECKED);
}
