#ifndef VESTIGON_KEY_STORE_H
#define VESTIGON_KEY_STORE_H

#include "signatures/keyring.h"

#include <string>
#include <vector>

// The keys the program knows: those it ships and those the user added, kept beside the program.
namespace signatures {

// Beside the exe: the shipped keyring, and the keys the user added (OpenPGP keys as binary
// packets, minisign keys as key files one after another).
extern const wchar_t ShippedKeyringName[];
extern const wchar_t AddedKeysName[];
extern const wchar_t AddedMinisignKeysName[];

// The keys a file offers (an armoured or binary OpenPGP key file, KEYS, or a minisign .pub).
struct KeyFileContents
{
    std::vector<CertifiedKey> keys;
    std::vector<MinisignKey> minisignKeys;

    bool IsEmpty() const { return keys.empty() && minisignKeys.empty(); }
};

// The keys the bytes hold, each OpenPGP key checked against its own signatures; `origin` is the
// one they would have once added.
KeyFileContents ReadKeyFile(const std::string& bytes, KeyOrigin origin = KeyOrigin::Added);

// A known key as a list of keys shows it.
struct KnownKey
{
    std::string fingerprint;  // upper-case hexadecimal; a minisign key's 16-digit number
    std::string userId;       // UTF-8; a minisign key's comment
    KeyOrigin origin = KeyOrigin::Shipped;
    bool minisign = false;
};

class CKeyStore
{
public:
    // Reads the shipped keyring and the added keys from the program's folder; a file that is
    // missing or damaged adds what it holds that can be read.
    explicit CKeyStore(const std::wstring& programFolder);

    const CKeyring& Keyring() const { return m_keyring; }
    std::vector<KnownKey> List() const;

    enum class Change { Stored, HeldForRun, Unchanged };
    // Adds the keys not known yet. HeldForRun: the folder could not be written, the keys hold
    // until the program ends. Unchanged: all were known (or there were none).
    Change Add(const KeyFileContents& contents);
    // Removes an added key named by its fingerprint (shipped keys stay).
    Change Remove(const std::string& fingerprint);

private:
    void Rebuild();
    bool Store() const;
    bool IsKnown(const std::string& fingerprint) const;

    std::wstring m_folder;
    std::vector<CertifiedKey> m_shipped;
    std::vector<CertifiedKey> m_added;
    std::vector<MinisignKey> m_addedMinisign;
    CKeyring m_keyring;
};

}

#endif
