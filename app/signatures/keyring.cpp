#include "signatures/keyring.h"

#include "signatures/packets.h"
#include "signatures/signature_math.h"
#include "signatures/signature_result.h"

#include <algorithm>

namespace signatures {

namespace {

// A key's own signatures are checked with at most this many tries, whatever the file holds.
const size_t MaxSelfSignatures = 1000;

std::string UserIdHashPrefix(const std::string& userId)
{
    std::string prefix("\xB4", 1);
    for (int shift = 24; shift >= 0; shift -= 8)
        prefix += static_cast<char>((userId.size() >> shift) & 0xFF);
    return prefix + userId;
}

bool NamesKey(const SignaturePacket& signature, const PublicKey& key)
{
    if (!signature.issuerFingerprint.empty())
        return signature.issuerFingerprint == key.fingerprint;
    return signature.issuerKeyId.empty() || signature.issuerKeyId == key.KeyId();
}

// True when `signer` made the signature over these bytes; MD5 is not taken even here.
bool SignedOver(const PublicKey& signer, const SignaturePacket& signature, const std::string& bytes)
{
    if (signature.hashAlgorithm == Md5Id || signature.unknownCritical || !NamesKey(signature, signer))
        return false;
    return SignatureHolds(signer, signature, DigestOfBytes(signature.hashAlgorithm, bytes, SignatureTrailer(signature)));
}

uint32_t ExpiryOf(const PublicKey& key, const SignaturePacket& selfSignature)
{
    return MomentAfter(key.created, selfSignature.keyValidSeconds);
}

// What the latest self-signature so far says of the key's life and use.
struct SelfSignatureState
{
    uint32_t latest = 0;
    bool found = false;

    bool TakeIfLatest(const SignaturePacket& signature)
    {
        if (found && signature.created < latest)
            return false;
        latest = signature.created;
        found = true;
        return true;
    }
};

// Reads a key's packets after the primary key, signature by signature.
class CKeyReader
{
public:
    CKeyReader(CertifiedKey& key) : m_key(key) {}

    void Take(const Packet& packet)
    {
        if (packet.tag == UserIdTag || packet.tag == PublicSubkeyTag || packet.tag == UserAttributeTag)
            EndSection();
        if (packet.tag == UserIdTag) {
            m_section = UserIdSection;
            m_userId = packet.body;
            m_userIdValid = m_userIdRevoked = false;
        } else if (packet.tag == PublicSubkeyTag) {
            m_section = SubkeySection;
            m_subkey = CertifiedSubkey();
            m_subkeyState = SelfSignatureState();
            m_subkeyValid = ParsePublicKey(packet.body, m_subkey.key) && m_subkey.key.kind != PublicKey::Unsupported;
        } else if (packet.tag == UserAttributeTag) {
            m_section = OtherSection;
        } else if (packet.tag == SignatureTag && m_checked < MaxSelfSignatures) {
            SignaturePacket signature;
            if (ParseSignature(packet.body, signature) && NamesKey(signature, m_key.primary)) {
                ++m_checked;
                TakeSignature(signature);
            }
        }
    }

    void Finish()
    {
        EndSection();
        m_key.signs = !m_primaryState.found || m_primarySigns;
    }

    bool HasUserId() const { return !m_key.userIds.empty(); }

private:
    enum Section { PrimarySection, UserIdSection, SubkeySection, OtherSection };

    // Keeps the user id or subkey just read when its self-signatures held.
    void EndSection()
    {
        if (m_section == UserIdSection && m_userIdValid && !m_userIdRevoked &&
            std::find(m_key.userIds.begin(), m_key.userIds.end(), m_userId) == m_key.userIds.end())
            m_key.userIds.push_back(m_userId);
        if (m_section == SubkeySection && m_subkeyValid && m_subkeyState.found)
            m_key.subkeys.push_back(m_subkey);
        m_section = OtherSection;
    }

    const std::string PrimaryBytes() const { return KeyHashPrefix(m_key.primary); }

    void TakeSignature(const SignaturePacket& signature)
    {
        const int type = signature.type;
        if (type == KeyRevocation) {
            m_key.revoked = m_key.revoked || SignedOver(m_key.primary, signature, PrimaryBytes());
        } else if (type == DirectKey && SignedOver(m_key.primary, signature, PrimaryBytes())) {
            TakePrimarySelfSignature(signature);
        } else if (m_section == UserIdSection && type >= FirstCertification && type <= LastCertification &&
                   SignedOver(m_key.primary, signature, PrimaryBytes() + UserIdHashPrefix(m_userId))) {
            m_userIdValid = true;
            TakePrimarySelfSignature(signature);
        } else if (m_section == UserIdSection && type == CertificationRevocation &&
                   SignedOver(m_key.primary, signature, PrimaryBytes() + UserIdHashPrefix(m_userId))) {
            m_userIdRevoked = true;
        } else if (m_section == SubkeySection && m_subkeyValid) {
            TakeSubkeySignature(signature);
        }
    }

    void TakePrimarySelfSignature(const SignaturePacket& signature)
    {
        if (!m_primaryState.TakeIfLatest(signature))
            return;
        m_key.expires = ExpiryOf(m_key.primary, signature);
        m_primarySigns = !signature.hasKeyFlags || (signature.keyFlags & SignsDataFlag);
    }

    void TakeSubkeySignature(const SignaturePacket& signature)
    {
        const std::string bound = PrimaryBytes() + KeyHashPrefix(m_subkey.key);
        if (signature.type == SubkeyRevocation) {
            m_subkey.revoked = m_subkey.revoked || SignedOver(m_key.primary, signature, bound);
            return;
        }
        if (signature.type != SubkeyBinding || !SignedOver(m_key.primary, signature, bound) ||
            !m_subkeyState.TakeIfLatest(signature))
            return;
        m_subkey.expires = ExpiryOf(m_subkey.key, signature);
        m_subkey.signs = signature.hasKeyFlags && (signature.keyFlags & SignsDataFlag) && BindsBack(signature, bound);
    }

    // A signing subkey must have signed its binding back to the primary key, or anyone could
    // bind someone else's signing key to their own.
    bool BindsBack(const SignaturePacket& binding, const std::string& bound) const
    {
        SignaturePacket back;
        return !binding.embeddedSignature.empty() && ParseSignature(binding.embeddedSignature, back) &&
               back.type == PrimaryKeyBinding && SignedOver(m_subkey.key, back, bound);
    }

    CertifiedKey& m_key;
    Section m_section = PrimarySection;
    std::string m_userId;
    bool m_userIdValid = false;
    bool m_userIdRevoked = false;
    CertifiedSubkey m_subkey;
    bool m_subkeyValid = false;
    SelfSignatureState m_subkeyState;
    SelfSignatureState m_primaryState;
    bool m_primarySigns = true;
    size_t m_checked = 0;
};

void AppendPacket(std::string& packets, const Packet& packet)
{
    packets += static_cast<char>(0xC0 | packet.tag);
    packets += '\xFF';
    for (int shift = 24; shift >= 0; shift -= 8)
        packets += static_cast<char>((packet.body.size() >> shift) & 0xFF);
    packets += packet.body;
}

// The key made of packets[first, end), when it can be used.
bool CertifyKey(const std::vector<Packet>& packets, size_t first, size_t end, KeyOrigin origin, CertifiedKey& key)
{
    key = CertifiedKey();
    key.origin = origin;
    if (!ParsePublicKey(packets[first].body, key.primary) || key.primary.kind == PublicKey::Unsupported)
        return false;
    CKeyReader reader(key);
    for (size_t at = first; at < end; ++at) {
        AppendPacket(key.packets, packets[at]);
        if (at > first)
            reader.Take(packets[at]);
    }
    reader.Finish();
    return reader.HasUserId();
}

bool SameKey(const CertifiedKey& key, const std::string& fingerprint)
{
    return key.primary.fingerprint == fingerprint;
}

}

std::vector<CertifiedKey> ReadCertifiedKeys(const std::string& fileBytes, KeyOrigin origin, bool& damaged)
{
    std::vector<Packet> packets;
    if (!ReadPackets(PacketBytesOf(fileBytes, damaged), packets))
        damaged = true;
    std::vector<CertifiedKey> keys;
    for (size_t first = 0; first < packets.size() && keys.size() < MaxKeysPerFile;) {
        size_t end = first + 1;
        while (end < packets.size() && packets[end].tag != PublicKeyTag)
            ++end;
        CertifiedKey key;
        if (packets[first].tag == PublicKeyTag && CertifyKey(packets, first, end, origin, key))
            keys.push_back(key);
        first = end;
    }
    return keys;
}

void CKeyring::AddKeys(const std::vector<CertifiedKey>& keys)
{
    for (const CertifiedKey& key : keys) {
        auto known = std::find_if(m_keys.begin(), m_keys.end(),
                                  [&](const CertifiedKey& other) { return SameKey(other, key.primary.fingerprint); });
        if (known == m_keys.end())
            m_keys.push_back(key);
        else if (key.origin < known->origin)
            *known = key;
    }
}

void CKeyring::AddMinisignKeys(const std::vector<MinisignKey>& keys, KeyOrigin origin)
{
    for (const MinisignKey& key : keys) {
        auto known = std::find_if(m_minisignKeys.begin(), m_minisignKeys.end(),
                                  [&](const OriginMinisignKey& other) { return other.key.point == key.point; });
        if (known == m_minisignKeys.end())
            m_minisignKeys.push_back(OriginMinisignKey{key, origin});
        else if (origin < known->origin)
            *known = OriginMinisignKey{key, origin};
    }
}

std::vector<SignerMatch> CKeyring::FindSigners(const SignaturePacket& signature) const
{
    std::vector<SignerMatch> matches;
    if (signature.issuerFingerprint.empty() && signature.issuerKeyId.empty())
        return matches;
    for (const CertifiedKey& key : m_keys) {
        if (NamesKey(signature, key.primary))
            matches.push_back(SignerMatch{&key, &key.primary, key.expires, key.revoked, key.signs});
        for (const CertifiedSubkey& subkey : key.subkeys)
            if (NamesKey(signature, subkey.key))
                matches.push_back(SignerMatch{&key, &subkey.key, subkey.expires, subkey.revoked || key.revoked,
                                              subkey.signs});
    }
    std::stable_sort(matches.begin(), matches.end(), [](const SignerMatch& a, const SignerMatch& b) {
        return a.owner->origin < b.owner->origin;
    });
    return matches;
}

std::vector<const OriginMinisignKey*> CKeyring::FindMinisignKeys(const std::string& keyId) const
{
    std::vector<const OriginMinisignKey*> found;
    for (const OriginMinisignKey& key : m_minisignKeys)
        if (key.key.keyId == keyId)
            found.push_back(&key);
    std::stable_sort(found.begin(), found.end(),
                     [](const OriginMinisignKey* a, const OriginMinisignKey* b) { return a->origin < b->origin; });
    return found;
}

}
