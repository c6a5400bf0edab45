#ifndef VESTIGON_CLI_COMMAND_OPTIONS_H
#define VESTIGON_CLI_COMMAND_OPTIONS_H

#include "checksums/algorithm_names.h"

#include <optional>
#include <string>
#include <vector>

// The command line for scripts, read the way coreutils' checksum tools read theirs: options and
// operands in any order, `--` ending the options, long options shortened to any unambiguous start.
namespace cli {

enum class Command { Window, Check, Verify, Hash, Help, Version, UsageError };

// What a check prints; of --quiet, --status and --warn the last one given counts.
enum class Verbosity { Normal, Quiet, Status, Warn };

struct CommandRequest
{
    Command command = Command::Window;
    std::vector<std::wstring> operands;
    Verbosity verbosity = Verbosity::Normal;
    bool strict = false;
    bool ignoreMissing = false;
    // --check: the list's signature must hold with a shipped or added key.
    bool requireSignature = false;
    bool tag = false;
    checksums::Algorithm algorithm = checksums::Algorithm::Sha256;
    // For a usage error: what is wrong, as the first line of the message.
    std::wstring problem;
};

// True when the arguments are for the command line: one of them is an option (starts with `-`
// and is more than `-`, or is `/?`). Without one, the window opens with the file named first.
// Read for the command line, arguments never ask for the window: without a command they are a
// usage error.
bool AsksForCommandLine(const std::vector<std::wstring>& arguments);

CommandRequest ParseCommandLine(const std::vector<std::wstring>& arguments);

// The arguments after the program's name, split as the C runtime splits them.
std::vector<std::wstring> SplitArguments(const wchar_t* commandLine);

}

#endif
