#ifndef VESTIGON_KEYRING_H
#define VESTIGON_KEYRING_H

#include "signatures/minisign.h"
#include "signatures/public_key.h"
#include "signatures/signature_packet.h"

#include <cstdint>
#include <string>
#include <vector>

// Publishers' keys as the program knows them: each OpenPGP key with what its own signatures
// say about it (user ids, subkeys, expiry, revocation), and minisign keys.
namespace signatures {

// Where a key came from, the most trusted first.
enum class KeyOrigin { Shipped, Added, Beside };

struct CertifiedSubkey
{
    PublicKey key;
    uint32_t expires = 0;  // 0: never
    bool revoked = false;
    bool signs = false;  // flagged for signing data and bound back to its primary key
};

// An OpenPGP key whose self-signatures have been checked: only user ids and subkeys that the
// primary key itself signed are kept, and only a revocation that it made counts.
struct CertifiedKey
{
    PublicKey primary;
    std::vector<std::string> userIds;
    std::vector<CertifiedSubkey> subkeys;
    uint32_t expires = 0;  // 0: never
    bool revoked = false;
    bool signs = true;
    KeyOrigin origin = KeyOrigin::Beside;
    std::string packets;  // the key's packets as read, to be stored again

    std::string UserId() const { return userIds.empty() ? std::string() : userIds.front(); }
};

// At most this many keys are taken from one file.
const size_t MaxKeysPerFile = 4096;

// The keys in OpenPGP data (binary or armoured) that the program can check signatures with: a key
// whose algorithm it does not handle, or that carries no user id signed by itself, is left out.
// `damaged` becomes true when the data does not read to its end.
std::vector<CertifiedKey> ReadCertifiedKeys(const std::string& fileBytes, KeyOrigin origin, bool& damaged);

// A key or subkey that may have made a signature, and the key it belongs to.
struct SignerMatch
{
    const CertifiedKey* owner = nullptr;
    const PublicKey* key = nullptr;
    uint32_t expires = 0;
    bool revoked = false;
    bool signs = false;
};

struct OriginMinisignKey
{
    MinisignKey key;
    KeyOrigin origin = KeyOrigin::Beside;
};

class CKeyring
{
public:
    void AddKeys(const std::vector<CertifiedKey>& keys);
    void AddMinisignKeys(const std::vector<MinisignKey>& keys, KeyOrigin origin);

    // The keys and subkeys named by the signature's issuer fingerprint (or, lacking one, its key
    // id), the most trusted origin first.
    std::vector<SignerMatch> FindSigners(const SignaturePacket& signature) const;
    std::vector<const OriginMinisignKey*> FindMinisignKeys(const std::string& keyId) const;

    const std::vector<CertifiedKey>& Keys() const { return m_keys; }
    const std::vector<OriginMinisignKey>& MinisignKeys() const { return m_minisignKeys; }

private:
    std::vector<CertifiedKey> m_keys;
    std::vector<OriginMinisignKey> m_minisignKeys;
};

}

#endif
