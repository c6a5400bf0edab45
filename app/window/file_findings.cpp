#include "window/file_findings.h"

#include "checksums/checksum_text.h"
#include "checksums/file_names.h"
#include "lists/list_detection.h"
#include "signatures/signature_lookup.h"
#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

namespace {

bool ReadSize(const std::wstring& path, unsigned long long& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(vrok::persistence::file::ToLongPathForm(path.c_str()).c_str(), GetFileExInfoStandard, &data))
        return false;
    size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

// Whether the part of a clear-signed list that its signature covers gives the file that digest:
// a line written around the signed part would not be vouched for.
bool SignedTextGives(const std::string& signedText, const std::wstring& listName, const std::wstring& fileName,
                     const std::wstring& digest)
{
    checksums::ChecksumReading reading;
    reading.accepted = checksums::AlgorithmSet::All();
    reading.named = checksums::AlgorithmOfFileName(listName);
    for (const checksums::ChecksumLine& line : checksums::ParseChecksumBytes(signedText, true, reading).lines)
        if (line.digest == digest && (line.name.empty() || checksums::SamePathIgnoringCase(line.name, fileName) ||
                                      checksums::SamePathIgnoringCase(line.name, L"./" + fileName)))
            return true;
    return false;
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
        if (m_keys && !stopRequested()) {
            CheckListSignature(path);
            AddFileSignatures(path, requests);
        }
    } catch (...) {
        m_reference = checksums::ReferenceLookup();
        m_signature = signatures::SignatureResult();
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

// The list that gave the reference: its clear-signed block or the signatures beside it.
void CFileFindings::CheckListSignature(const std::wstring& path)
{
    if (m_reference.outcome != checksums::ReferenceLookup::Found)
        return;
    const std::wstring listPath = checksums::FolderOf(path) + L"\\" + m_reference.sourceName;
    std::string bytes;
    if (!checksums::ReadFileBytes(listPath, checksums::MaxBesideFileBytes, bytes))
        return;
    std::string signedText;
    m_signature = signatures::CheckListSignatures(listPath, bytes, *m_keys, signatures::CurrentTime(), signedText);
    const std::wstring fileName = checksums::FileNameOf(path);
    if (m_signature.verdict != signatures::SignatureVerdict::None && signedText != bytes &&
        !SignedTextGives(signedText, m_reference.sourceName, fileName, m_reference.digest))
        m_signature.verdict = signatures::SignatureVerdict::Bad;
}

// The signatures over the file itself are checked from the same read: their digests join it.
void CFileFindings::AddFileSignatures(const std::wstring& path, std::vector<hashing::DigestRequest>& requests)
{
    m_fileSignatures = signatures::FindFileSignatures(path);
    m_firstSignatureDigest = requests.size();
    const std::vector<hashing::DigestRequest>& wanted = m_fileSignatures.Requests();
    requests.insert(requests.end(), wanted.begin(), wanted.end());
}

void CFileFindings::AfterDigests(const std::wstring& path, const std::vector<hashing::DigestRequest>&,
                                 const std::vector<std::string>& digests,
                                 const std::function<bool()>& stopRequested) noexcept
{
    try {
        if (m_keys && !m_fileSignatures.IsEmpty() && digests.size() >= m_firstSignatureDigest) {
            const std::vector<std::string> ours(digests.begin() + static_cast<std::ptrdiff_t>(m_firstSignatureDigest),
                                                digests.end());
            const signatures::CKeyring keyring = signatures::WithKeysBeside(*m_keys, checksums::FolderOf(path));
            m_signature = signatures::StrongestResult(
                {m_signature, m_fileSignatures.Verify(ours, keyring, signatures::CurrentTime())});
        }
        m_isChecksumList = !stopRequested() && lists::IsChecksumList(path);
    } catch (...) {
        m_isChecksumList = false;
    }
}
