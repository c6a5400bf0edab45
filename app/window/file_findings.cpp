#include "window/file_findings.h"

#include "lists/list_detection.h"

#include <windows.h>

namespace {

bool ReadSize(const std::wstring& path, unsigned long long& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

}

void AddDigestRequest(std::vector<hashing::DigestRequest>& requests, checksums::Algorithm algorithm,
                      size_t digestBytes)
{
    const size_t bytes = digestBytes != 0 ? digestBytes : vrok::business::digest::DigestBytesOf(algorithm);
    for (const hashing::DigestRequest& request : requests)
        if (request.algorithm == algorithm && request.trailer.empty() &&
            (request.digestBytes != 0 ? request.digestBytes : vrok::business::digest::DigestBytesOf(algorithm)) == bytes)
            return;
    hashing::DigestRequest request;
    request.algorithm = algorithm;
    request.digestBytes = bytes;
    requests.push_back(request);
}

// Out of memory while reading, nothing is found; the file is read all the same.
bool CFileFindings::BeforeHashing(const std::wstring& path, std::vector<hashing::DigestRequest>& requests,
                                  const std::function<bool()>& stopRequested) noexcept
{
    try {
        if (!m_lookForReference || !ReadSize(path, m_size))
            return true;
        m_reference = checksums::FindReferenceDigest(path, checksums::AlgorithmSet::All(), stopRequested);
        if (SizeDiffers())
            return false;
        AddReferenceDigests(requests);
    } catch (...) {
        m_reference = checksums::ReferenceLookup();
    }
    return true;
}

void CFileFindings::AddReferenceDigests(std::vector<hashing::DigestRequest>& requests) const
{
    if (m_reference.outcome != checksums::ReferenceLookup::Found)
        return;
    AddDigestRequest(requests, m_reference.algorithm, m_reference.digest.size() / 2);
    if (m_reference.mayBeBlake2b)
        AddDigestRequest(requests, checksums::Algorithm::Blake2b);
}

void CFileFindings::AfterDigests(const std::wstring& path, const std::function<bool()>& stopRequested) noexcept
{
    try {
        m_isChecksumList = !stopRequested() && lists::IsChecksumList(path);
    } catch (...) {
        m_isChecksumList = false;
    }
}
