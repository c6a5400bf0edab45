#include "signatures/public_key.h"

#include "signatures/byte_reader.h"
#include "signatures/signature_math.h"

namespace signatures {

namespace {

// The object identifier of Ed25519 as OpenPGP writes it (1.3.6.1.4.1.11591.15.1).
const char Ed25519Oid[] = "\x2B\x06\x01\x04\x01\xDA\x47\x0F\x01";
const size_t Ed25519OidBytes = sizeof(Ed25519Oid) - 1;
const size_t MaxPointBits = 8 * 33;
const size_t MaxOidBytes = 32;
const unsigned char NativePointPrefix = 0x40;

size_t BitsOf(const std::string& value)
{
    if (value.empty())
        return 0;
    size_t bits = 8 * (value.size() - 1);
    for (unsigned char top = static_cast<unsigned char>(value[0]); top != 0; top >>= 1)
        ++bits;
    return bits;
}

bool ReadRsa(CByteReader& reader, PublicKey& key)
{
    key.rsaModulus = reader.ReadMpi(MaxRsaKeyBits * 4);
    key.rsaExponent = reader.ReadMpi(MaxRsaKeyBits * 4);
    const size_t bits = BitsOf(key.rsaModulus);
    if (!reader.Failed() && bits >= MinRsaBits && bits <= MaxRsaKeyBits && !key.rsaExponent.empty())
        key.kind = PublicKey::Rsa;
    return !reader.Failed();
}

bool ReadEdDsa(CByteReader& reader, PublicKey& key)
{
    const size_t oidLength = reader.ReadByte();
    if (oidLength == 0 || oidLength == 0xFF || oidLength > MaxOidBytes)
        return false;
    const std::string oid = reader.ReadBytes(oidLength);
    const std::string point = reader.ReadMpi(MaxPointBits);
    if (oid == std::string(Ed25519Oid, Ed25519OidBytes) && point.size() == 33 &&
        static_cast<unsigned char>(point[0]) == NativePointPrefix) {
        key.edPoint = point.substr(1);
        key.kind = PublicKey::Ed25519;
    }
    return !reader.Failed();
}

}

bool ParsePublicKey(const std::string& body, PublicKey& key)
{
    key = PublicKey();
    CByteReader reader(body);
    if (reader.ReadByte() != 4)
        return false;
    key.created = reader.ReadNumber(4);
    key.algorithm = static_cast<int>(reader.ReadByte());
    if (reader.Failed() || body.size() > 0xFFFF)
        return false;
    key.body = body;
    if (key.algorithm == RsaId || key.algorithm == RsaSignOnlyId) {
        if (!ReadRsa(reader, key))
            return false;
    } else if (key.algorithm == EdDsaId) {
        if (!ReadEdDsa(reader, key))
            return false;
    }
    key.fingerprint = ComputeFingerprint(key);
    return key.fingerprint.size() == FingerprintBytes;
}

std::string KeyHashPrefix(const PublicKey& key)
{
    std::string prefix;
    prefix += '\x99';
    prefix += static_cast<char>((key.body.size() >> 8) & 0xFF);
    prefix += static_cast<char>(key.body.size() & 0xFF);
    return prefix + key.body;
}

std::string ComputeFingerprint(const PublicKey& key)
{
    return DigestOfBytes(Sha1Id, KeyHashPrefix(key));
}

}
