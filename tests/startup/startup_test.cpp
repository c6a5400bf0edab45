#include "modal_watcher.h"

#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_windowsexception.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using testsupport::CModalWatcher;
using vrok::main::CApplication;
using vrok::main::CArgumentList;
using vrok::main::RunProgram;
using vrok::user::basewindow::CWindowClass;
using vrok::user::mainwindow::CStdMainWindow;
using vrok::user::windowsexception::CWindowsException;

namespace {

// The program as the user starts it, from the runnable folder beside the test data.
class CProgram
{
public:
    CProgram() : m_process{}
    {
        wchar_t path[MAX_PATH] = {};
        GetFullPathNameW(L"..\\vestigon\\vestigon.exe", MAX_PATH, path, nullptr);
        std::wstring commandLine = L"\"" + std::wstring(path) + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        m_started = CreateProcessW(path, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &m_process) != 0;
    }
    ~CProgram()
    {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    bool Started() const { return m_started; }

    // The main window once the program waits for input, that is once its start-up is over.
    HWND WaitForMainWindow(DWORD timeoutMs) const
    {
        WaitForInputIdle(m_process.hProcess, timeoutMs);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs)
        {
            HWND window = FindWindowW(L"VYMP_MAIN_WINDOW_CLASSNAME", nullptr);
            if (window != nullptr)
            {
                DWORD processId = 0;
                GetWindowThreadProcessId(window, &processId);
                if (processId == m_process.dwProcessId)
                    return window;
            }
            Sleep(50);
        }
        return nullptr;
    }

    // The exit code, or STILL_ACTIVE when the program did not end in time.
    DWORD WaitForExit(DWORD timeoutMs) const
    {
        WaitForSingleObject(m_process.hProcess, timeoutMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_process;
    bool m_started;
};

// A value of the version resource's string table, read from the resource itself: after the key
// come its terminator and the padding to 32 bits, then the value.
std::wstring VersionValue(HMODULE module, const std::wstring& key)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    if (resource == nullptr)
        return L"";
    const wchar_t* data = static_cast<const wchar_t*>(LockResource(LoadResource(module, resource)));
    const std::wstring block(data, SizeofResource(module, resource) / sizeof(wchar_t));
    const size_t at = block.find(key + L'\0');
    if (at == std::wstring::npos)
        return L"";
    size_t value = at + key.size();
    while (value < block.size() && block[value] == L'\0')
        ++value;
    return block.c_str() + value;
}

// A main window whose class registers under another name, so that the window itself cannot be made.
class CUnmakeableMainWindow : public CStdMainWindow
{
public:
    bool OnRegisterClass(CWindowClass& windowClass) override
    {
        windowClass.lpszClassName = L"VestigonStartupOtherClass";
        return true;
    }
};

class CUnluckyApplication : public CApplication
{
public:
    int Start(CArgumentList&) override { return OpenMainWindow(new CUnmakeableMainWindow()); }
};

}

TEST(Startup, ProgramOpensItsWindowAndEndsWithZeroWhenClosed)
{
    CProgram program;
    ASSERT_TRUE(program.Started()) << "error " << GetLastError();
    HWND window = program.WaitForMainWindow(15000);
    ASSERT_NE(nullptr, window);

    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_STREQ(L"Vestigon pour md5 v1.0", title);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(10, rect.top);
    EXPECT_EQ(420, rect.right - rect.left);
    EXPECT_EQ(300, rect.bottom - rect.top);
    EXPECT_NE(nullptr, FindWindowExW(window, nullptr, L"msctls_statusbar32", nullptr));

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit(15000));
}

TEST(Startup, ProgramCarriesItsIconManifestAndVersion)
{
    wchar_t path[MAX_PATH] = {};
    GetFullPathNameW(L"..\\vestigon\\vestigon.exe", MAX_PATH, path, nullptr);
    HMODULE program = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, program);
    for (int size : {16, 32, 48})
    {
        HICON icon = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(106), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(size, colour.bmWidth) << "the icon holds a picture of " << size << " pixels";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }

    HRSRC manifestResource = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, manifestResource);
    const char* manifest = static_cast<const char*>(LockResource(LoadResource(program, manifestResource)));
    const std::string manifestText(manifest, SizeofResource(program, manifestResource));
    EXPECT_NE(std::string::npos, manifestText.find("Microsoft.Windows.Common-Controls"));
    EXPECT_NE(std::string::npos, manifestText.find("version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, manifestText.find("level=\"asInvoker\""));

    EXPECT_EQ(L"Vestigon", VersionValue(program, L"ProductName"));
    FreeLibrary(program);
}

TEST(Startup, WithoutApplicationObjectTheUserIsToldAndTheResultIsMinusOne)
{
    CModalWatcher watcher;
    EXPECT_EQ(-1, RunProgram(nullptr, L""));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Aucune instance globale de l'objet CApplication n'a été crée\nAbandon du programme",
              watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
}

TEST(Startup, MainWindowThatCannotBeMadeEndsWithAnErrorInsteadOfWaiting)
{
    CUnluckyApplication application;
    EXPECT_EQ(&application, CApplication::GetInstance());
    CModalWatcher watcher;
    EXPECT_EQ(-1, RunProgram(CApplication::GetInstance(), L""));
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_NE(std::wstring::npos, watcher.Boxes()[0].text.find(L"main window cannot be created"));
}

TEST(Startup, LoopWithoutMainWindowTellsTheUserAndThrows)
{
    CApplication application;
    CModalWatcher watcher;
    try
    {
        CApplication::Run();
        FAIL() << "Run without a main window must throw";
    }
    catch (const CWindowsException& exception)
    {
        EXPECT_STREQ("Pointer to the main window is not saved.", exception.what());
        EXPECT_STREQ("..\\src\\vrok_user\\vrok_main", exception.GetSourcePath());
        EXPECT_EQ(146, exception.GetLine());
    }
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"\nPointer to the main window is not saved.", watcher.Boxes()[0].text);
}
