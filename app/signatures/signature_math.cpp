#include "signatures/signature_math.h"

#include "signatures/public_key_library.h"

namespace signatures {

namespace {

using vrok::business::digest::Algorithm;

struct HashEntry
{
    int id;
    Algorithm algorithm;
    const char* libraryName;
};

const HashEntry Hashes[] = {
    {Md5Id, Algorithm::Md5, "md5"},          {Sha1Id, Algorithm::Sha1, "sha1"},
    {Sha224Id, Algorithm::Sha224, "sha224"}, {Sha256Id, Algorithm::Sha256, "sha256"},
    {Sha384Id, Algorithm::Sha384, "sha384"}, {Sha512Id, Algorithm::Sha512, "sha512"},
};

const HashEntry* FindHash(int hashId)
{
    for (const HashEntry& entry : Hashes)
        if (entry.id == hashId)
            return &entry;
    return nullptr;
}

}

bool DigestAlgorithmOf(int hashId, Algorithm& algorithm)
{
    const HashEntry* entry = FindHash(hashId);
    if (entry)
        algorithm = entry->algorithm;
    return entry != nullptr;
}

bool IsWeakHash(int hashId)
{
    return hashId == Md5Id || hashId == Sha1Id || hashId == Ripemd160Id;
}

std::string DigestOf(Algorithm algorithm, size_t digestBytes, const std::string& bytes, const std::string& trailer)
{
    using namespace vrok::business::digest;
    const std::unique_ptr<IDigestStream> stream = CreateDigestStream(algorithm, digestBytes);
    if (!stream)
        return std::string();
    stream->Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    stream->Update(reinterpret_cast<const unsigned char*>(trailer.data()), trailer.size());
    unsigned char digest[MaxDigestBytes];
    stream->Finish(digest);
    return std::string(reinterpret_cast<const char*>(digest), stream->DigestBytes());
}

std::string DigestOfBytes(int hashId, const std::string& bytes, const std::string& trailer)
{
    Algorithm algorithm;
    return DigestAlgorithmOf(hashId, algorithm) ? DigestOf(algorithm, 0, bytes, trailer) : std::string();
}

bool SignatureHolds(const PublicKey& key, const SignaturePacket& signature, const std::string& digest)
{
    const HashEntry* hash = FindHash(signature.hashAlgorithm);
    if (!hash || digest.size() < 2 || static_cast<unsigned char>(digest[0]) != signature.digestStart[0] ||
        static_cast<unsigned char>(digest[1]) != signature.digestStart[1])
        return false;
    const CPublicKeyLibrary& library = CPublicKeyLibrary::Instance();
    const bool rsaSignature = signature.publicKeyAlgorithm == RsaId || signature.publicKeyAlgorithm == RsaSignOnlyId;
    if (key.kind == PublicKey::Rsa && rsaSignature && signature.values.size() == 1)
        return library.VerifyRsa(key.rsaModulus, key.rsaExponent, hash->libraryName, digest, signature.values[0]);
    if (key.kind == PublicKey::Ed25519 && signature.publicKeyAlgorithm == EdDsaId && signature.values.size() == 2)
        return library.VerifyEd25519(key.edPoint, digest, signature.values[0], signature.values[1]);
    return false;
}

}
