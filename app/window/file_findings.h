#ifndef VESTIGON_FILE_FINDINGS_H
#define VESTIGON_FILE_FINDINGS_H

#include "checksums/reference_finder.h"
#include "hashing/hash_job.h"
#include "signatures/keyring.h"
#include "signatures/signature_check.h"
#include "signatures/signature_result.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the files around a hashed file tell the main window, found on the hashing job's thread
// since they read files (up to 32 checksum files of 4 MiB, signatures, a list of 16 MiB) that may
// sit on a slow disk or share. Before the file is read: the reference the checksum files beside
// it give (its algorithm joins the read), whether a size line says the file is incomplete (it is
// then not read at all), the signature over the checksum list that gave the reference, and the
// signatures over the file itself (their digests join the read). Once the digests are there: the
// verdict of the signatures over the file, and whether the file is itself a checksum list.
class CFileFindings : public hashing::IHashCompanion
{
public:
    // `keys` are the keys the program knows (null: signatures are not looked at).
    CFileFindings(bool lookForReference, std::shared_ptr<const signatures::CKeyring> keys)
        : m_lookForReference(lookForReference), m_keys(std::move(keys))
    {
    }

    bool BeforeHashing(const std::wstring& path, std::vector<hashing::DigestRequest>& requests,
                       const std::function<bool()>& stopRequested) noexcept override;
    void AfterDigests(const std::wstring& path, const std::vector<hashing::DigestRequest>& requests,
                      const std::vector<std::string>& digests, const std::function<bool()>& stopRequested) noexcept override;

    bool LookedForReference() const { return m_lookForReference; }
    const checksums::ReferenceLookup& GetReference() const { return m_reference; }
    // A size line gives another size than the file has.
    bool SizeDiffers() const { return m_reference.sizeListed && m_reference.listedSize != m_size; }
    unsigned long long FileSize() const { return m_size; }
    bool IsChecksumList() const { return m_isChecksumList; }
    // The strongest of what the signatures over the list and over the file say.
    const signatures::SignatureResult& GetSignature() const { return m_signature; }

private:
    void AddReferenceDigests(std::vector<hashing::DigestRequest>& requests) const;
    void CheckListSignature(const std::wstring& path);
    void AddFileSignatures(const std::wstring& path, std::vector<hashing::DigestRequest>& requests);

    const bool m_lookForReference;
    const std::shared_ptr<const signatures::CKeyring> m_keys;
    checksums::ReferenceLookup m_reference;
    unsigned long long m_size = 0;
    bool m_isChecksumList = false;
    signatures::SignatureResult m_signature;
    signatures::CFileSignatures m_fileSignatures;
    size_t m_firstSignatureDigest = 0;
};

// The request for the algorithm's digest (BLAKE2b: of that many bytes, 0 its own) is added
// unless the list holds it already.
void AddDigestRequest(std::vector<hashing::DigestRequest>& requests, checksums::Algorithm algorithm,
                      size_t digestBytes = 0);

#endif
