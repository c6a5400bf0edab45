#ifndef VESTIGON_TESTS_REFERENCE_DIGESTS_H
#define VESTIGON_TESTS_REFERENCE_DIGESTS_H

#include <string>
#include <vector>

namespace testsupport {

// One line of a list written on the host by a coreutils digest tool (md5sum, sha256sum, b2sum...):
// the digest it printed and the file's path, relative to the list's folder joined onto it.
struct CReferenceDigest
{
    std::wstring path;
    std::wstring digest;
};

// The entries of such a list, e.g. "digest\\md5sums.txt" (relative to the working folder,
// the test data folder); empty when the list cannot be read.
std::vector<CReferenceDigest> ReadReferenceDigests(const std::wstring& listPath);

// The reference digest of one file of a list, or an empty text when the list does not name it.
std::wstring ReferenceDigestOf(const std::wstring& listPath, const std::wstring& fileName);

}

#endif
