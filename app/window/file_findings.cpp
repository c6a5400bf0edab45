#include "window/file_findings.h"

#include "lists/list_detection.h"

// Out of memory while reading, nothing is found; the digest is shown all the same.
void CFileFindings::Run(const std::wstring& path, const std::function<bool()>& stopRequested) noexcept
{
    try {
        if (m_lookForReference)
            m_reference = checksums::FindReferenceDigest(path, checksums::Md5Only, stopRequested);
        m_isChecksumList = !stopRequested() && lists::IsChecksumList(path);
    } catch (...) {
        m_reference = checksums::ReferenceLookup();
        m_isChecksumList = false;
    }
}
