#include "signatures/signature_packet.h"

#include "signatures/byte_reader.h"

namespace signatures {

namespace {

enum SubpacketType
{
    CreationTime = 2,
    SignatureExpiry = 3,
    Exportable = 4,
    TrustSignature = 5,
    Revocable = 7,
    KeyExpiry = 9,
    PreferredCiphers = 11,
    RevocationKey = 12,
    Issuer = 16,
    PreferredHashes = 21,
    PreferredCompression = 22,
    KeyServerPreferences = 23,
    PrimaryUserId = 25,
    KeyFlags = 27,
    RevocationReason = 29,
    Features = 30,
    EmbeddedSignature = 32,
    IssuerFingerprint = 33,
    PreferredAead = 34,
    PreferredCipherSuites = 39,
};

// Subpackets understood well enough that their being marked critical does no harm.
bool IsKnownSubpacket(unsigned type)
{
    static const unsigned Known[] = {CreationTime, SignatureExpiry, Exportable, TrustSignature, Revocable,
                                     KeyExpiry, PreferredCiphers, RevocationKey, Issuer, PreferredHashes,
                                     PreferredCompression, KeyServerPreferences, PrimaryUserId, KeyFlags,
                                     RevocationReason, Features, EmbeddedSignature, IssuerFingerprint,
                                     PreferredAead, PreferredCipherSuites};
    for (unsigned known : Known)
        if (type == known)
            return true;
    return false;
}

const size_t MaxRsaBits = 4096;
const size_t MaxEdDsaBits = 256;

void TakeSubpacket(unsigned type, const std::string& content, bool hashed, SignaturePacket& signature)
{
    CByteReader reader(content);
    if (type == Issuer && content.size() == 8)
        signature.issuerKeyId = content;
    else if (type == IssuerFingerprint && content.size() == 21 && content[0] == 4)
        signature.issuerFingerprint = content.substr(1);
    else if (type == EmbeddedSignature && signature.embeddedSignature.empty())
        signature.embeddedSignature = content;
    // What follows counts only where the signature covers it.
    else if (!hashed)
        return;
    else if (type == CreationTime && content.size() == 4)
        signature.created = reader.ReadNumber(4), signature.hasCreated = true;
    else if (type == SignatureExpiry && content.size() == 4)
        signature.validSeconds = reader.ReadNumber(4);
    else if (type == KeyExpiry && content.size() == 4)
        signature.keyValidSeconds = reader.ReadNumber(4);
    else if (type == KeyFlags && !content.empty())
        signature.keyFlags = reader.ReadByte(), signature.hasKeyFlags = true;
}

// One area of subpackets, each read within its own length.
bool ReadSubpackets(const std::string& area, bool hashed, SignaturePacket& signature)
{
    CByteReader reader(area);
    while (!reader.AtEnd()) {
        const unsigned first = reader.ReadByte();
        size_t length = first;
        if (first >= 255)
            length = reader.ReadNumber(4);
        else if (first >= 192)
            length = ((first - 192) << 8) + reader.ReadByte() + 192;
        if (reader.Failed() || length == 0 || length > reader.Remaining())
            return false;
        const unsigned typeByte = reader.ReadByte();
        const std::string content = reader.ReadBytes(length - 1);
        const unsigned type = typeByte & 0x7F;
        if ((typeByte & 0x80) && !IsKnownSubpacket(type))
            signature.unknownCritical = true;
        TakeSubpacket(type, content, hashed, signature);
    }
    return !reader.Failed();
}

bool ReadValues(CByteReader& reader, SignaturePacket& signature)
{
    const bool rsa = signature.publicKeyAlgorithm == RsaId || signature.publicKeyAlgorithm == RsaSignOnlyId;
    const int count = rsa ? 1 : signature.publicKeyAlgorithm == EdDsaId ? 2 : 0;
    for (int index = 0; index < count; ++index)
        signature.values.push_back(reader.ReadMpi(rsa ? MaxRsaBits : MaxEdDsaBits));
    return !reader.Failed();
}

}

bool ParseSignature(const std::string& body, SignaturePacket& signature)
{
    signature = SignaturePacket();
    CByteReader reader(body);
    if (reader.ReadByte() != 4)
        return false;
    signature.type = static_cast<int>(reader.ReadByte());
    signature.publicKeyAlgorithm = static_cast<int>(reader.ReadByte());
    signature.hashAlgorithm = static_cast<int>(reader.ReadByte());
    const std::string hashedArea = reader.ReadBytes(reader.ReadNumber(2));
    if (reader.Failed())
        return false;
    signature.hashedPart = body.substr(0, reader.Position());
    const std::string unhashedArea = reader.ReadBytes(reader.ReadNumber(2));
    const std::string digestStart = reader.ReadBytes(2);
    if (reader.Failed() || !ReadSubpackets(hashedArea, true, signature) ||
        !ReadSubpackets(unhashedArea, false, signature))
        return false;
    signature.digestStart[0] = static_cast<unsigned char>(digestStart[0]);
    signature.digestStart[1] = static_cast<unsigned char>(digestStart[1]);
    // A signature of an algorithm this program does not check is kept whole, without its values.
    return ReadValues(reader, signature) && (signature.values.empty() || reader.AtEnd());
}

std::string SignatureTrailer(const SignaturePacket& signature)
{
    const size_t length = signature.hashedPart.size();
    std::string trailer = signature.hashedPart;
    trailer += '\x04';
    trailer += '\xFF';
    for (int shift = 24; shift >= 0; shift -= 8)
        trailer += static_cast<char>((length >> shift) & 0xFF);
    return trailer;
}

}
