#ifndef VESTIGON_FILE_NAMES_H
#define VESTIGON_FILE_NAMES_H

#include <string>
#include <vector>

// Files and folders by name: the parts of a path, a name listed relative to a folder, the names
// of a folder's files and the bytes of a file. Names compare without regard to case, as the
// file systems of Windows do.
namespace checksums {

// The folder part of a path, without its last separator (`\` or `/`); empty for a bare name.
std::wstring FolderOf(const std::wstring& path);

// The file name after the last separator; the whole path when it has none.
std::wstring FileNameOf(const std::wstring& path);

// True when two paths name the same file on a file system that ignores case.
bool SamePathIgnoringCase(const std::wstring& first, const std::wstring& second);

// The full path a listed name stands for: the name's folder parts (separated by `/` or `\`,
// `.` and `..` included) taken relative to the list's folder. Empty when the name is empty,
// rooted (`/x`, `\x`, `C:x`) or climbs above the folder's root.
std::wstring ResolveListedName(const std::wstring& listFolder, const std::wstring& listedName);

// The plain files of a folder (no folders), as they are spelled on disk, sorted by name without
// regard to case.
std::vector<std::wstring> ListFolderFiles(const std::wstring& folder);

// Reads a whole file of at most maxBytes into `bytes`; false when it cannot be opened or read,
// or is larger.
bool ReadFileBytes(const std::wstring& path, unsigned long long maxBytes, std::string& bytes);

}

#endif
