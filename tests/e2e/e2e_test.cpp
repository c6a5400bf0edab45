// The real program, started from a copy of its runnable folder and worked only from outside:
// window texts, control messages, menu commands, the screen, its exit code and its settings.
#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <vector>

using namespace testsupport;

namespace {

// A file of the test data, and the digest md5sum printed for it on the host.
std::wstring TestFile(const std::wstring& name) { return FullPath(L"e2e\\" + name); }
std::wstring Md5sumOf(const std::wstring& name) { return ReferenceDigestOf(L"e2e\\md5sums.txt", name); }

// The main window as another program sees it: children found by class, texts read with
// WM_GETTEXT, the verdict told by the colour of the shield painted in the strip.
struct CMainWindowView
{
    explicit CMainWindowView(HWND window)
        : window(window), panel(FindWindowExW(window, nullptr, L"VYMP_GRADIENT_WINDOW_CLASSNAME", nullptr)),
          strip(FindWindowExW(window, nullptr, L"VYMP_NOTIFY_WINDOW_CLASSNAME", nullptr))
    {
        // Both fields are edit controls; the digest field is the read-only one.
        for (HWND edit = nullptr; (edit = FindWindowExW(panel, edit, L"Edit", nullptr)) != nullptr;)
            (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY ? digest : input) = edit;
    }
    void Compare(const std::wstring& reference, bool withEnter) const
    {
        SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(reference.c_str()));
        if (withEnter) {
            SendMessageW(input, WM_KEYDOWN, VK_RETURN, 1);
            SendMessageW(input, WM_CHAR, L'\r', 1);
            SendMessageW(input, WM_KEYUP, VK_RETURN, 0xC0000001);
        } else {
            SendMessageW(GetDlgItem(panel, 102), BM_CLICK, 0, 0);  // the Compare button
        }
    }
    // How many of the 30 x 30 pixels of the shield at (10, 10) in the strip have the colour.
    int ShieldPixels(bool (*isColour)(COLORREF)) const
    {
        POINT origin = {10, 10};
        ClientToScreen(strip, &origin);
        return CountPixels(nullptr, {origin.x, origin.y, origin.x + 30, origin.y + 30}, isColour);
    }
    // A shield covers a few hundred pixels; the strip takes 400 ms to slide in.
    bool ShowsShield(bool (*isColour)(COLORREF)) const
    {
        return PumpUntil([&] { return ShieldPixels(isColour) >= 60; });
    }

    HWND window, panel, strip, input = nullptr, digest = nullptr;
};

// Runs of the program from a private copy of its runnable folder, so that a test may change
// its settings. A program still running at the end is ended: a failed test leaves nothing behind.
class ProgramRun : public ::testing::Test
{
protected:
    // The runnable folder under test: VESTIGON_PROGRAM_DIR when set (a host path such as /tmp/x is
    // on Wine's drive Z:), otherwise ..\vestigon beside the test data folder. Its files only are
    // copied, as the archive holds them; a folder that is not there fails the test.
    ProgramRun()
    {
        const wchar_t* chosen = _wgetenv(L"VESTIGON_PROGRAM_DIR");
        const std::wstring folder = chosen != nullptr && *chosen != L'\0' ? chosen : L"..\\vestigon";
        std::filesystem::copy(FullPath(folder[0] == L'/' ? L"Z:" + folder : folder), m_folder.Path());
    }
    ~ProgramRun() override { EndProgram(); }

    void EndProgram()
    {
        if (m_process.hProcess != nullptr && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        CloseHandle(m_process.hThread);  // null before the first start: refused, harmless
        CloseHandle(m_process.hProcess);
        m_process = {};
    }

    // Starts the program as the shell does (its quoted path, a blank and the arguments) and
    // waits for its visible window of the class once it waits for input.
    HWND Start(const std::wstring& arguments, const wchar_t* className = L"VYMP_MAIN_WINDOW_CLASSNAME",
               const wchar_t* workingFolder = nullptr)
    {
        Launch(L"vestigon.exe", arguments, workingFolder);
        WaitForInputIdle(m_process.hProcess, 20000);  // its start-up, the first digest included, is over
        return WaitForWindow(className);
    }

    void Launch(const wchar_t* program, const std::wstring& arguments, const wchar_t* workingFolder = nullptr)
    {
        EndProgram();
        const std::wstring exe = m_folder.PathOf(program);
        std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        EXPECT_TRUE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workingFolder,
                                   &startup, &m_process));
    }

    // The program started by the one that ran, which has ended meanwhile, becomes the one run.
    bool FollowChild()
    {
        const DWORD parent = m_process.dwProcessId;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
            if (entry.th32ParentProcessID == parent) {
                EndProgram();
                m_process.dwProcessId = entry.th32ProcessID;
                m_process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                                                 entry.th32ProcessID);
                break;
            }
        }
        CloseHandle(snapshot);
        return m_process.dwProcessId != parent && m_process.hProcess != nullptr;
    }

    // A visible top-level window of the program with this class. A test cannot go on without it,
    // so when none comes in time the test ends with the exception.
    HWND WaitForWindow(const wchar_t* className) const
    {
        for (const DWORD start = GetTickCount(); m_process.hProcess && GetTickCount() - start < 20000; Sleep(50))
            for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
                DWORD processId = 0;
                GetWindowThreadProcessId(window, &processId);
                if (processId == m_process.dwProcessId && IsWindowVisible(window))
                    return window;
            }
        throw std::runtime_error("no visible window of class " + Narrow(className) + " within 20 s");
    }

    // Closes the main window as the user does; the exit code, STILL_ACTIVE when it did not end.
    DWORD CloseAndWait(HWND window) const
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(m_process.hProcess, 15000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    std::wstring Setting(const wchar_t* file, const wchar_t* section, const wchar_t* key) const
    {
        wchar_t value[512] = {};
        GetPrivateProfileStringW(section, key, L"", value, 512, m_folder.PathOf(file).c_str());
        return value;
    }

    CTemporaryFolder m_folder;
    PROCESS_INFORMATION m_process = {};
};

using StartAndClose = ProgramRun;

}

// --- start and close: the release check runs these on the unpacked archive as well ---

TEST_F(StartAndClose, WithoutArgumentTheFieldsAreEmptyAndNothingIsToCompare)
{
    const CMainWindowView view(Start(L""));
    EXPECT_EQ(L"Vestigon pour md5 v1.0", WindowText(view.window));
    RECT place = {};
    GetWindowRect(view.window, &place);
    EXPECT_EQ((std::vector<LONG>{10, 10, 430, 310}), (std::vector<LONG>{place.left, place.top, place.right, place.bottom}));
    EXPECT_TRUE(GetWindowLongPtrW(view.window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "the shell drops files only there";
    ASSERT_NE(nullptr, view.input);
    EXPECT_EQ(L"", WindowText(view.digest));
    EXPECT_EQ(L"", WindowText(view.input));
    EXPECT_FALSE(WindowText(view.panel).empty()) << "the panel's title comes from the language file";
    EXPECT_LT(view.ShieldPixels(IsGreen) + view.ShieldPixels(IsOrange) + view.ShieldPixels(IsRed), 60);
    view.Compare(std::wstring(32, L'a'), false);
    EXPECT_TRUE(view.ShowsShield(IsOrange)) << "nothing to compare with";
    EXPECT_EQ(0u, CloseAndWait(view.window));
}

// An empty file is hashed like any other.
TEST_F(StartAndClose, WithAFileTheDigestIsWhatMd5sumPrints)
{
    for (const std::wstring name : {L"sample.bin", L"name with blanks.bin", L"donn\u00e9es_\u0444\u0430\u0439\u043b_\u6570\u636e.bin",
                                    L"empty.bin"}) {
        SCOPED_TRACE(Narrow(name));
        ASSERT_EQ(32u, Md5sumOf(name).size()) << "no md5sum digest in the test data";
        const CMainWindowView view(Start(L"\"" + TestFile(name) + L"\""));
        EXPECT_TRUE(PumpUntil([&] { return WindowText(view.digest) == Md5sumOf(name); }));
        EXPECT_EQ(std::wstring::npos, WindowText(view.strip).find(L"Checksum list"));
        EXPECT_EQ(0u, CloseAndWait(view.window));
    }
}

// A name given relative to the folder the program starts in is found there, checksum file and all.
TEST_F(StartAndClose, AFileNamedInTheFolderItStartsInGetsTheVerdictOfTheChecksumFileBeside)
{
    CTemporaryFolder download;
    ASSERT_TRUE(CopyFileW(TestFile(L"sample.bin").c_str(), download.PathOf(L"x.iso").c_str(), FALSE));
    download.WriteFile(L"x.iso.md5", Narrow(Md5sumOf(L"sample.bin")) + "  x.iso\n");
    const CMainWindowView view(Start(L"x.iso", L"VYMP_MAIN_WINDOW_CLASSNAME", download.Path().c_str()));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(view.input) == Md5sumOf(L"sample.bin"); }, 10000));
    EXPECT_TRUE(view.ShowsShield(IsGreen));
    EXPECT_EQ(0u, CloseAndWait(view.window));
}

// Typed in cmd or PowerShell, `vestigon` is the console companion, which starts the window
// program with the same file when no option is given and ends at once.
TEST_F(StartAndClose, TheConsoleCompanionWithoutOptionOpensTheWindowWithTheFile)
{
    Launch(L"vestigon.com", L"\"" + TestFile(L"sample.bin") + L"\"");
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_process.hProcess, 20000));
    DWORD code = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeProcess(m_process.hProcess, &code) && code == 0) << code;
    ASSERT_TRUE(FollowChild()) << "no window program started";
    const CMainWindowView view(WaitForWindow(L"VYMP_MAIN_WINDOW_CLASSNAME"));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(view.digest) == Md5sumOf(L"sample.bin"); }));
    EXPECT_EQ(0u, CloseAndWait(view.window));
}

// The checksum files publishers print, one beside the file each: the verdict comes with no input
// and names the checksum file and the digest; a wrong digest and a size that differs give red.
TEST_F(StartAndClose, EachPublishersChecksumFileBesideGivesTheVerdictAtOnce)
{
    const struct
    {
        const wchar_t* kind;
        bool (*colour)(COLORREF);
        std::vector<std::wstring> named;
    } rows[] = {
        {L"debian256", IsGreen, {L"SHA-256", L"SHA256SUMS"}},
        {L"debian512", IsGreen, {L"SHA-512", L"SHA512SUMS"}},
        {L"ubuntu", IsGreen, {L"SHA-256", L"SHA256SUMS"}},
        {L"fedora", IsGreen, {L"SHA-256", L"Fedora-Sample-1.0-x86_64-CHECKSUM"}},
        {L"freebsd", IsGreen, {L"SHA-512", L"CHECKSUM.SHA512-FreeBSD-14.0-RELEASE-amd64"}},
        {L"arch", IsGreen, {L"BLAKE2b", L"b2sums.txt"}},
        {L"apache", IsGreen, {L"SHA-512", L"x.iso.sha512"}},
        {L"openssl", IsGreen, {L"SHA-256", L"x.iso.sha256"}},
        {L"wrong", IsRed, {L"SHA-256", L"SHA256SUMS"}},
        {L"fedora-size", IsRed, {L"70000", L"70001", L"Fedora-Sample-1.0-x86_64-CHECKSUM"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.kind));
        const CMainWindowView view(Start(L"\"" + TestFile(L"forms\\" + std::wstring(row.kind) + L"\\x.iso") + L"\""));
        EXPECT_TRUE(view.ShowsShield(row.colour));
        const std::wstring strip = WindowText(view.strip);
        for (const std::wstring& name : row.named)
            EXPECT_NE(std::wstring::npos, strip.find(name)) << Narrow(strip);
        EXPECT_EQ(0u, CloseAndWait(view.window));
    }
}

// A missing file is told in a box; after OK the window stays without a digest and closes cleanly.
TEST_F(StartAndClose, AFileThatCannotBeHashedIsToldAndTheWindowOpensEmpty)
{
    const std::wstring path = TestFile(L"no such file.bin");
    const HWND box = Start(L"\"" + path + L"\"", L"#32770");
    EXPECT_EQ(L"Erreur", ReadBox(box).caption);
    EXPECT_EQ(L"Open file " + path + L" failed !", ReadBox(box).text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    const CMainWindowView view(WaitForWindow(L"VYMP_MAIN_WINDOW_CLASSNAME"));
    ASSERT_NE(nullptr, view.digest);
    EXPECT_EQ(L"", WindowText(view.digest));
    EXPECT_EQ(0u, CloseAndWait(view.window));
}

// A file of several GiB: the window answers throughout, its progress bar moves, and a close
// while hashing ends the program at once.
TEST_F(ProgramRun, WhileALargeFileIsHashedTheWindowAnswersShowsProgressAndCloses)
{
    const HWND window = Start(L"\"" + FullPath(L"large\\sparse.bin") + L"\"");
    const HWND bar = FindWindowExW(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr), nullptr, PROGRESS_CLASSW, nullptr);
    ASSERT_NE(nullptr, bar);
    std::vector<LRESULT> positions;
    for (const DWORD start = GetTickCount(); positions.size() < 3 && GetTickCount() - start < 10000; Sleep(50)) {
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, nullptr)) << "no answer in 250 ms";
        const LRESULT position = SendMessageW(bar, PBM_GETPOS, 0, 0);
        if (IsWindowVisible(bar) && position > (positions.empty() ? 0 : positions.back()))
            positions.push_back(position);
    }
    EXPECT_EQ(3u, positions.size());
    const DWORD closing = GetTickCount();
    EXPECT_EQ(0u, CloseAndWait(window));
    EXPECT_LT(GetTickCount() - closing, 2000u);
}

// --- checksum files: the line copied and saved, and a list checked ---

// The saved file stays in the test data; the test md5sum_reads_saved_file checks it on the host.
TEST_F(ProgramRun, TheChecksumLineIsCopiedAndSaved)
{
    const std::wstring folder = FullPath(L"e2e\\saved");
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* saved : {L"\\x.iso.md5", L"\\x.iso.sha256", L"\\x.iso.b2"})
        DeleteFileW((folder + saved).c_str());
    ASSERT_TRUE(CopyFileW(TestFile(L"sample.bin").c_str(), (folder + L"\\x.iso").c_str(), FALSE));
    const CMainWindowView view(Start(L"\"" + folder + L"\\x.iso\""));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(view.digest) == Md5sumOf(L"sample.bin"); }, 10000));
    SendMessageW(view.window, WM_COMMAND, 208, 0);
    SendMessageW(view.window, WM_COMMAND, 209, 0);
    EXPECT_EQ(Md5sumOf(L"sample.bin") + L"  x.iso", ClipboardText());
    EXPECT_EQ(Narrow(Md5sumOf(L"sample.bin")) + "  x.iso\r\n", ReadWholeFile(folder + L"\\x.iso.md5"));

    // The SHA-256 checksum line pasted in upper case, then BLAKE2b's digest: each is computed in
    // the background and named; copy and save then write the digest in use.
    const std::wstring sha256 = ReferenceDigestOf(L"e2e-digests\\sha256sums.txt", L"sample.bin");
    const std::wstring blake2b = ReferenceDigestOf(L"e2e-digests\\b2sums.txt", L"sample.bin");
    std::wstring upper = sha256 + L"  x.iso\r\n";
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    for (const auto& pasted : {std::make_pair(upper, sha256), std::make_pair(L"blake2b:" + blake2b, blake2b)}) {
        ASSERT_TRUE(SetClipboardText(&pasted.first));
        SendMessageW(view.window, WM_COMMAND, 204, 0);
        EXPECT_TRUE(PumpUntil([&] { return WindowText(view.input) == pasted.second; }, 10000));
        view.Compare(pasted.second, true);
        EXPECT_TRUE(view.ShowsShield(IsGreen));
        EXPECT_TRUE(PumpUntil([&] { return WindowText(view.digest) == pasted.second; }, 10000));
    }
    EXPECT_NE(std::wstring::npos, WindowText(view.strip).find(L"BLAKE2b")) << Narrow(WindowText(view.strip));
    SendMessageW(view.window, WM_COMMAND, 209, 0);
    EXPECT_EQ(Narrow(blake2b) + "  x.iso\r\n", ReadWholeFile(folder + L"\\x.iso.b2"));
    ASSERT_TRUE(SetClipboardText(&sha256));
    SendMessageW(view.window, WM_COMMAND, 204, 0);
    view.Compare(sha256, true);
    EXPECT_TRUE(PumpUntil([&] { return WindowText(view.digest) == sha256; }, 10000));
    SendMessageW(view.window, WM_COMMAND, 208, 0);
    SendMessageW(view.window, WM_COMMAND, 209, 0);
    EXPECT_EQ(sha256 + L"  x.iso", ClipboardText());
    EXPECT_EQ(0u, CloseAndWait(view.window));
}

// The release folder: five files, a missing one, a wrong digest and a junk line in MD5SUMS; then
// a list that cannot be read.
TEST_F(ProgramRun, AListChosenInTheOpenDialogIsCheckedInAWindowOfItsOwn)
{
    const HWND window = Start(L"");
    PostMessageW(window, WM_COMMAND, 211, 0);
    const HWND dialog = WaitForWindow(L"#32770");
    EXPECT_NE(std::wstring::npos, WindowText(GetDlgItem(dialog, 0x470)).find(L"*.md5;*.md5sum;MD5SUMS*;md5sum*.txt"));
    TypeFileName(dialog, FullPath(L"lists\\release\\MD5SUMS"));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const HWND listWindow = WaitForWindow(L"VESTIGON_LIST_WINDOW_CLASSNAME");
    EXPECT_EQ(window, GetWindow(listWindow, GW_OWNER));
    const HWND summary = FindWindowExW(listWindow, nullptr, L"msctls_statusbar32", nullptr);
    EXPECT_TRUE(PumpUntil([&] { return WindowText(summary) == L"4 OK, 1 differs, 1 missing, 1 other lines skipped"; }, 20000))
        << Narrow(WindowText(summary));

    // A list another program holds: its window goes again, and a box over the main window says so.
    SendMessageW(listWindow, WM_CLOSE, 0, 0);
    const CHeldFile held(m_folder.WriteFile(L"held.md5", "x"));
    PostMessageW(window, WM_COMMAND, 211, 0);
    const HWND second = WaitForWindow(L"#32770");
    TypeFileName(second, m_folder.PathOf(L"held.md5"));
    PostMessageW(second, WM_COMMAND, IDOK, 0);
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return ReadBox(box = WaitForWindow(L"#32770")).text.find(L"Cannot read the") == 0; }));
    EXPECT_EQ(window, GetWindow(box, GW_OWNER));
    EXPECT_EQ(nullptr, FindWindowW(L"VESTIGON_LIST_WINDOW_CLASSNAME", nullptr));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, CloseAndWait(window));
}

// Esc the moment a list's window shows, before its worker's news has been taken, then the window
// closed: ten times over, the program answers and ends with 0.
TEST_F(ProgramRun, AListStoppedTheMomentItsWindowShowsLeavesTheProgramAnswering)
{
    const std::wstring list = m_folder.WriteFile(L"two.md5", "900150983cd24fb0d6963f7d28e17f72  a.txt\n"
                                                              "900150983cd24fb0d6963f7d28e17f72  b.txt\n");
    m_folder.WriteFile(L"a.txt", "abc");
    m_folder.WriteFile(L"b.txt", "abc");
    const HWND window = Start(L"");
    for (int round = 0; round < 10 && !HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        PostMessageW(window, WM_COMMAND, 211, 0);
        const HWND dialog = WaitForWindow(L"#32770");
        TypeFileName(dialog, list);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        const HWND listWindow = WaitForWindow(L"VESTIGON_LIST_WINDOW_CLASSNAME");
        SendMessageW(FindWindowExW(listWindow, nullptr, WC_LISTVIEWW, nullptr), WM_KEYDOWN, VK_ESCAPE, 0);
        SendMessageW(listWindow, WM_CLOSE, 0, 0);
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr));
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(listWindow); }));
    }
    EXPECT_EQ(0u, CloseAndWait(window));
}

TEST_F(ProgramRun, ALanguageThatCannotBeStoredIsToldAndHoldsUntilTheProgramCloses)
{
    const std::wstring settings = m_folder.PathOf(L"md5_global.ini");
    const std::string bytes = ReadWholeFile(settings);
    ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
    const CMainWindowView view(Start(L""));
    PostMessageW(view.window, WM_COMMAND, 1, 0);
    const HWND box = WaitForWindow(L"#32770");
    EXPECT_NE(std::wstring::npos, ReadBox(box).text.find(L"md5_global.ini")) << Narrow(ReadBox(box).text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Setting(L"french.ini", L"WINDOW_TEXT", L"text"), WindowText(view.panel));
    view.Compare(L"", false);
    EXPECT_TRUE(view.ShowsShield(IsOrange)) << "the program still answers";
    EXPECT_EQ(0u, CloseAndWait(view.window));
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(bytes, ReadWholeFile(settings));
}

// The open dialog, and the box saying the clipboard holds no text: commands posted meanwhile
// open nothing more, and closing the window ends the program with 0.
TEST_F(ProgramRun, ClosingWhileADialogOrBoxShowsEndsTheProgramWithZero)
{
    for (const WPARAM command : {201, 204}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(SetClipboardText(nullptr));
        const CMainWindowView view(Start(L""));
        PostMessageW(view.window, WM_COMMAND, command, 0);
        WaitForWindow(L"#32770");
        for (const WPARAM again : {201, 201, 204, 205})
            PostMessageW(view.window, WM_COMMAND, again, 0);
        EXPECT_EQ(0u, CloseAndWait(view.window));
    }
}

// A few hundred actions of a user in a seeded random order on the real program: references typed
// and compared with the button or Enter, Esc, every menu command but Close (language switches,
// About, help, paste, and File > Open answered in its dialog, sometimes asked again meanwhile).
// Each action waits, with a bound, for what the program shows or for it to answer a message.
TEST_F(ProgramRun, ALongRandomSessionLeavesTheProgramAnsweringAndEndsWithZero)
{
    const char* seedText = std::getenv("VESTIGON_SESSION_SEED");
    const unsigned seed = seedText != nullptr ? static_cast<unsigned>(std::atoi(seedText)) : 20261207u;
    SCOPED_TRACE(testing::Message() << "VESTIGON_SESSION_SEED=" << seed);
    std::mt19937 random(seed);
    const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    const std::wstring sample = TestFile(L"sample.bin"), digest = Md5sumOf(L"sample.bin");
    const std::vector<std::wstring> languages = {L"english.ini", L"french.ini", L"german.ini", L"spanish.ini"};
    const CMainWindowView view(Start(L""));
    const auto closes = [](HWND window) { return PumpUntil([&] { return !IsWindow(window); }, 10000); };
    // The box or dialog that the command opens, answered with a key, a button or a file.
    const auto answerModal = [&](WPARAM command) {
        const bool openDialog = command == 201;
        PostMessageW(view.window, WM_COMMAND, command, 0);
        const HWND modal = WaitForWindow(L"#32770");
        if (openDialog && pick(2))
            PostMessageW(view.window, WM_COMMAND, 201, 0);  // asked again while it shows
        const bool choose = openDialog && pick(2);
        if (choose) {
            SendMessageW(view.input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
            TypeFileName(modal, sample);
            PostMessageW(modal, WM_COMMAND, IDOK, 0);
        } else if (pick(2)) {
            PostMessageW(modal, WM_KEYDOWN, VK_ESCAPE, 1);
        } else {
            PostMessageW(modal, WM_COMMAND, openDialog ? IDCANCEL : IDOK, 0);
        }
        EXPECT_TRUE(closes(modal));
        // A chosen file: the typed reference goes, md5sums.txt beside the file gives its digest instead.
        EXPECT_TRUE(!choose || PumpUntil([&] { return WindowText(view.digest) == digest && WindowText(view.input) == digest; }, 10000));
    };
    for (int action = 0; action < 300 && !HasFatalFailure(); ++action) {
        switch (pick(10)) {
        case 0: case 1: {
            const std::wstring references[] = {digest, digest.substr(0, pick(33)), L"G" + digest.substr(1), L"", digest + L"0",
                                               Md5sumOf(L"empty.bin")};
            const std::wstring& reference = references[pick(6)];  // drawn in this order, so a seed replays alike
            view.Compare(reference, pick(2) != 0);
            break;
        }
        case 2:
            SendMessageW(view.input, WM_KEYDOWN, VK_ESCAPE, 1);
            SendMessageW(view.input, WM_CHAR, 27, 1);
            break;
        case 3: {
            const int language = pick(4);
            SendMessageW(view.window, WM_COMMAND, language, 0);
            EXPECT_EQ(Setting(languages[language].c_str(), L"WINDOW_TEXT", L"text"), WindowText(view.panel));
            break;
        }
        case 4: {
            SendMessageW(view.window, WM_COMMAND, 205, 0);
            const HWND about = WaitForWindow(L"VYMP_TOOL_WINDOW_CLASSNAME");
            PostMessageW(about, pick(2) ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, 0);
            EXPECT_TRUE(closes(about));
            break;
        }
        case 5: case 6:
            answerModal(201);
            break;
        case 7:  // Edit > Paste, of a digest or of nothing
            if (pick(2) != 0) {
                ASSERT_TRUE(SetClipboardText(&digest));
                PostMessageW(view.window, WM_COMMAND, 204, 0);
                EXPECT_TRUE(PumpUntil([&] { return WindowText(view.input) == digest; }, 10000));
            } else {
                ASSERT_TRUE(SetClipboardText(nullptr));
                answerModal(204);
            }
            break;
        default:
            if (pick(20) == 0) {  // the help viewer takes seconds to open under Wine
                PostMessageW(view.window, WM_COMMAND, 206, 0);
                const HWND viewer = WaitForWindow(L"HH Parent");
                PostMessageW(viewer, WM_CLOSE, 0, 0);
            }
            break;
        }
        ASSERT_TRUE(SendMessageTimeoutW(view.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr)) << "action " << action;
    }
    const std::wstring current = Setting(L"md5_global.ini", L"CURRENT_LANGUAGE", L"_ini_file");
    EXPECT_TRUE(std::find(languages.begin(), languages.end(), current) != languages.end()) << Narrow(current);
    EXPECT_EQ(0u, CloseAndWait(view.window));
}
