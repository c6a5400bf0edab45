#include "cli/command_line_program.h"
#include "cli/command_options.h"

#include <windows.h>

// The console program (vestigon.com, found before vestigon.exe when `vestigon` is typed in cmd
// or PowerShell, which then wait for it): it does the command line's work itself, and without an
// option it starts the window program beside it and returns at once.
int wmain(int, wchar_t**)
{
    const std::vector<std::wstring> arguments = cli::SplitArguments(GetCommandLineW());
    if (!cli::AsksForCommandLine(arguments))
        return cli::StartWindowProgram(GetCommandLineW());
    return cli::RunCommandLine(arguments, false);
}
