#ifndef VESTIGON_FILE_STATUS_H
#define VESTIGON_FILE_STATUS_H

#include "hashing/file_hasher.h"

#include <string>

namespace hashing {

// What a hashing outcome tells the user of the file, the same in the main window and in a list:
// its digest, that it is not there, that it is there but cannot be opened or read, or nothing
// (the hashing was stopped).
enum class FileStatus { Hashed, Missing, Unreadable, Stopped };

// A file that cannot be opened is missing when the system says no such file or folder exists.
FileStatus StatusOf(Outcome outcome, const std::wstring& path);

}

#endif
