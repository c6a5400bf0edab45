#include "signatures/signature_lookup.h"

#include "checksums/file_names.h"
#include "signatures/signature_finder.h"

#include <vector>

namespace signatures {

CKeyring WithKeysBeside(const CKeyring& known, const std::wstring& folder)
{
    CKeyring keyring(known);
    AddKeysBeside(folder, keyring);
    return keyring;
}

SignatureResult CheckListSignatures(const std::wstring& listPath, const std::string& listBytes,
                                    const CKeyring& known, uint32_t now, std::string& listText)
{
    const CKeyring keyring = WithKeysBeside(known, FolderOf(listPath));
    std::vector<SignatureResult> results;
    std::string signedText;
    results.push_back(CheckClearSigned(listBytes, keyring, now, signedText));
    results.back().signatureFile = listPath;
    // A list whose signature block cannot be read is read whole, as an unsigned list is.
    listText = signedText.empty() ? listBytes : signedText;
    for (const std::wstring& path : FindListSignatureFiles(listPath)) {
        std::string signature;
        if (!checksums::ReadFileBytes(path, MaxSignatureFileBytes, signature))
            continue;
        results.push_back(CheckSignatureOverBytes(signature, listBytes, keyring, now));
        results.back().signatureFile = path;
    }
    return StrongestResult(results);
}

CFileSignatures FindFileSignatures(const std::wstring& filePath)
{
    CFileSignatures signatures;
    for (const std::wstring& path : FindFileSignatureFiles(filePath)) {
        std::string bytes;
        if (checksums::ReadFileBytes(path, MaxSignatureFileBytes, bytes))
            signatures.AddSignatureFile(path, bytes);
    }
    return signatures;
}

}
