#ifndef VESTIGON_CLI_MESSAGE_QUOTING_H
#define VESTIGON_CLI_MESSAGE_QUOTING_H

#include "hashing/file_hasher.h"

#include <string>

// Names in messages as coreutils writes them there: as they are when a shell would read them so,
// otherwise quoted for a shell ('my file.bin', "it's.bin", 'a'$'\n''b').
namespace cli {

std::wstring QuoteForMessage(const std::wstring& name);

// Why a file could not be hashed, in the C library's words: "No such file or directory",
// "Is a directory", "Permission denied" or "Input/output error".
std::wstring ReasonOfFailure(hashing::Outcome outcome, const std::wstring& path);

}

#endif
