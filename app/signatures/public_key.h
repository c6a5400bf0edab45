#ifndef VESTIGON_PUBLIC_KEY_H
#define VESTIGON_PUBLIC_KEY_H

#include <cstdint>
#include <string>

// Version 4 OpenPGP public key packets (primary keys and subkeys alike).
namespace signatures {

const size_t FingerprintBytes = 20;
const size_t MinRsaBits = 2048;
const size_t MaxRsaKeyBits = 4096;

struct PublicKey
{
    enum Kind { Unsupported, Rsa, Ed25519 };
    Kind kind = Unsupported;
    int algorithm = 0;
    uint32_t created = 0;
    std::string body;         // the packet body, hashed for fingerprints and key signatures
    std::string fingerprint;  // 20 bytes
    std::string rsaModulus;   // big-endian, no leading zeros
    std::string rsaExponent;
    std::string edPoint;      // Ed25519: the 32 bytes of the point

    // The last 8 bytes of the fingerprint, as signatures name their issuer.
    std::string KeyId() const { return fingerprint.size() == FingerprintBytes ? fingerprint.substr(12) : std::string(); }
};

// False when the body is not a version 4 key or a length in it lies. A key of an algorithm, a
// curve or a size this program cannot check (RSA under 2048 or over 4096 bits) parses as
// Unsupported, with its fingerprint.
bool ParsePublicKey(const std::string& body, PublicKey& key);

// The bytes a key contributes to a signature over it: 0x99, two length bytes, the body.
std::string KeyHashPrefix(const PublicKey& key);

// SHA-1 of the key's hash prefix, as OpenPGP defines a version 4 fingerprint.
std::string ComputeFingerprint(const PublicKey& key);

}

#endif
