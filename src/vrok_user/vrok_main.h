#ifndef VROK_USER_MAIN_H
#define VROK_USER_MAIN_H

#include "vrok_user/vrok_argumentlist.h"
#include "vrok_user/vrok_shortcuts.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <memory>

namespace vrok { namespace main {

// The program's one application object. Its constructor registers it as the instance that the
// entry point runs; Start creates the main window, which the application then owns; Run is the
// message loop whose result becomes the exit code.
class CApplication
{
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Creates and records the main window; 0 when it is open. The base has no window: -1.
    virtual int Start(CArgumentList& arguments);

    // Fetches and dispatches the thread's messages until the quit message; returns its code.
    // Without a recorded main window: error box, then CWindowsException.
    static int Run();

    static CApplication* GetInstance() { return s_instance; }
    static user::mainwindow::CStdMainWindow* GetMainWindow() { return s_mainWindow.get(); }

    // True when a main window was recorded but its platform window could not be made.
    static bool MainWindowFailed();
    // Lets the main window's object go (its window is gone once the loop has ended), and with it
    // the background jobs of its windows; false when a job's thread is still blocked after
    // `timeoutMs` in all.
    static bool ReleaseMainWindow(DWORD timeoutMs);

    // Keyboard shortcuts of the main window, replacing earlier ones: each key sends its command
    // to the main window whichever child has the focus. False when they cannot be set.
    static bool SetShortcuts(const ACCEL* shortcuts, int count);
    // A key message of the main window or its children becomes its shortcut's command; true
    // when it did, and the message is then not to be dispatched.
    static bool TranslateShortcut(MSG& message);

protected:
    // Records the window (the application owns it from now on), creates it and shows it.
    // When the platform makes no window the user is told and the result is -1.
    int OpenMainWindow(user::mainwindow::CStdMainWindow* window);

private:
    static CApplication* s_instance;
    static std::unique_ptr<user::mainwindow::CStdMainWindow> s_mainWindow;
    static user::shortcuts::CShortcutTable s_shortcuts;
};

// The entry point's work: runs the application with the command line and returns the exit
// code. Without an application object the user is told and the result is -1; when Start could
// not open the main window its result is returned without waiting for messages.
int RunProgram(CApplication* application, const wchar_t* commandLine);

}}

#endif
