// The program on a screen of 144 DPI (this test program runs in a Wine prefix of its own whose
// LogPixels is 144): the real program seen from outside, then the main window in this process.
#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"
#include "window_testing.h"

#include "window/about_window.h"
#include "window/cool_control.h"
#include "window/my_window.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_main.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testsupport;

namespace {

const int Dpi = 144;

std::wstring FullPath(const std::wstring& path)
{
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

const std::wstring ProgramFolder = FullPath(L"..\\vestigon");

void ExpectRect(const RECT& expected, const RECT& actual, int tolerance)
{
    EXPECT_NEAR(expected.left, actual.left, tolerance);
    EXPECT_NEAR(expected.top, actual.top, tolerance);
    EXPECT_NEAR(expected.right - expected.left, actual.right - actual.left, tolerance);
    EXPECT_NEAR(expected.bottom - expected.top, actual.bottom - actual.top, tolerance);
}

int FontHeight(HFONT font)
{
    LOGFONTW description = {};
    GetObjectW(font, sizeof(description), &description);
    return description.lfHeight;
}

// The real program started on one argument; ended when the object goes.
class CProgram
{
public:
    explicit CProgram(const std::wstring& argument)
    {
        const std::wstring exe = ProgramFolder + L"\\vestigon.exe";
        std::wstring commandLine = L"\"" + exe + L"\" \"" + argument + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        EXPECT_TRUE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &m_process));
        WaitForInputIdle(m_process.hProcess, 20000);
    }
    ~CProgram()
    {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    // Its visible top-level window of the class; null when none came in time.
    HWND Window(const wchar_t* className) const
    {
        HWND found = nullptr;
        PumpUntil([&] {
            for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
                DWORD processId = 0;
                GetWindowThreadProcessId(window, &processId);
                if (processId == m_process.dwProcessId && IsWindowVisible(window))
                    return (found = window) != nullptr;
            }
            return false;
        }, 20000);
        return found;
    }

private:
    PROCESS_INFORMATION m_process = {};
};

// How many pixels of a client rectangle of the window have the colour, read from the screen.
int CountPixels(HWND window, const RECT& area, bool (*hasColour)(COLORREF))
{
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += hasColour(GetPixel(screen, origin.x + x, origin.y + y));
    ReleaseDC(nullptr, screen);
    return count;
}

// A copy of the sample in a folder whose path is 200 characters long.
std::wstring DeepSample(const CTemporaryFolder& folder)
{
    std::wstring deep = folder.Path();
    while (deep.size() < 200) {
        deep += L"\\" + std::wstring(std::min<size_t>(40, 199 - deep.size()), L'd');
        CreateDirectoryW(deep.c_str(), nullptr);
    }
    return folder.WriteFile(deep.substr(folder.Path().size() + 1) + L"\\sample file.bin",
                            ReadWholeFile(L"e2e\\sample.bin"));
}

// The width of the strip's first line as the strip draws it, in its own font.
int DrawnLineWidth(const OMyWindow& my)
{
    const std::wstring text = my.GetNotifyWindow()->GetMessageText();
    const std::wstring line = text.substr(0, text.find(L'\n'));
    HDC context = GetDC(my.GetNotifyWindow()->GetHandle());
    HGDIOBJ previous = SelectObject(context, my.GetNotifyWindow()->GetFont().GetHandle());
    SIZE size = {};
    GetTextExtentPoint32W(context, line.c_str(), static_cast<int>(line.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(my.GetNotifyWindow()->GetHandle(), context);
    return size.cx;
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsInk(COLORREF colour)
{
    return GetRValue(colour) < 128 && GetGValue(colour) < 128 && GetBValue(colour) < 128;
}

// The main window in this process, on the program's own profile files.
class CMainWindow : public vrok::main::CApplication
{
public:
    explicit CMainWindow(const std::wstring& file) : m_file(file)
    {
        vrok::user::dpi::DeclareAwareness();
        vrok::main::CArgumentList arguments;
        EXPECT_EQ(0, Start(arguments));
        PumpMessages(60);
    }
    ~CMainWindow() override
    {
        DestroyWindow(My().GetHandle());
        PumpMessages(30);
        UnregisterClassW(vrok::user::mainwindow::CStdMainWindow::ClassName, GetModuleHandleW(nullptr));
    }
    int Start(vrok::main::CArgumentList&) override
    {
        const vrok::data::type::string::CString file(m_file);
        OMyWindow* window = new OMyWindow(&file);
        window->SetProgramFolder(ProgramFolder.c_str());
        return OpenMainWindow(window);
    }
    OMyWindow& My() const { return *static_cast<OMyWindow*>(GetMainWindow()); }

private:
    std::wstring m_file;
};

}

TEST(HighDpi, TheProgramOpensInProportionWithItsStartFileWhole)
{
    CTemporaryFolder folder;
    const std::wstring file = DeepSample(folder);
    ASSERT_EQ(216u, file.size());
    ASSERT_EQ(32u, ReferenceDigestOf(L"e2e\\md5sums.txt", L"sample.bin").size());

    CProgram program(file);
    HWND window = program.Window(L"VYMP_MAIN_WINDOW_CLASSNAME");
    ASSERT_NE(nullptr, window);
    RECT outer = {};
    GetWindowRect(window, &outer);
    ExpectRect({15, 15, 15 + 630, 15 + 450}, outer, 4);
    HWND panel = FindWindowExW(window, nullptr, L"VYMP_GRADIENT_WINDOW_CLASSNAME", nullptr);
    ExpectRect({3, 150, 603, 330}, ChildRect(panel), 2);
    HWND digest = nullptr;
    for (HWND edit = nullptr; (edit = FindWindowExW(panel, edit, L"Edit", nullptr)) != nullptr;)
        if (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY)
            digest = edit;
    EXPECT_EQ(ReferenceDigestOf(L"e2e\\md5sums.txt", L"sample.bin"), WindowText(digest));

    // The strip says the path shortened in its folders, with the whole file name at its end.
    HWND strip = FindWindowExW(window, nullptr, L"VYMP_NOTIFY_WINDOW_CLASSNAME", nullptr);
    const std::wstring line = WindowText(strip);
    EXPECT_TRUE(EndsWith(line, L"\\sample file.bin")) << Narrow(line);
    EXPECT_EQ(L"file : ", line.substr(0, 7));
    EXPECT_NE(std::wstring::npos, line.find(L"..."));
    RECT client = {};
    GetClientRect(strip, &client);
    EXPECT_TRUE(PumpUntil([&] { return CountPixels(strip, {72, 18, client.right, 40}, IsInk) > 100; }))
        << "the line is drawn";
}

TEST(HighDpi, AMissingFileWithA600CharacterPathIsToldInAShortenedBox)
{
    const std::wstring path = L"C:\\" + std::wstring(585, L'm') + L"\\missing.bin";
    ASSERT_EQ(600u, path.size());
    CProgram program(path);
    HWND box = program.Window(L"#32770");
    ASSERT_NE(nullptr, box) << "no error box";
    const CSeenBox seen = ReadBox(box);
    EXPECT_EQ(L"Erreur", seen.caption);
    EXPECT_EQ(L"Open file C:\\mmm", seen.text.substr(0, 16));
    EXPECT_EQ(L"m\\missing.bin failed !", seen.text.substr(seen.text.size() - std::min<size_t>(seen.text.size(), 22)));
    EXPECT_NE(std::wstring::npos, seen.text.find(L"m...m"));
}

// The drawing made for the density where there is one, otherwise the nearest larger one reduced.
TEST(HighDpi, PicturesAreTheDrawingsOfTheDensity)
{
    const struct { int dpi, id, size; } rows[] = {
        {96, 101, 30}, {120, 101, 38}, {144, 101, 45}, {192, 101, 60}, {288, 101, 90},
        {96, CAboutWindow::PictureId, 336}, {144, CAboutWindow::PictureId, 504}, {192, CAboutWindow::PictureId, 672},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.dpi) + " " + std::to_string(row.id));
        vrok::user::graphics::CBitmap picture;
        ASSERT_TRUE(picture.LoadForDpi(row.id, row.dpi));
        BITMAP record = {};
        GetObjectW(picture.GetHandle(), sizeof(record), &record);
        EXPECT_EQ(row.size, record.bmWidth);
    }
}

TEST(HighDpi, FontsAndShieldAreThoseOfTheDensityAndFollowAChange)
{
    CTemporaryFolder folder;
    CMainWindow opened(DeepSample(folder));
    OMyWindow& my = opened.My();
    ASSERT_EQ(Dpi, my.GetDpi());
    HWND input = my.GetDropPanel()->GetInputField()->GetHandle();
    EXPECT_EQ(21, FontHeight(reinterpret_cast<HFONT>(SendMessageW(input, WM_GETFONT, 0, 0))));
    EXPECT_EQ(21, my.GetNotifyWindow()->GetFont().lfHeight);
    RECT strip = {};
    GetClientRect(my.GetNotifyWindow()->GetHandle(), &strip);
    EXPECT_NEAR(120, strip.bottom, 2);
    EXPECT_TRUE(EndsWith(my.GetNotifyWindow()->GetMessageText(), L"\\sample file.bin\n"));
    EXPECT_LE(DrawnLineWidth(my), my.GetNotifyWindow()->GetLineWidth());
    EXPECT_GT(DrawnLineWidth(my), my.GetNotifyWindow()->GetLineWidth() * 3 / 4) << "the room is used";

    // The green shield of 45 pixels at (15, 15): much of it lies beyond the 30 pixels of the 1x one.
    SetWindowTextW(input, ReferenceDigestOf(L"e2e\\md5sums.txt", L"sample.bin").c_str());
    SendMessageW(my.GetHandle(), WM_COMPARE_REQUEST, 0, 0);
    PumpMessages(500);
    HWND stripWindow = my.GetNotifyWindow()->GetHandle();
    UpdateWindow(stripWindow);
    EXPECT_GT(CountPixels(stripWindow, {45, 15, 60, 60}, IsGreen), 80);

    // Moved to a monitor of 192 DPI: the suggested rectangle, and everything at twice its size.
    RECT suggested = {40, 30, 40 + 840, 30 + 600};
    SendMessageW(my.GetHandle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages(100);
    RECT moved = {};
    GetWindowRect(my.GetHandle(), &moved);
    ExpectRect(suggested, moved, 0);
    ExpectRect({4, 200, 804, 440}, ChildRect(my.GetDropPanel()->GetHandle()), 0);
    ExpectRect({100, 60, 700, 100}, ChildRect(input), 0);
    EXPECT_EQ(28, FontHeight(reinterpret_cast<HFONT>(SendMessageW(input, WM_GETFONT, 0, 0))));
    EXPECT_EQ(28, my.GetNotifyWindow()->GetFont().lfHeight);
    const std::wstring text = my.GetNotifyWindow()->GetMessageText();
    EXPECT_NE(std::wstring::npos, text.find(L"\\sample file.bin\n")) << "the path line is kept";
    EXPECT_LE(DrawnLineWidth(my), my.GetNotifyWindow()->GetLineWidth());
}
