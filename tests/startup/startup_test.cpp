// Starting the program: its window as the user first sees it, its exit code, and the boxes
// that replace a start that cannot go on.

#include "modal_watcher.h"
#include "window_testing.h"

#include "settings/program_texts.h"
#include "vrok_user/vrok_main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vrok::main::CApplication;
using vrok::main::RunProgram;

TEST(Startup, ProgramOpensItsWindowAndEndsWithZeroWhenClosed)
{
    wchar_t path[MAX_PATH] = {};
    GetFullPathNameW(L"..\\vestigon\\vestigon.exe", MAX_PATH, path, nullptr);
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(path, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process)) << "error " << GetLastError();
    HWND window = nullptr;
    DWORD owner = 0;
    testsupport::PumpUntil([&] {
        window = FindWindowW(L"VYMP_MAIN_WINDOW_CLASSNAME", nullptr);
        return GetWindowThreadProcessId(window, &owner) != 0 && owner == process.dwProcessId;
    }, 15000);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(L"Vestigon pour md5 v1.0", testsupport::WindowText(window));
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ((std::vector<LONG>{10, 10, 420, 300}),
              (std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}));

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process.hProcess, 15000);
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(0u, code);
    TerminateProcess(process.hProcess, 99);  // when it did not end
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A main window that refuses its own creation: the window cannot be made.
class CRefusingWindow : public vrok::user::mainwindow::CStdMainWindow
{
public:
    CRefusingWindow() : CStdMainWindow(programtexts::MainWindowLook) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_CREATE ? -1 : CStdMainWindow::HandleMessage(message, wParam, lParam);
    }
};

TEST(Startup, WithoutApplicationObjectOrMainWindowTheUserIsToldAndTheProgramEnds)
{
    testsupport::CModalWatcher watcher;
    EXPECT_EQ(-1, RunProgram(nullptr, L""));
    struct CUnluckyApplication : CApplication {
        int Start(vrok::main::CArgumentList&) override
        {
            return OpenMainWindow(new CRefusingWindow());
        }
    } application;
    EXPECT_NE(0, RunProgram(CApplication::GetInstance(), L"")) << "and no loop waiting for a window";
    ASSERT_EQ(2u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Aucune instance globale de l'objet CApplication n'a été crée\nAbandon du programme",
              watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
    EXPECT_EQ(L"Erreur", watcher.Boxes()[1].caption);
    EXPECT_NE(std::wstring::npos, watcher.Boxes()[1].text.find(L"main window cannot be created"));
}
