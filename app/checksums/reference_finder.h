#ifndef VESTIGON_REFERENCE_FINDER_H
#define VESTIGON_REFERENCE_FINDER_H

#include <string>
#include <vector>

// The reference digest of a file, looked up in the checksum files that sit beside it.
namespace checksums {

// At most this many candidate files are read, each only when it is at most MaxListBytes long.
const size_t MaxCandidateFiles = 32;
const unsigned long long MaxListBytes = 4ull << 20;

// The plain files of a folder (no folders), as they are spelled on disk, sorted by name without
// regard to case.
std::vector<std::wstring> ListFolderFiles(const std::wstring& folder);

// The checksum files of a folder that may list `name`, in the order they are read: those
// named after the file (NAME.md5, NAME.md5sum, NAME.md5.txt), the usual list names (MD5SUMS,
// MD5SUMS.txt, md5sums.txt, md5sum.txt, checksums.md5), then any other *.md5 by name. Names
// compare without regard to case; the names returned are those on disk, at most
// MaxCandidateFiles of them.
std::vector<std::wstring> FindCandidateFiles(const std::wstring& folder, const std::wstring& name);

struct ReferenceLookup
{
    enum Outcome { NotFound, Found, Conflict };
    Outcome outcome = NotFound;
    std::wstring digest;       // Found: 32 lowercase hexadecimal digits
    std::wstring sourceName;   // Found: the checksum file it came from; Conflict: the first one
    std::wstring otherName;    // Conflict: the file that gives another digest
};

// Looks in the folder of `filePath` for the digest the checksum files give for that file. A
// file that cannot be read, is too large or holds no MD5 lines is passed over.
ReferenceLookup FindReferenceDigest(const std::wstring& filePath);

}

#endif
