#ifndef VESTIGON_CLI_CHECK_COMMAND_H
#define VESTIGON_CLI_CHECK_COMMAND_H

#include "cli/command_options.h"
#include "cli/console_output.h"

// --check and --verify: exit code 0 when every file is OK, 1 otherwise.
namespace cli {

// Checks each list named by the operands, every line by its own algorithm.
int RunCheck(const CommandRequest& request, CConsoleOutput& output);

// Checks the file named first against the digest given second, whose length says the algorithm
// (128 digits: SHA-512 or BLAKE2b-512, both tried in the one read of the file). A digest that is
// none is a usage error: 2.
int RunVerify(const CommandRequest& request, CConsoleOutput& output);

}

#endif
