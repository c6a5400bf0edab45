#include "cli/command_line_program.h"
#include "cli/command_options.h"
#include "windows_application.h"

#include <windows.h>

// The program's one application object; constructing it registers it for the entry point.
static CWindowsApplication theApplication;

// The window program: given an option from a script it does the command line's work (in the
// console it was started from, or on the streams it was given); otherwise it opens the window.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    const std::vector<std::wstring> arguments = cli::SplitArguments(GetCommandLineW());
    if (cli::AsksForCommandLine(arguments))
        return cli::RunCommandLine(arguments, true);
    return vrok::main::RunProgram(vrok::main::CApplication::GetInstance(), commandLine);
}
