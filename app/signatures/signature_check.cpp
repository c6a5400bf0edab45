#include "signatures/signature_check.h"

#include "signatures/armour.h"
#include "signatures/packets.h"
#include "signatures/public_key_library.h"
#include "signatures/signature_math.h"

#include <windows.h>

namespace signatures {

namespace {

hashing::DigestRequest RequestOf(vrok::business::digest::Algorithm algorithm, size_t digestBytes, std::string trailer)
{
    hashing::DigestRequest request;
    request.algorithm = algorithm;
    request.digestBytes = digestBytes;
    request.trailer = std::move(trailer);
    return request;
}

using vrok::business::digest::Algorithm;

const char MinisignStart[] = "untrusted comment:";
const size_t Blake2bBytes = 64;

SignatureResult Verdict(SignatureVerdict verdict)
{
    SignatureResult result;
    result.verdict = verdict;
    return result;
}

SignatureResult FromKey(SignatureVerdict verdict, const CertifiedKey& key)
{
    SignatureResult result = Verdict(verdict);
    result.userId = key.UserId();
    result.fingerprint = HexOf(key.primary.fingerprint);
    result.origin = key.origin;
    return result;
}

SignatureVerdict HoldingVerdict(KeyOrigin origin)
{
    return origin == KeyOrigin::Beside ? SignatureVerdict::SignedByKeyBeside : SignatureVerdict::Signed;
}

bool HasExpired(uint32_t expires, uint32_t now)
{
    return expires != 0 && now >= expires;
}

// What a signature whose value holds under `match` tells.
SignatureVerdict VerdictOfHoldingSignature(const SignaturePacket& signature, const SignerMatch& match, uint32_t now)
{
    if (match.revoked)
        return SignatureVerdict::Revoked;
    if (!match.signs)
        return SignatureVerdict::NotCheckable;
    if (signature.created < match.key->created)
        return SignatureVerdict::Bad;
    const uint32_t signatureExpires = MomentAfter(signature.created, signature.validSeconds);
    if (HasExpired(match.owner->expires, now) || HasExpired(match.expires, now) || HasExpired(signatureExpires, now))
        return SignatureVerdict::Expired;
    if (IsWeakHash(signature.hashAlgorithm))
        return SignatureVerdict::WeakHash;
    return HoldingVerdict(match.owner->origin);
}

// One OpenPGP signature over data whose digest (data, then the signature's trailer) is given;
// an empty digest is one that could not be computed.
SignatureResult CheckOpenPgp(const SignaturePacket& signature, const std::string& digest, const CKeyring& keyring,
                             uint32_t now)
{
    if (signature.unknownCritical || !signature.hasCreated)
        return Verdict(SignatureVerdict::Bad);
    // Without libgcrypt no key is certified either: every key would seem unknown.
    if ((signature.type != BinaryDocument && signature.type != TextDocument) ||
        !CPublicKeyLibrary::Instance().IsAvailable())
        return Verdict(SignatureVerdict::NotCheckable);
    const std::vector<SignerMatch> matches = keyring.FindSigners(signature);
    if (matches.empty()) {
        SignatureResult unknown = Verdict(SignatureVerdict::UnknownKey);
        unknown.fingerprint = HexOf(signature.issuerFingerprint.empty() ? signature.issuerKeyId : signature.issuerFingerprint);
        return unknown;
    }
    if (digest.empty())
        return FromKey(SignatureVerdict::NotCheckable, *matches.front().owner);
    for (const SignerMatch& match : matches)
        if (SignatureHolds(*match.key, signature, digest))
            return FromKey(VerdictOfHoldingSignature(signature, match, now), *match.owner);
    return FromKey(SignatureVerdict::Bad, *matches.front().owner);
}

// The signature packets of a signature file; false when it holds none or a packet is damaged.
bool ReadSignaturePackets(const std::string& packetBytes, std::vector<SignaturePacket>& signatures)
{
    std::vector<Packet> packets;
    bool whole = ReadPackets(packetBytes, packets);
    for (const Packet& packet : packets) {
        if (packet.tag != SignatureTag)
            continue;
        SignaturePacket signature;
        whole = ParseSignature(packet.body, signature) && whole;
        if (signatures.size() < MaxSignaturesPerFile)
            signatures.push_back(signature);
    }
    return whole && !signatures.empty();
}

// Line ends as CRLF, as a text signature is made over them.
std::string CanonicalText(const std::string& text)
{
    std::string canonical;
    canonical.reserve(text.size() + text.size() / 32);
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r'))
            canonical += '\r';
        canonical += text[at];
    }
    return canonical;
}

// True when a clear-signed message's "Hash:" lines name the signature's hash.
bool NamesHash(const std::vector<std::string>& hashNames, int hashId)
{
    static const struct { int id; const char* name; } Names[] = {
        {Md5Id, "MD5"}, {Sha1Id, "SHA1"}, {Sha224Id, "SHA224"}, {Sha256Id, "SHA256"}, {Sha384Id, "SHA384"},
        {Sha512Id, "SHA512"}, {Ripemd160Id, "RIPEMD160"}};
    for (const auto& entry : Names)
        if (entry.id == hashId)
            for (const std::string& name : hashNames)
                if (lstrcmpiA(name.c_str(), entry.name) == 0)
                    return true;
    return false;
}

SignatureResult CheckOpenPgpOverBytes(const std::string& packetBytes, bool damaged, const std::string& signedBytes,
                                      const CKeyring& keyring, uint32_t now,
                                      const std::vector<std::string>& hashNames = std::vector<std::string>())
{
    std::vector<SignaturePacket> signatures;
    if (!ReadSignaturePackets(packetBytes, signatures) || damaged)
        return Verdict(SignatureVerdict::NotCheckable);
    std::string canonical;
    std::vector<SignatureResult> results;
    for (const SignaturePacket& signature : signatures) {
        if (!hashNames.empty() && !NamesHash(hashNames, signature.hashAlgorithm)) {
            results.push_back(Verdict(SignatureVerdict::Bad));
            continue;
        }
        if (signature.type == TextDocument && canonical.empty())
            canonical = CanonicalText(signedBytes);
        const std::string& data = signature.type == TextDocument ? canonical : signedBytes;
        results.push_back(CheckOpenPgp(signature, DigestOfBytes(signature.hashAlgorithm, data, SignatureTrailer(signature)),
                                       keyring, now));
    }
    return StrongestResult(results);
}

bool IsMinisignText(const std::string& bytes)
{
    return StartsWith(bytes, MinisignStart);
}

std::string Blake2bOf(const std::string& bytes)
{
    return DigestOf(Algorithm::Blake2b, Blake2bBytes, bytes);
}

// A minisign signature over a message: the file's bytes for the legacy form, its BLAKE2b-512
// digest for the prehashed form.
SignatureResult CheckMinisign(const MinisignSignature& signature, const std::string& message, const CKeyring& keyring)
{
    if (!CPublicKeyLibrary::Instance().IsAvailable())
        return Verdict(SignatureVerdict::NotCheckable);
    const std::vector<const OriginMinisignKey*> keys = keyring.FindMinisignKeys(signature.keyId);
    SignatureResult result = Verdict(keys.empty() ? SignatureVerdict::UnknownKey : SignatureVerdict::Bad);
    result.fingerprint = MinisignKeyIdText(signature.keyId);
    for (const OriginMinisignKey* key : keys) {
        if (!MinisignHolds(key->key, signature, message))
            continue;
        result.verdict = HoldingVerdict(key->origin);
        break;
    }
    if (!keys.empty()) {
        result.userId = keys.front()->key.comment;
        result.origin = keys.front()->origin;
    }
    return result;
}

}

uint32_t CurrentTime()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long unixEpoch = 116444736000000000ull;
    const unsigned long long seconds = ticks > unixEpoch ? (ticks - unixEpoch) / 10000000ull : 0;
    return seconds > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(seconds);
}

SignatureResult CheckSignatureOverBytes(const std::string& signatureFileBytes, const std::string& signedBytes,
                                        const CKeyring& keyring, uint32_t now)
{
    if (IsMinisignText(signatureFileBytes)) {
        MinisignSignature signature;
        if (!ParseMinisignSignature(signatureFileBytes, signature))
            return Verdict(SignatureVerdict::NotCheckable);
        return CheckMinisign(signature, signature.prehashed ? Blake2bOf(signedBytes) : signedBytes, keyring);
    }
    bool damaged = false;
    const std::string packets = PacketBytesOf(signatureFileBytes, damaged);
    return CheckOpenPgpOverBytes(packets, damaged, signedBytes, keyring, now);
}

SignatureResult CheckClearSigned(const std::string& listBytes, const CKeyring& keyring, uint32_t now,
                                 std::string& signedText)
{
    signedText.clear();
    ClearSignedMessage message;
    if (!LooksClearSigned(listBytes))
        return Verdict(SignatureVerdict::None);
    if (!ReadClearSigned(listBytes, message))
        return Verdict(SignatureVerdict::NotCheckable);
    signedText = message.text;
    return CheckOpenPgpOverBytes(message.signature, false, message.signedBytes, keyring, now, message.hashNames);
}

struct CFileSignatures::Entry
{
    std::wstring file;
    bool minisign = false;
    SignaturePacket openPgp;
    MinisignSignature minisignSignature;
    int request = -1;  // none: cannot be checked over a digest
};

void CFileSignatures::AddSignatureFile(const std::wstring& name, const std::string& bytes)
{
    m_files.push_back(name);
    std::vector<std::shared_ptr<Entry>> entries;
    if (IsMinisignText(bytes)) {
        auto entry = std::make_shared<Entry>();
        entry->minisign = true;
        if (ParseMinisignSignature(bytes, entry->minisignSignature) && entry->minisignSignature.prehashed)
            entry->request = AddRequest(RequestOf(Algorithm::Blake2b, Blake2bBytes, std::string()));
        entries.push_back(entry);
    } else {
        bool damaged = false;
        std::vector<SignaturePacket> signatures;
        const bool whole = ReadSignaturePackets(PacketBytesOf(bytes, damaged), signatures) && !damaged;
        for (const SignaturePacket& signature : signatures) {
            auto entry = std::make_shared<Entry>();
            entry->openPgp = signature;
            Algorithm algorithm;
            if (whole && signature.type == BinaryDocument && DigestAlgorithmOf(signature.hashAlgorithm, algorithm))
                entry->request = AddRequest(RequestOf(algorithm, 0, SignatureTrailer(signature)));
            entries.push_back(entry);
        }
        if (entries.empty())
            entries.push_back(std::make_shared<Entry>());
    }
    for (const std::shared_ptr<Entry>& entry : entries) {
        entry->file = name;
        m_entries.push_back(entry);
    }
}

int CFileSignatures::AddRequest(const DigestRequest& request)
{
    for (size_t index = 0; index < m_requests.size(); ++index)
        if (m_requests[index].algorithm == request.algorithm && m_requests[index].digestBytes == request.digestBytes &&
            m_requests[index].trailer == request.trailer)
            return static_cast<int>(index);
    m_requests.push_back(request);
    return static_cast<int>(m_requests.size() - 1);
}

SignatureResult CFileSignatures::Verify(const std::vector<std::string>& digests, const CKeyring& keyring,
                                        uint32_t now) const
{
    std::vector<SignatureResult> results;
    for (const std::shared_ptr<Entry>& entry : m_entries) {
        const bool computed = entry->request >= 0 && static_cast<size_t>(entry->request) < digests.size();
        const std::string digest = computed ? digests[entry->request] : std::string();
        SignatureResult result;
        if (entry->minisign)
            result = computed ? CheckMinisign(entry->minisignSignature, digest, keyring)
                              : Verdict(SignatureVerdict::NotCheckable);
        else if (entry->openPgp.type < 0)
            result = Verdict(SignatureVerdict::NotCheckable);
        else
            result = CheckOpenPgp(entry->openPgp, digest, keyring, now);
        result.signatureFile = entry->file;
        results.push_back(result);
    }
    return StrongestResult(results);
}

}
