#include "signatures/minisign.h"

#include "signatures/armour.h"
#include "signatures/public_key_library.h"
#include "signatures/signature_result.h"

namespace signatures {

namespace {

const char UntrustedPrefix[] = "untrusted comment: ";
const char TrustedPrefix[] = "trusted comment: ";
const char LegacyAlgorithm[] = "Ed";
const char PrehashedAlgorithm[] = "ED";
const size_t AlgorithmBytes = 2;
const size_t PointBytes = 32;
const size_t SignatureBytes = 64;
const size_t MaxLines = 100000;

std::string Trimmed(const std::string& line)
{
    const size_t start = line.find_first_not_of(" \t");
    const size_t end = line.find_last_not_of(" \t");
    return start == std::string::npos ? std::string() : line.substr(start, end - start + 1);
}

std::string EncodeBase64(const std::string& bytes)
{
    static const char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t at = 0; at < bytes.size(); at += 3) {
        unsigned value = static_cast<unsigned char>(bytes[at]) << 16;
        if (at + 1 < bytes.size())
            value |= static_cast<unsigned char>(bytes[at + 1]) << 8;
        if (at + 2 < bytes.size())
            value |= static_cast<unsigned char>(bytes[at + 2]);
        for (size_t digit = 0; digit < 4; ++digit)
            text += at + digit <= bytes.size() ? Digits[(value >> (18 - 6 * digit)) & 0x3F] : '=';
    }
    return text;
}

}

std::vector<MinisignKey> ReadMinisignKeys(const std::string& text)
{
    std::vector<MinisignKey> keys;
    std::string comment;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t at = 0; at < lines.size() && at < MaxLines; ++at) {
        const std::string line = Trimmed(lines[at]);
        if (StartsWith(line, UntrustedPrefix)) {
            comment = line.substr(sizeof(UntrustedPrefix) - 1);
            continue;
        }
        std::string bytes;
        if (DecodeBase64(line, bytes) && bytes.size() == AlgorithmBytes + MinisignKeyIdBytes + PointBytes &&
            bytes.compare(0, AlgorithmBytes, LegacyAlgorithm) == 0) {
            MinisignKey key;
            key.keyId = bytes.substr(AlgorithmBytes, MinisignKeyIdBytes);
            key.point = bytes.substr(AlgorithmBytes + MinisignKeyIdBytes);
            key.comment = comment;
            keys.push_back(key);
        }
        comment.clear();
    }
    return keys;
}

std::string MinisignKeyText(const MinisignKey& key)
{
    return UntrustedPrefix + key.comment + "\n" + EncodeBase64(LegacyAlgorithm + key.keyId + key.point) + "\n";
}

std::string MinisignKeyIdText(const std::string& keyId)
{
    // minisign prints the number that the bytes hold in little-endian order.
    return HexOf(std::string(keyId.rbegin(), keyId.rend()));
}

bool ParseMinisignSignature(const std::string& text, MinisignSignature& signature)
{
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 4 || !StartsWith(lines[0], UntrustedPrefix) || !StartsWith(lines[2], TrustedPrefix))
        return false;
    std::string bytes, global;
    if (!DecodeBase64(Trimmed(lines[1]), bytes) ||
        bytes.size() != AlgorithmBytes + MinisignKeyIdBytes + SignatureBytes ||
        !DecodeBase64(Trimmed(lines[3]), global) || global.size() != SignatureBytes)
        return false;
    const std::string algorithm = bytes.substr(0, AlgorithmBytes);
    if (algorithm != LegacyAlgorithm && algorithm != PrehashedAlgorithm)
        return false;
    signature.prehashed = algorithm == PrehashedAlgorithm;
    signature.keyId = bytes.substr(AlgorithmBytes, MinisignKeyIdBytes);
    signature.signature = bytes.substr(AlgorithmBytes + MinisignKeyIdBytes);
    signature.trustedComment = lines[2].substr(sizeof(TrustedPrefix) - 1);
    signature.globalSignature = global;
    return true;
}

bool MinisignHolds(const MinisignKey& key, const MinisignSignature& signature, const std::string& message)
{
    const CPublicKeyLibrary& library = CPublicKeyLibrary::Instance();
    const size_t half = SignatureBytes / 2;
    return key.keyId == signature.keyId &&
           library.VerifyEd25519(key.point, message, signature.signature.substr(0, half),
                                 signature.signature.substr(half)) &&
           library.VerifyEd25519(key.point, signature.signature + signature.trustedComment,
                                 signature.globalSignature.substr(0, half), signature.globalSignature.substr(half));
}

}
