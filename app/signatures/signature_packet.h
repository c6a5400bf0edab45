#ifndef VESTIGON_SIGNATURE_PACKET_H
#define VESTIGON_SIGNATURE_PACKET_H

#include <cstdint>
#include <string>
#include <vector>

// Version 4 OpenPGP signature packets.
namespace signatures {

// Numbers OpenPGP gives the algorithms.
enum PublicKeyAlgorithmId { RsaId = 1, RsaSignOnlyId = 3, EdDsaId = 22 };
enum HashAlgorithmId { Md5Id = 1, Sha1Id = 2, Ripemd160Id = 3, Sha256Id = 8, Sha384Id = 9, Sha512Id = 10, Sha224Id = 11 };

// What a signature says it is about.
enum SignatureType
{
    BinaryDocument = 0x00,
    TextDocument = 0x01,
    FirstCertification = 0x10,
    LastCertification = 0x13,
    SubkeyBinding = 0x18,
    PrimaryKeyBinding = 0x19,
    DirectKey = 0x1F,
    KeyRevocation = 0x20,
    SubkeyRevocation = 0x28,
    CertificationRevocation = 0x30,
};

// Key flags that matter here.
const unsigned SignsDataFlag = 0x02;

struct SignaturePacket
{
    int type = -1;
    int publicKeyAlgorithm = 0;
    int hashAlgorithm = 0;
    std::string hashedPart;  // from the version byte to the end of the hashed subpackets
    uint32_t created = 0;
    bool hasCreated = false;
    uint32_t validSeconds = 0;     // 0: the signature does not expire
    uint32_t keyValidSeconds = 0;  // 0: the key does not expire (self-signatures)
    bool hasKeyFlags = false;
    unsigned keyFlags = 0;
    std::string issuerKeyId;        // 8 bytes, or empty
    std::string issuerFingerprint;  // 20 bytes, or empty
    bool unknownCritical = false;   // a subpacket marked critical that this program does not know
    std::string embeddedSignature;  // a subkey's binding back to its primary key
    unsigned char digestStart[2] = {0, 0};
    std::vector<std::string> values;  // RSA: s; EdDSA: r, s (big-endian, no leading zeros)
};

// False when the packet is not a version 4 signature or any length in it lies.
bool ParseSignature(const std::string& body, SignaturePacket& signature);

// The bytes hashed after the signed data: the hashed part, then 0x04 0xFF and its length.
std::string SignatureTrailer(const SignaturePacket& signature);

}

#endif
