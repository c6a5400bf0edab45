#include "reference_digests.h"

#include "test_files.h"

#include <sstream>

namespace testsupport {

std::vector<CReferenceDigest> ReadReferenceDigests(const std::wstring& listPath)
{
    const std::wstring folder = listPath.substr(0, listPath.find_last_of(L"\\/") + 1);
    std::vector<CReferenceDigest> entries;
    std::istringstream lines(ReadWholeFile(listPath));
    std::string line;
    // "<hex digits>  <name>", or "<digits> *<name>" for files read in binary mode.
    while (std::getline(lines, line)) {
        const size_t digits = line.find(' ');
        if (digits != std::string::npos && digits > 0 && line.size() > digits + 2)
            entries.push_back({ folder + Widen(line.substr(digits + 2, line.find_last_not_of('\r') - digits - 1)),
                                Widen(line.substr(0, digits)) });
    }
    return entries;
}

std::wstring ReferenceDigestOf(const std::wstring& listPath, const std::wstring& fileName)
{
    for (const CReferenceDigest& entry : ReadReferenceDigests(listPath))
        if (entry.path == listPath.substr(0, listPath.find_last_of(L"\\/") + 1) + fileName)
            return entry.digest;
    return std::wstring();
}

}
