#ifndef VESTIGON_FILE_FINDINGS_H
#define VESTIGON_FILE_FINDINGS_H

#include "checksums/reference_finder.h"
#include "hashing/hash_job.h"

#include <functional>
#include <string>

// What the files around a hashed file tell the main window: the reference digest the checksum
// files beside it give, and whether the file is itself a checksum list. Found on the hashing
// job's thread once the digest is there, since both read files (up to 32 checksum files of
// 4 MiB, a list of 16 MiB) that may sit on a slow disk or share.
class CFileFindings : public hashing::IAfterDigest
{
public:
    explicit CFileFindings(bool lookForReference) : m_lookForReference(lookForReference) {}

    void Run(const std::wstring& path, const std::function<bool()>& stopRequested) noexcept override;

    bool LookedForReference() const { return m_lookForReference; }
    const checksums::ReferenceLookup& GetReference() const { return m_reference; }
    bool IsChecksumList() const { return m_isChecksumList; }

private:
    const bool m_lookForReference;
    checksums::ReferenceLookup m_reference;
    bool m_isChecksumList = false;
};

#endif
