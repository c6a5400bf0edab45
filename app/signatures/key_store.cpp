#include "signatures/key_store.h"

#include "checksums/file_names.h"
#include "checksums/checksum_writer.h"
#include "signatures/signature_result.h"

#include <algorithm>

namespace signatures {

const wchar_t ShippedKeyringName[] = L"publisher_keys.gpg";
const wchar_t AddedKeysName[] = L"added_keys.gpg";
const wchar_t AddedMinisignKeysName[] = L"added_keys.minisign";

namespace {

const unsigned long long MaxKeyringBytes = 64ull << 20;

std::string ReadOrEmpty(const std::wstring& path)
{
    std::string bytes;
    return checksums::ReadFileBytes(path, MaxKeyringBytes, bytes) ? bytes : std::string();
}

KnownKey ToKnown(const CertifiedKey& key)
{
    return KnownKey{HexOf(key.primary.fingerprint), key.UserId(), key.origin, false};
}

}

KeyFileContents ReadKeyFile(const std::string& bytes, KeyOrigin origin)
{
    KeyFileContents contents;
    bool damaged = false;
    contents.keys = ReadCertifiedKeys(bytes, origin, damaged);
    if (contents.keys.empty())
        contents.minisignKeys = ReadMinisignKeys(bytes);
    return contents;
}

CKeyStore::CKeyStore(const std::wstring& programFolder) : m_folder(programFolder)
{
    if (!m_folder.empty() && m_folder.back() != L'\\' && m_folder.back() != L'/')
        m_folder += L'\\';
    bool damaged = false;
    m_shipped = ReadCertifiedKeys(ReadOrEmpty(m_folder + ShippedKeyringName), KeyOrigin::Shipped, damaged);
    m_added = ReadCertifiedKeys(ReadOrEmpty(m_folder + AddedKeysName), KeyOrigin::Added, damaged);
    m_addedMinisign = ReadMinisignKeys(ReadOrEmpty(m_folder + AddedMinisignKeysName));
    Rebuild();
}

std::vector<KnownKey> CKeyStore::List() const
{
    std::vector<KnownKey> known;
    for (const CertifiedKey& key : m_keyring.Keys())
        known.push_back(ToKnown(key));
    for (const OriginMinisignKey& key : m_keyring.MinisignKeys())
        known.push_back(KnownKey{MinisignKeyIdText(key.key.keyId), key.key.comment, key.origin, true});
    return known;
}

CKeyStore::Change CKeyStore::Add(const KeyFileContents& contents)
{
    bool added = false;
    for (CertifiedKey key : contents.keys) {
        if (IsKnown(HexOf(key.primary.fingerprint)))
            continue;
        key.origin = KeyOrigin::Added;
        m_added.push_back(key);
        Rebuild();
        added = true;
    }
    for (const MinisignKey& key : contents.minisignKeys) {
        if (IsKnown(MinisignKeyIdText(key.keyId)))
            continue;
        m_addedMinisign.push_back(key);
        Rebuild();
        added = true;
    }
    if (!added)
        return Change::Unchanged;
    return Store() ? Change::Stored : Change::HeldForRun;
}

CKeyStore::Change CKeyStore::Remove(const std::string& fingerprint)
{
    const size_t before = m_added.size() + m_addedMinisign.size();
    m_added.erase(std::remove_if(m_added.begin(), m_added.end(),
                                 [&](const CertifiedKey& key) { return HexOf(key.primary.fingerprint) == fingerprint; }),
                  m_added.end());
    m_addedMinisign.erase(std::remove_if(m_addedMinisign.begin(), m_addedMinisign.end(),
                                         [&](const MinisignKey& key) { return MinisignKeyIdText(key.keyId) == fingerprint; }),
                          m_addedMinisign.end());
    if (m_added.size() + m_addedMinisign.size() == before)
        return Change::Unchanged;
    Rebuild();
    return Store() ? Change::Stored : Change::HeldForRun;
}

void CKeyStore::Rebuild()
{
    m_keyring = CKeyring();
    m_keyring.AddKeys(m_shipped);
    m_keyring.AddKeys(m_added);
    m_keyring.AddMinisignKeys(m_addedMinisign, KeyOrigin::Added);
}

bool CKeyStore::Store() const
{
    std::string packets, minisignText;
    for (const CertifiedKey& key : m_added)
        packets += key.packets;
    for (const MinisignKey& key : m_addedMinisign)
        minisignText += MinisignKeyText(key);
    return checksums::ReplaceFileContent(m_folder + AddedKeysName, packets) &&
           checksums::ReplaceFileContent(m_folder + AddedMinisignKeysName, minisignText);
}

bool CKeyStore::IsKnown(const std::string& fingerprint) const
{
    for (const KnownKey& key : List())
        if (key.fingerprint == fingerprint)
            return true;
    return false;
}

}
