#include "reference_digests.h"

#include "test_files.h"

#include <sstream>

namespace testsupport {

namespace {

std::wstring FolderOf(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

}

std::vector<CReferenceDigest> ReadReferenceDigests(const std::wstring& listPath)
{
    std::vector<CReferenceDigest> entries;
    std::istringstream lines(ReadWholeFile(listPath));
    std::string line;
    while (std::getline(lines, line)) {
        // "<32 hex digits>  <name>", or "<digits> *<name>" for files read in binary mode.
        if (line.size() < 35)
            continue;
        std::string name = line.substr(34);
        if (!name.empty() && name.back() == '\r')
            name.pop_back();
        entries.push_back(CReferenceDigest{ FolderOf(listPath) + Widen(name), Widen(line.substr(0, 32)) });
    }
    return entries;
}

std::wstring ReferenceDigestOf(const std::wstring& listPath, const std::wstring& fileName)
{
    for (const CReferenceDigest& entry : ReadReferenceDigests(listPath))
        if (entry.path == FolderOf(listPath) + fileName)
            return entry.digest;
    return std::wstring();
}

}
