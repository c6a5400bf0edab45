#ifndef VESTIGON_CHECKSUM_COMMANDS_H
#define VESTIGON_CHECKSUM_COMMANDS_H

#include "checksums/algorithm_names.h"

#include <windows.h>

#include <string>

// The checksum file the main window saves beside the file.
namespace checksumcommands {

// Writes the checksum file of the algorithm beside the file (FILE.md5, FILE.sha256, ...),
// holding the file's checksum line. A file of that name with other content is replaced only
// when the user says yes; a failure is told in a box that names the file. True when the file
// holds the line afterwards.
bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            checksums::Algorithm algorithm, const wchar_t* programFolder);

}

#endif
