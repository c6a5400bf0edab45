#ifndef VESTIGON_SIGNATURE_CHECK_H
#define VESTIGON_SIGNATURE_CHECK_H

#include "signatures/keyring.h"
#include "signatures/minisign.h"
#include "signatures/signature_result.h"
#include "hashing/file_hasher.h"
#include "vrok_business/vrok_digest.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Checks of signatures whose bytes have been read: over a checksum list's bytes, in a
// clear-signed list, and over a file that the program's hasher reads once.
namespace signatures {

// At most this many signatures of one file are checked.
const size_t MaxSignaturesPerFile = 16;

// Seconds since 1970-01-01 UTC, as signatures and keys count time.
uint32_t CurrentTime();

// A detached OpenPGP signature file (armoured or binary), or a minisign signature file, over
// `signedBytes`. `now` decides what has expired.
SignatureResult CheckSignatureOverBytes(const std::string& signatureFileBytes, const std::string& signedBytes,
                                        const CKeyring& keyring, uint32_t now);

// A clear-signed checksum list. `signedText` receives the text that the signature covers, the
// only part of the file that may be read as the list; empty when the file is no clear-signed
// message (the verdict is then None, or NotCheckable when its signature block is damaged).
SignatureResult CheckClearSigned(const std::string& listBytes, const CKeyring& keyring, uint32_t now,
                                 std::string& signedText);

// The signature files over a file that is hashed elsewhere: what digests that one read of the
// file must compute, then the check with the finished digests.
class CFileSignatures
{
public:
    // One digest the hasher computes: over the file's bytes, then over `trailer`.
    typedef hashing::DigestRequest DigestRequest;

    // Adds the signatures of one signature file (OpenPGP or minisign); a file that holds none,
    // or only forms that cannot be checked over a digest, is kept to be told as NotCheckable.
    void AddSignatureFile(const std::wstring& name, const std::string& bytes);

    bool IsEmpty() const { return m_files.empty(); }
    const std::vector<DigestRequest>& Requests() const { return m_requests; }

    // The verdict, given one digest per request in the order of Requests().
    SignatureResult Verify(const std::vector<std::string>& digests, const CKeyring& keyring, uint32_t now) const;

private:
    // The index of an equal request made before, or of this one added.
    int AddRequest(const DigestRequest& request);

    struct Entry;
    std::vector<std::shared_ptr<Entry>> m_entries;
    std::vector<std::wstring> m_files;
    std::vector<DigestRequest> m_requests;
};


}

#endif
