#include "window/file_findings.h"

#include "lists/list_detection.h"

// Out of memory while reading, nothing is found; the digest is shown all the same.
void CFileFindings::Run(const std::wstring& path) noexcept
{
    try {
        if (m_lookForReference)
            m_reference = checksums::FindReferenceDigest(path);
        m_isChecksumList = lists::IsChecksumList(path);
    } catch (...) {
        m_reference = checksums::ReferenceLookup();
        m_isChecksumList = false;
    }
}
