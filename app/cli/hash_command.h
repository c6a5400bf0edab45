#ifndef VESTIGON_CLI_HASH_COMMAND_H
#define VESTIGON_CLI_HASH_COMMAND_H

#include "cli/command_options.h"
#include "cli/console_output.h"

#include <string>
#include <vector>

// --hash: the checksum line of each file, as md5sum, sha256sum, b2sum and the others print it.
namespace cli {

// The files a name with wildcards (* and ?) in its last part stands for, in the order of their
// names, each written with the folder part as it was given; the name itself when it has no
// wildcard or matches nothing (as a shell leaves it). cmd does not expand them itself.
std::vector<std::wstring> ExpandWildcards(const std::wstring& name);

// Exit code 0 when every file was hashed, 1 otherwise.
int RunHash(const CommandRequest& request, CConsoleOutput& output);

}

#endif
