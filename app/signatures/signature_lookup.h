#ifndef VESTIGON_SIGNATURE_LOOKUP_H
#define VESTIGON_SIGNATURE_LOOKUP_H

#include "signatures/keyring.h"
#include "signatures/signature_check.h"
#include "signatures/signature_result.h"

#include <cstdint>
#include <string>

// What the windows and the command line call: the signatures that apply to a checksum list or a
// hashed file, found in its folder and checked with the known keys and those published beside it.
namespace signatures {

// The known keys and the keys published in the folder (origin Beside).
CKeyring WithKeysBeside(const CKeyring& known, const std::wstring& folder);

// The verdict on a checksum list read as `listBytes`: its own clear-signed block, or the detached
// signatures beside it (None when there is neither). `listText` receives what the list is to be
// read from: for a clear-signed list only the text that its signature covers, otherwise the bytes.
SignatureResult CheckListSignatures(const std::wstring& listPath, const std::string& listBytes,
                                    const CKeyring& known, uint32_t now, std::string& listText);

// The signature files over the file at `filePath`, read; IsEmpty() when there are none. The
// hasher computes their Requests() in its read of the file, then Verify() gives the verdict
// (with WithKeysBeside for the keys).
CFileSignatures FindFileSignatures(const std::wstring& filePath);

}

#endif
