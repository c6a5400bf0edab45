#ifndef VESTIGON_MINISIGN_H
#define VESTIGON_MINISIGN_H

#include <string>
#include <vector>

// minisign's public keys and signatures (Ed25519), in their text files.
namespace signatures {

const size_t MinisignKeyIdBytes = 8;

struct MinisignKey
{
    std::string keyId;    // 8 bytes as in the file
    std::string point;    // 32 bytes
    std::string comment;  // the untrusted comment of the key file, may be empty
};

// The keys in a text: key files one after another ("untrusted comment: ..." and a base64 line
// each) or bare base64 lines as `minisign -P` takes them. Lines that are no key are passed over.
std::vector<MinisignKey> ReadMinisignKeys(const std::string& text);

// The key's text as a key file writes it, with an LF after each of its two lines.
std::string MinisignKeyText(const MinisignKey& key);

// The key number as minisign prints it: 16 upper-case hexadecimal digits.
std::string MinisignKeyIdText(const std::string& keyId);

struct MinisignSignature
{
    bool prehashed = false;  // "ED": over the BLAKE2b-512 digest of the file; "Ed": over the file
    std::string keyId;
    std::string signature;        // 64 bytes
    std::string trustedComment;   // what follows "trusted comment: "
    std::string globalSignature;  // 64 bytes over signature and trusted comment
};

// False when the text is no minisign signature file or a part of it has the wrong length.
bool ParseMinisignSignature(const std::string& text, MinisignSignature& signature);

// True when the signature over the message (the BLAKE2b-512 digest of the file for the prehashed
// form, the file's bytes for the other) and its global signature over the trusted comment both
// hold under the key.
bool MinisignHolds(const MinisignKey& key, const MinisignSignature& signature, const std::string& message);

}

#endif
