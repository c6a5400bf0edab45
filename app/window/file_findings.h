#ifndef VESTIGON_FILE_FINDINGS_H
#define VESTIGON_FILE_FINDINGS_H

#include "checksums/reference_finder.h"
#include "hashing/hash_job.h"

#include <functional>
#include <string>
#include <vector>

// What the files around a hashed file tell the main window, found on the hashing job's thread
// since they read files (up to 32 checksum files of 4 MiB, a list of 16 MiB) that may sit on a
// slow disk or share: before the file is read, the reference the checksum files beside it give
// (its algorithm joins the read) and whether a size line says the file is incomplete (it is then
// not read at all); once the digests are there, whether the file is itself a checksum list.
class CFileFindings : public hashing::IHashCompanion
{
public:
    explicit CFileFindings(bool lookForReference) : m_lookForReference(lookForReference) {}

    bool BeforeHashing(const std::wstring& path, std::vector<hashing::DigestRequest>& requests,
                       const std::function<bool()>& stopRequested) noexcept override;
    void AfterDigests(const std::wstring& path, const std::function<bool()>& stopRequested) noexcept override;

    bool LookedForReference() const { return m_lookForReference; }
    const checksums::ReferenceLookup& GetReference() const { return m_reference; }
    // A size line gives another size than the file has.
    bool SizeDiffers() const { return m_reference.sizeListed && m_reference.listedSize != m_size; }
    unsigned long long FileSize() const { return m_size; }
    bool IsChecksumList() const { return m_isChecksumList; }

private:
    void AddReferenceDigests(std::vector<hashing::DigestRequest>& requests) const;

    const bool m_lookForReference;
    checksums::ReferenceLookup m_reference;
    unsigned long long m_size = 0;
    bool m_isChecksumList = false;
};

// The request for the algorithm's digest (BLAKE2b: of that many bytes, 0 its own) is added
// unless the list holds it already.
void AddDigestRequest(std::vector<hashing::DigestRequest>& requests, checksums::Algorithm algorithm,
                      size_t digestBytes = 0);

#endif
