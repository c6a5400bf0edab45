#include "vrok_user/vrok_main.h"

#include "vrok_system/vrok_backgroundjob.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_windowsexception.h"

#include <windows.h>

namespace vrok { namespace main {

using user::mainwindow::CStdMainWindow;
using user::messagebox::ShowErrorMessage;
using user::messagebox::ShowInfoMessage;

namespace {

// How long a closing program waits for the threads of its stopped jobs, all together.
const DWORD ShutdownWaitMs = 1500;

}

CApplication* CApplication::s_instance = nullptr;
std::unique_ptr<CStdMainWindow> CApplication::s_mainWindow;
user::shortcuts::CShortcutTable CApplication::s_shortcuts;

CApplication::CApplication()
{
    s_instance = this;
}

CApplication::~CApplication()
{
    s_mainWindow.reset();
    s_instance = nullptr;
}

int CApplication::Start(CArgumentList&)
{
    return -1;
}

int CApplication::OpenMainWindow(CStdMainWindow* window)
{
    if (s_mainWindow.get() != window)
        s_mainWindow.reset(window);
    if (!window->Create())
    {
        const DWORD error = GetLastError();
        ShowErrorMessage(L"The main window cannot be created (error %u).\nThe program ends.",
                         static_cast<unsigned>(error));
        return -1;
    }
    window->Show(true);
    return 0;
}

bool CApplication::MainWindowFailed()
{
    return s_mainWindow != nullptr && s_mainWindow->IsNull();
}

bool CApplication::ReleaseMainWindow(DWORD timeoutMs)
{
    s_mainWindow.reset();
    return system::job::JoinStoppedJobs(timeoutMs);
}

int CApplication::Run()
{
    if (s_mainWindow == nullptr)
    {
        ShowErrorMessage(L"\nPointer to the main window is not saved.");
        throw user::windowsexception::CWindowsException("Pointer to the main window is not saved.");
    }
    MSG message = {};
    MSG fetched = {};
    for (;;)
    {
        const BOOL result = GetMessageW(&fetched, nullptr, 0, 0);
        if (result == -1)
            break;
        message = fetched;
        if (result == 0)
            break;
        if (TranslateShortcut(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool CApplication::SetShortcuts(const ACCEL* shortcuts, int count)
{
    return s_shortcuts.Assign(shortcuts, count);
}

bool CApplication::TranslateShortcut(MSG& message)
{
    if (s_mainWindow == nullptr || s_mainWindow->IsNull())
        return false;
    const HWND main = s_mainWindow->GetHandle();
    if (message.hwnd != main && !IsChild(main, message.hwnd))
        return false;
    return s_shortcuts.Translate(main, message);
}

int RunProgram(CApplication* application, const wchar_t* commandLine)
{
    if (application == nullptr)
    {
        ShowInfoMessage(L"Aucune instance globale de l'objet CApplication n'a été crée\nAbandon du programme");
        return -1;
    }
    // Before any window: the program draws itself sharp at every density.
    user::dpi::DeclareAwareness();
    CArgumentList arguments;
    arguments.Parse(commandLine);
    const int started = application->Start(arguments);
    if (started != 0 && CApplication::MainWindowFailed())
        return started;
    const int result = CApplication::Run();
    arguments.Clear();
    // A thread blocked in a read (a network share gone away) must not see the program's objects
    // freed under it: the process then ends here, at once, with the loop's result.
    if (!CApplication::ReleaseMainWindow(ShutdownWaitMs))
        ExitProcess(static_cast<UINT>(result));
    return result;
}

}}
