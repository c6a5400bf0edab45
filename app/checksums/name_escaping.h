#ifndef VESTIGON_NAME_ESCAPING_H
#define VESTIGON_NAME_ESCAPING_H

#include <string>

// Names in checksum lines and in check results as coreutils writes them. A checksum line whose
// name holds a backslash or a line break (LF or CR) has them escaped and starts with a
// backslash; a check result escapes a name that way only when it holds a line feed.
namespace checksums {

// True when a checksum line must write the name escaped.
bool NeedsEscapingInLine(const std::wstring& name);

// The name with each backslash, LF and CR written as \\, \n and \r.
std::wstring EscapeName(const std::wstring& name);

// The reverse of EscapeName; false (the name left as it was) for any other escape or a lone
// backslash at the end, which no coreutils line holds.
bool UnescapeName(std::wstring& name);

}

#endif
