#ifndef VESTIGON_CLI_USAGE_TEXTS_H
#define VESTIGON_CLI_USAGE_TEXTS_H

#include "cli/console_output.h"

#include <string>

// The texts the command line prints about itself; in English, as coreutils' are.
namespace cli {

// The exit code of a wrong option, a missing argument or an argument that means nothing.
const int UsageErrorCode = 2;

// "vestigon: PROBLEM" then the hint to --help, on standard error.
void ReportUsageError(const std::wstring& problem, CConsoleOutput& output);

std::wstring HelpText();
std::wstring VersionText();

}

#endif
