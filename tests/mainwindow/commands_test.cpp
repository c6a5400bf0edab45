// What the main window does with drops, the open dialog, the clipboard, clicks and its menu
// commands.
#include "main_window_fixture.h"

#include "modal_watcher.h"

#include "about_window.h"
#include "cool_control.h"
#include "vrok_user/vrok_toolwindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mainwindowtest;
using testsupport::CModalWatcher;
using testsupport::CSeenBox;

namespace {

// Runs the open dialog from inside: a thread timer finds it, types the path into its file-name
// field and presses Open, or cancels it when the path is empty. Message boxes that follow are
// recorded and closed.
class COpenDialogDriver
{
public:
    explicit COpenDialogDriver(const std::wstring& path)
    {
        s_path = path;
        s_dialogs = 0;
        s_boxes.clear();
        m_timer = SetTimer(nullptr, 0, 100, OnTimer);
    }
    ~COpenDialogDriver() { KillTimer(nullptr, m_timer); }
    COpenDialogDriver(const COpenDialogDriver&) = delete;
    COpenDialogDriver& operator=(const COpenDialogDriver&) = delete;

    int Dialogs() const { return s_dialogs; }
    const std::vector<CSeenBox>& Boxes() const { return s_boxes; }

private:
    static HWND FileNameField(HWND dialog)
    {
        const int fileNameCombo = 0x47C;
        const int fileNameEdit = 0x480;
        HWND field = GetDlgItem(dialog, fileNameCombo);
        return field != nullptr ? field : GetDlgItem(dialog, fileNameEdit);
    }

    static void Press(HWND dialog, int button)
    {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    static BOOL CALLBACK OnThreadWindow(HWND window, LPARAM)
    {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window) ||
            GetPropW(window, L"VESTIGON_TEST_HANDLED") != nullptr)
            return TRUE;
        SetPropW(window, L"VESTIGON_TEST_HANDLED", reinterpret_cast<HANDLE>(1));
        HWND field = FileNameField(window);
        if (field == nullptr)
        {
            s_boxes.push_back(testsupport::ReadBox(window));
            Press(window, IDOK);
            return TRUE;
        }
        ++s_dialogs;
        if (s_path.empty())
        {
            Press(window, IDCANCEL);
            return TRUE;
        }
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s_path.c_str()));
        Press(window, IDOK);
        return TRUE;
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        EnumThreadWindows(GetCurrentThreadId(), OnThreadWindow, 0);
    }

    UINT_PTR m_timer;
    static std::wstring s_path;
    static int s_dialogs;
    static std::vector<CSeenBox> s_boxes;
};

std::wstring COpenDialogDriver::s_path;
int COpenDialogDriver::s_dialogs = 0;
std::vector<CSeenBox> COpenDialogDriver::s_boxes;

// Ends the popup menu that the window tracks, after reading the first label of the popup it
// was about to show.
class CPopupMenuReader
{
public:
    CPopupMenuReader()
    {
        s_firstLabel.clear();
        s_popups = 0;
        m_hook = SetWindowsHookExW(WH_CALLWNDPROC, OnMessage, nullptr, GetCurrentThreadId());
        m_timer = SetTimer(nullptr, 0, 200, OnTimer);
    }
    ~CPopupMenuReader()
    {
        KillTimer(nullptr, m_timer);
        UnhookWindowsHookEx(m_hook);
    }
    CPopupMenuReader(const CPopupMenuReader&) = delete;
    CPopupMenuReader& operator=(const CPopupMenuReader&) = delete;

    int Popups() const { return s_popups; }
    const std::wstring& FirstLabel() const { return s_firstLabel; }

private:
    static LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_INITMENUPOPUP)
        {
            ++s_popups;
            wchar_t label[64] = {};
            GetMenuStringW(reinterpret_cast<HMENU>(message->wParam), 0, label, 64, MF_BYPOSITION);
            s_firstLabel = label;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

    HHOOK m_hook;
    UINT_PTR m_timer;
    static std::wstring s_firstLabel;
    static int s_popups;
};

std::wstring CPopupMenuReader::s_firstLabel;
int CPopupMenuReader::s_popups = 0;

BOOL CALLBACK CountAboutWindow(HWND window, LPARAM found)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) == vrok::user::controls::toolwindow::CToolWindow::ClassName &&
        IsWindowVisible(window))
        ++*reinterpret_cast<int*>(found);
    return TRUE;
}

int CountVisibleAboutWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountAboutWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring MenuTitle(HWND window, UINT position)
{
    wchar_t title[64] = {};
    GetMenuStringW(GetMenu(window), position, title, 64, MF_BYPOSITION);
    return title;
}

// One window, started without a file, for the suite.
class CommandsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new CProgramFolder();
        s_abc = new std::wstring(s_folder->WriteFile(L"abc.txt", "abc"));
        s_message = new std::wstring(s_folder->WriteFile(L"message.txt", "message digest"));
        s_opened = new COpenedWindow(*s_folder);
    }
    static void TearDownTestSuite()
    {
        delete s_opened;
        delete s_message;
        delete s_abc;
        delete s_folder;
    }
    void SetUp() override { ASSERT_EQ(0, s_opened->Started()); }

    static const COpenedWindow& Opened() { return *s_opened; }
    static HWND Window() { return s_opened->Handle(); }
    static HWND Strip() { return s_opened->Window().GetNotifyWindow()->GetHandle(); }
    static void Command(WPARAM id)
    {
        SendMessageW(Window(), WM_COMMAND, id, 0);
        PumpMessages();
    }

    static CProgramFolder* s_folder;
    static std::wstring* s_abc;
    static std::wstring* s_message;
    static COpenedWindow* s_opened;
};

CProgramFolder* CommandsTest::s_folder = nullptr;
std::wstring* CommandsTest::s_abc = nullptr;
std::wstring* CommandsTest::s_message = nullptr;
COpenedWindow* CommandsTest::s_opened = nullptr;

}

TEST_F(CommandsTest, ADropOfThreeFilesShowsTheFirstOnlyAndEmptiesTheInputField)
{
    const std::wstring third = s_folder->WriteFile(L"third.txt", "a");
    SetWindowTextW(Opened().InputField(), L"pasted earlier");
    CModalWatcher watcher;
    CStripShowCounter shows(Strip());
    DropFiles(Window(), {*s_message, *s_abc, third});
    PumpMessages();

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(MessageDigestDigest, WindowText(Opened().DigestField()));
    EXPECT_EQ(L"", WindowText(Opened().InputField()));
    const CCaptionParts parts = SplitCaption(Opened().StripText());
    EXPECT_EQ(L"file : ", parts.prefix);
    EXPECT_NE(std::wstring::npos, parts.pathLine.find(L"message.txt"));
    EXPECT_EQ(L"", parts.sentence);
    EXPECT_FALSE(Opened().StripHasIcon());
    EXPECT_EQ(1, shows.Count()) << "the strip slides in with the new file";
}

TEST_F(CommandsTest, ADroppedFileThatCannotBeReadShowsItsPathAndNoDigest)
{
    DropFiles(Window(), {*s_abc});
    ASSERT_EQ(AbcDigest, WindowText(Opened().DigestField()));
    SetWindowTextW(Opened().InputField(), L"reference");
    // Compare first, so that the new file must also take the verdict away.
    SendMessageW(Window(), WM_COMPARE_REQUEST, 0, 0);

    const std::wstring locked = s_folder->WriteFile(L"locked.txt", "locked");
    HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    CModalWatcher watcher;
    DropFiles(Window(), {locked});
    PumpMessages();
    CloseHandle(holder);

    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Open file " + locked + L" failed !", watcher.Boxes()[0].text);
    EXPECT_EQ(L"", WindowText(Opened().DigestField()));
    EXPECT_EQ(L"", WindowText(Opened().InputField()));
    const CCaptionParts parts = SplitCaption(Opened().StripText());
    EXPECT_NE(std::wstring::npos, parts.pathLine.find(L"locked.txt"));
    EXPECT_EQ(L"", parts.sentence);
    EXPECT_FALSE(Opened().StripHasIcon());
}

TEST_F(CommandsTest, AVeryLongNonLatinPathStaysInsideTheCaption)
{
    std::wstring path = s_folder->Path();
    for (int level = 0; level < 20; ++level)
        path += L"\\\u0391\u03c1\u03c7\u03b5\u03af\u03b1-\u65e5\u672c\u8a9e-" + std::to_wstring(level);
    path += L"\\\u03c4\u03b5\u03bb\u03b9\u03ba\u03cc.txt";
    ASSERT_GT(path.size(), 260u);
    CModalWatcher watcher;
    DropFiles(Window(), {path});
    PumpMessages();

    EXPECT_EQ(1u, watcher.Boxes().size()) << "no such file";
    const std::wstring caption = Opened().StripText();
    EXPECT_LE(caption.size(), 359u);
    EXPECT_EQ(caption, Opened().Window().GetCaption());
    EXPECT_EQ(L"file : ", caption.substr(0, 7));
    EXPECT_NE(std::wstring::npos, caption.find(L"..."));
    EXPECT_EQ(L"\u03c4\u03b5\u03bb\u03b9\u03ba\u03cc.txt\n", caption.substr(caption.size() - 11));
    EXPECT_EQ(L"", WindowText(Opened().DigestField()));
}

TEST_F(CommandsTest, TheOpenDialogCancelledChangesNothing)
{
    DropFiles(Window(), {*s_abc});
    SetWindowTextW(Opened().InputField(), L"kept");
    const std::wstring caption = Opened().StripText();
    {
        COpenDialogDriver driver(L"");
        Command(201);
        EXPECT_EQ(1, driver.Dialogs());
        EXPECT_TRUE(driver.Boxes().empty());
    }
    EXPECT_EQ(caption, Opened().StripText());
    EXPECT_EQ(L"kept", WindowText(Opened().InputField()));
    EXPECT_EQ(AbcDigest, WindowText(Opened().DigestField()));
}

TEST_F(CommandsTest, AFileChosenInTheOpenDialogShowsItsDigest)
{
    DropFiles(Window(), {*s_abc});
    SetWindowTextW(Opened().InputField(), L"emptied");
    {
        COpenDialogDriver driver(*s_message);
        Command(201);
        EXPECT_EQ(1, driver.Dialogs());
        EXPECT_TRUE(driver.Boxes().empty());
    }
    EXPECT_EQ(MessageDigestDigest, WindowText(Opened().DigestField()));
    EXPECT_EQ(L"", WindowText(Opened().InputField()));
    EXPECT_NE(std::wstring::npos, SplitCaption(Opened().StripText()).pathLine.find(L"message.txt"));
}

TEST_F(CommandsTest, AChosenFileThatCannotBeOpenedChangesNothing)
{
    DropFiles(Window(), {*s_abc});
    SetWindowTextW(Opened().InputField(), L"kept");
    const std::wstring caption = Opened().StripText();
    const std::wstring missing = s_folder->Path() + L"\\gone.txt";
    {
        COpenDialogDriver driver(missing);
        Command(201);
        PumpMessages(300);
        EXPECT_EQ(1, driver.Dialogs());
        ASSERT_EQ(1u, driver.Boxes().size());
        EXPECT_EQ(L"Erreur", driver.Boxes()[0].caption);
        EXPECT_EQ(L"Cannot open file " + missing, driver.Boxes()[0].text);
    }
    EXPECT_EQ(caption, Opened().StripText());
    EXPECT_EQ(L"kept", WindowText(Opened().InputField()));
    EXPECT_EQ(AbcDigest, WindowText(Opened().DigestField()));
}

TEST_F(CommandsTest, PasteCopiesUnicodeTextAsItIsWithoutComparing)
{
    // Lower-case text: the input field lowers what it receives.
    const std::wstring text = L"  \u03b1\u03b2\u03b3 \u65e5\u672c\u8a9e 900150983cd24fb0 \u00e9t\u00e9\t";
    ASSERT_TRUE(PutClipboardText(text));
    SetFocus(Window());
    CModalWatcher watcher;
    CStripShowCounter shows(Strip());
    Command(204);

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(text, WindowText(Opened().InputField()));
    EXPECT_EQ(0, shows.Count()) << "pasting does not compare";
    EXPECT_EQ(Opened().InputField(), GetFocus());
}

TEST_F(CommandsTest, PasteWithoutTextSaysSoAndKeepsTheField)
{
    SetWindowTextW(Opened().InputField(), L"kept");
    ASSERT_TRUE(EmptyTheClipboard());
    CModalWatcher watcher;
    Command(204);

    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"No data to paste", watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
    EXPECT_EQ(L"kept", WindowText(Opened().InputField()));
}

TEST_F(CommandsTest, PasteOfMegabytesFillsTheFieldAndComparesAsTooLong)
{
    DropFiles(Window(), {*s_abc});
    std::wstring text(3 * 1024 * 1024, L'a');
    text.back() = L'z';
    ASSERT_TRUE(PutClipboardText(text));
    Command(204);
    const std::wstring pasted = WindowText(Opened().InputField());
    EXPECT_EQ(text.size(), pasted.size());
    EXPECT_EQ(L'z', pasted.back());

    SendMessageW(Window(), WM_COMPARE_REQUEST, 0, 0);
    EXPECT_EQ(EnglishSentences.tooLong, SplitCaption(Opened().StripText()).sentence);
    EmptyTheClipboard();
}

TEST_F(CommandsTest, IdentifiersWithoutActionDoNothing)
{
    DropFiles(Window(), {*s_abc});
    SetWindowTextW(Opened().InputField(), L"kept");
    const std::wstring caption = Opened().StripText();
    const std::string globalIni = testsupport::ReadWholeFile(s_folder->GlobalIni());
    std::vector<WPARAM> identifiers = {203, 207, 300, 0xFFFF};
    for (WPARAM id = 101; id <= 200; ++id)
        identifiers.push_back(id);

    CModalWatcher watcher;
    for (WPARAM id : identifiers)
        SendMessageW(Window(), WM_COMMAND, id, 0);
    PumpMessages(100);

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_EQ(nullptr, Opened().Window().GetAboutWindow());
    EXPECT_EQ(0, CountVisibleAboutWindows());
    EXPECT_EQ(caption, Opened().StripText());
    EXPECT_EQ(L"kept", WindowText(Opened().InputField()));
    EXPECT_EQ(AbcDigest, WindowText(Opened().DigestField()));
    EXPECT_EQ(globalIni, testsupport::ReadWholeFile(s_folder->GlobalIni()));
}

TEST_F(CommandsTest, ALeftClickReplaysTheStrip)
{
    SendMessageW(Window(), WM_COMPARE_REQUEST, 0, 0);
    const std::wstring caption = Opened().StripText();
    CStripShowCounter shows(Strip());
    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 240));
    PumpMessages();
    EXPECT_EQ(1, shows.Count());
    EXPECT_TRUE(IsWindowVisible(Strip()));
    EXPECT_EQ(caption, Opened().StripText());
    EXPECT_TRUE(Opened().StripHasIcon());
}

TEST_F(CommandsTest, ARightClickOpensTheContextMenuInTheCurrentLanguage)
{
    CPopupMenuReader reader;
    SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 240));
    PumpMessages();
    EXPECT_EQ(1, reader.Popups());
    EXPECT_EQ(L"Open a file", reader.FirstLabel());
}

TEST_F(CommandsTest, OneAboutWindowAtATimeCentredOverTheMainWindow)
{
    Command(205);
    CAboutWindow* about = Opened().Window().GetAboutWindow();
    ASSERT_NE(nullptr, about);
    HWND aboutWindow = about->GetHandle();
    ASSERT_TRUE(IsWindowVisible(aboutWindow));
    RECT main = {};
    GetWindowRect(Window(), &main);
    RECT box = {};
    GetWindowRect(aboutWindow, &box);
    EXPECT_EQ(main.left + (main.right - main.left - 300) / 2 + 10, box.left);
    EXPECT_EQ(main.top + (main.bottom - main.top - 200) / 2 + 10, box.top);

    // A second command brings the open one forward instead of opening another.
    Command(205);
    EXPECT_EQ(about, Opened().Window().GetAboutWindow());
    EXPECT_EQ(aboutWindow, about->GetHandle());
    EXPECT_EQ(1, CountVisibleAboutWindows());

    // A click closes it; the main window then lets it go.
    SendMessageW(aboutWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    PumpMessages();
    EXPECT_FALSE(IsWindow(aboutWindow));
    EXPECT_EQ(nullptr, Opened().Window().GetAboutWindow());
    EXPECT_EQ(0, CountVisibleAboutWindows());

    Command(205);
    ASSERT_NE(nullptr, Opened().Window().GetAboutWindow());
    EXPECT_EQ(1, CountVisibleAboutWindows());
    SendMessageW(Opened().Window().GetAboutWindow()->GetHandle(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, Opened().Window().GetAboutWindow());
}

TEST_F(CommandsTest, ALanguagePopupOutsideTheMenuBarLeavesMenusAndSettingsAsTheyWere)
{
    s_folder->WriteGlobalIni(L"english.ini", 7);
    const std::string globalIni = testsupport::ReadWholeFile(s_folder->GlobalIni());
    CModalWatcher watcher;
    Command(1);

    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_EQ(globalIni, testsupport::ReadWholeFile(s_folder->GlobalIni()));
    EXPECT_EQ(L"&File", MenuTitle(Window(), 0));
    EXPECT_EQ(L"&Compare", WindowText(Opened().CompareButton()));
    HMENU languages = GetSubMenu(GetMenu(Window()), 2);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(languages, 0, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(languages, 1, MF_BYCOMMAND) & MF_CHECKED);
    s_folder->WriteGlobalIni(L"english.ini");
}

TEST_F(CommandsTest, ALanguageSwitchRelabelsTheWindowAndTheNextVerdict)
{
    DropFiles(Window(), {*s_abc});
    Command(1);
    EXPECT_EQ(L"&Comparer", WindowText(Opened().CompareButton()));
    EXPECT_EQ(L"Empreinte publi\u00e9e", WindowText(Opened().Window().GetDropPanel()->GetHandle()));
    EXPECT_EQ(L"&Fichier", MenuTitle(Window(), 0));
    wchar_t current[64] = {};
    GetPrivateProfileStringW(L"CURRENT_LANGUAGE", L"_ini_file", L"", current, 64, s_folder->GlobalIni().c_str());
    EXPECT_STREQ(L"french.ini", current);

    SetWindowTextW(Opened().InputField(), AbcDigest);
    SendMessageW(Window(), WM_COMPARE_REQUEST, 0, 0);
    EXPECT_EQ(FrenchSentences.equal, SplitCaption(Opened().StripText()).sentence);

    // A language whose file is missing changes nothing.
    const std::string globalIni = testsupport::ReadWholeFile(s_folder->GlobalIni());
    {
        CModalWatcher watcher;
        Command(2);
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"The language file doesn't exist !", watcher.Boxes()[0].text);
    }
    EXPECT_EQ(globalIni, testsupport::ReadWholeFile(s_folder->GlobalIni()));
    EXPECT_EQ(L"&Comparer", WindowText(Opened().CompareButton()));

    Command(0);
    EXPECT_EQ(L"&Compare", WindowText(Opened().CompareButton()));
    EXPECT_EQ(L"&File", MenuTitle(Window(), 0));
}

TEST(MainWindowClose, TheCloseCommandEndsTheLoopWithZero)
{
    CProgramFolder folder;
    COpenedWindow opened(folder);
    ASSERT_EQ(0, opened.Started());
    HWND window = opened.Handle();
    SendMessageW(window, WM_COMMAND, 202, 0);
    EXPECT_FALSE(IsWindow(window)) << "the command destroys the window at once";
    EXPECT_EQ(0, opened.Close());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(opened.Window().IsNull());
}
