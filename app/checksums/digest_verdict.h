#ifndef VESTIGON_DIGEST_VERDICT_H
#define VESTIGON_DIGEST_VERDICT_H

#include "checksums/algorithm_names.h"

#include <map>
#include <string>

// The one decision on a reference digest against a file's digests, for the main window and for
// checksum lists alike: the reference's length says the algorithm (32 MD5, 40 SHA-1, 56 SHA-224,
// 64 SHA-256, 96 SHA-384, 128 SHA-512 and, when SHA-512's differs, BLAKE2b-512), then the digits.
namespace checksums {

// A file's digests as lowercase hexadecimal digits, by algorithm (BLAKE2b at any length).
class FileDigests
{
public:
    void Set(Algorithm algorithm, const std::wstring& digest) { m_digests[Key(algorithm, digest.size())] = digest; }
    // Null when that digest has not been computed.
    const std::wstring* Find(Algorithm algorithm, size_t digits) const;
    const std::wstring* Find(Algorithm algorithm) const { return Find(algorithm, DigitsOf(algorithm)); }
    bool Empty() const { return m_digests.empty(); }
    void Clear() { m_digests.clear(); }

private:
    typedef std::pair<Algorithm, size_t> CKey;
    static CKey Key(Algorithm algorithm, size_t digits) { return CKey(algorithm, digits); }
    std::map<CKey, std::wstring> m_digests;
};

enum class ReferenceVerdict
{
    Missing,         // no reference, or no digest of the file yet
    TooShort,        // fewer digits than any digest (below 32)
    TooLong,         // a length that is no digest's, above 32
    NeedsDigest,     // the algorithm's digest is still to be computed (toCompute)
    Equal,
    NotHexadecimal,  // not the digest, and not lowercase hexadecimal digits either
    Different,
};

struct JudgedReference
{
    ReferenceVerdict verdict = ReferenceVerdict::Missing;
    // The algorithm compared with (for 128 digits the one that matched, or SHA-512).
    Algorithm algorithm = Algorithm::Md5;
    // NeedsDigest: every digest to compute before the reference can be judged.
    AlgorithmSet toCompute;
};

// The reference as typed (case counts: an equal digest must be written as the program writes
// it, in lower case). A reference of 128 digits that nothing attributes is SHA-512's, then
// BLAKE2b-512's; `algorithm` forces one (a checksum file or a pasted tag that says which).
JudgedReference JudgeReference(const std::wstring& reference, const FileDigests& digests);
JudgedReference JudgeReference(const std::wstring& reference, const FileDigests& digests, Algorithm algorithm);

}

#endif
