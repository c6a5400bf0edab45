#ifndef VESTIGON_TESTS_E2E_RUNNING_PROGRAM_H
#define VESTIGON_TESTS_E2E_RUNNING_PROGRAM_H

#include <windows.h>

#include <string>

namespace e2e {

// The real program started as its own process, as a user or the shell starts it: the exe's
// quoted path, a blank and the arguments as they are given. Everything the tests learn about it
// comes from outside: its windows, its boxes and its exit code. A program still running when
// the object goes is ended, so that a failed test leaves nothing behind.
class CRunningProgram
{
public:
    CRunningProgram(const std::wstring& exePath, const std::wstring& arguments);
    ~CRunningProgram();
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    bool IsStarted() const { return m_started; }

    // The program's top-level window of class VYMP_MAIN_WINDOW_CLASSNAME once it waits for input
    // (its start-up, the digest of the command-line file included, is over); null after the time.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // A message box (dialog class "#32770") that the program shows; null when none came in time.
    HWND WaitForBox(DWORD timeoutMs) const;

    // The exit code, or STILL_ACTIVE when the program did not end in time.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    HWND FindOwnWindow(const wchar_t* className) const;

    PROCESS_INFORMATION m_process;
    bool m_started;
};

// The text of a box's static control, the sentence it tells (its icon is a static control too,
// without text).
std::wstring BoxText(HWND box);

// Presses the box's OK button (or its only button) from outside.
void DismissBox(HWND box);

// The text of any window of any process, asked for with WM_GETTEXT (edit controls keep their
// text to themselves; the window title alone would not show it).
std::wstring TextOf(HWND window);

}

#endif
