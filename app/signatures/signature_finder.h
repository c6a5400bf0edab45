#ifndef VESTIGON_SIGNATURE_FINDER_H
#define VESTIGON_SIGNATURE_FINDER_H

#include "signatures/keyring.h"

#include <string>
#include <vector>

// The signature and key files that sit beside a checksum list or a downloaded file.
namespace signatures {

// Signature and key files larger than these are passed over.
const unsigned long long MaxSignatureFileBytes = 1ull << 20;
const unsigned long long MaxKeyFileBytes = 16ull << 20;
// At most this many files are read as possible keys.
const size_t MaxKeyFilesBeside = 16;

// The detached signatures of a checksum list that exist, as full paths: LIST.sign, LIST.gpg,
// LIST.asc, LIST.sig, LIST.minisig. Names compare without regard to case.
std::vector<std::wstring> FindListSignatureFiles(const std::wstring& listPath);

// The signatures over a file that exist, as full paths: NAME.sig, NAME.asc, NAME.gpg,
// NAME.minisig. A NAME.asc that holds a public key instead is left out.
std::vector<std::wstring> FindFileSignatureFiles(const std::wstring& filePath);

// The keys published beside a download: KEYS, any *.asc that holds an OpenPGP public key, and any
// *.pub that holds a minisign key, all with the origin Beside.
void AddKeysBeside(const std::wstring& folder, CKeyring& keyring);

// The folder part of a path, without its last separator; empty for a bare name.
std::wstring FolderOf(const std::wstring& path);

}

#endif
