#ifndef VESTIGON_REFERENCE_FINDER_H
#define VESTIGON_REFERENCE_FINDER_H

#include "checksums/algorithm_names.h"

#include <functional>
#include <string>
#include <vector>

// The reference digest of a file, looked up in the checksum files that sit beside it.
namespace checksums {

// At most this many checksum files beside a hashed file are read, each only when it is at most
// MaxBesideFileBytes long (a checksum list the user checks may be larger: lists::CListCheckJob).
const size_t MaxCandidateFiles = 32;
const unsigned long long MaxBesideFileBytes = 4ull << 20;

// The checksum files of a folder that may list `name`, in the order they are read, at most
// MaxCandidateFiles of them, the file itself never. With MD5 alone accepted: those named after
// the file (NAME.md5, NAME.md5sum, NAME.md5.txt), the usual list names (MD5SUMS, MD5SUMS.txt,
// md5sums.txt, md5sum.txt, checksums.md5), then any other *.md5 by name. With other algorithms
// accepted, before those, for each accepted algorithm strongest first (SHA-512, SHA-384,
// SHA-256, SHA-224, SHA-1, BLAKE2b): NAME.sha512, NAME.sha512sum, NAME.sha512.txt, ...; then
// SHA512SUMS and SHA512SUMS.txt, ...; sha512sum.txt and sha512sums.txt, ...; checksums.txt,
// *_checksums.txt, *-checksums.txt; *CHECKSUM*; any other *.sha512, ..., *.b2. Names compare
// without regard to case; the names returned are those on disk.
std::vector<std::wstring> FindCandidateFiles(const std::wstring& folder, const std::wstring& name,
                                             AlgorithmSet accepted = Md5Only);

struct ReferenceLookup
{
    enum Outcome { NotFound, Found, Conflict };
    Outcome outcome = NotFound;
    std::wstring digest;       // Found: lowercase hexadecimal digits of `algorithm`
    std::wstring sourceName;   // Found: the checksum file it came from; Conflict: the first one
    std::wstring otherName;    // Conflict: the file that gives another digest
    Algorithm algorithm = Algorithm::Md5;
    // Found: 128 digits from a file that does not say whether they are SHA-512's or BLAKE2b's.
    bool mayBeBlake2b = false;
    // A size line for the file (`# NAME: <N> bytes`), from the first checksum file giving one.
    bool sizeListed = false;
    unsigned long long listedSize = 0;
    std::wstring sizeSourceName;
};

// Asked before each checksum file is read; true stops the look-up, which then finds nothing.
using StopQuestion = std::function<bool()>;

// Looks in the folder of `filePath` for the digest the checksum files give for that file. A
// file that cannot be read, is too large or holds no accepted lines is passed over. Of the
// files that list it, those of the strongest algorithm decide (SHA-512, SHA-384, SHA-256,
// BLAKE2b, 128 digits that may be either, SHA-224, SHA-1, MD5); two of them that give
// different digests are a conflict.
ReferenceLookup FindReferenceDigest(const std::wstring& filePath, AlgorithmSet accepted = Md5Only,
                                    const StopQuestion& stopRequested = StopQuestion());

}

#endif
