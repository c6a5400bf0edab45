#ifndef VESTIGON_CLI_COMMAND_LINE_PROGRAM_H
#define VESTIGON_CLI_COMMAND_LINE_PROGRAM_H

#include "cli/console_output.h"

#include <string>
#include <vector>

// The command line's entry: the same for the console program (vestigon.com) and for the window
// program (vestigon.exe) given an option.
namespace cli {

// Runs what the arguments ask for on the program's standard streams (for the window program:
// those it was given, or the console it was started from) and returns the exit code.
int RunCommandLine(const std::vector<std::wstring>& arguments, bool windowProgram);

// The same on the given output.
int RunCommandLine(const std::vector<std::wstring>& arguments, CConsoleOutput& output);

// For the console program started without an option: starts the window program beside it
// (same name, .exe) with the same command line and does not wait for it. 0 when it started.
int StartWindowProgram(const wchar_t* commandLine);

}

#endif
