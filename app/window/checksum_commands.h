#ifndef VESTIGON_CHECKSUM_COMMANDS_H
#define VESTIGON_CHECKSUM_COMMANDS_H

#include "checksums/algorithm_names.h"

#include <windows.h>

#include <string>

// What the main window needs for checksum files: sentences and messages of the current
// language, and the checksum file saved beside the file.
namespace checksumcommands {

// The file name after the last folder separator.
std::wstring FileNameOf(const std::wstring& path);

// A [SENTENCES] text of the current language file, at most 49 characters; empty when missing.
std::wstring ReadSentence(const wchar_t* key, const wchar_t* programFolder);
// A [MESSAGES] text (for boxes), at most 259 characters; empty when missing.
std::wstring ReadMessage(const wchar_t* key, const wchar_t* programFolder);

// Writes the checksum file of the algorithm beside the file (FILE.md5, FILE.sha256, ...),
// holding the file's checksum line. A file of that name with other content is replaced only
// when the user says yes; a failure is told in a box that names the file. True when the file
// holds the line afterwards.
bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            checksums::Algorithm algorithm, const wchar_t* programFolder);

}

#endif
