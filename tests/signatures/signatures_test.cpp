#include "checksums/file_names.h"
#include "hashing/file_hasher.h"
#include "signatures/key_store.h"
#include "signatures/packets.h"
#include "signatures/signature_check.h"
#include "signatures/signature_finder.h"
#include "signatures/signature_lookup.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

namespace {

using namespace signatures;

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string Read(const std::wstring& path)
{
    std::string bytes;
    EXPECT_TRUE(checksums::ReadFileBytes(path, 64u << 20, bytes)) << std::string(path.begin(), path.end());
    return bytes;
}

std::string Data(const std::string& name)
{
    return Read(L"signatures\\" + Wide(name));
}

// One line of what make-signature-data.sh had gpgv and minisign say.
struct OracleCase
{
    std::string name, kind, signedFile, signatureFile, keyring, oracle, fingerprint, hash;
};

std::vector<OracleCase> ReadCases(const std::string& list)
{
    std::vector<OracleCase> cases;
    std::istringstream lines(Data(list));
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');)
            fields.push_back(field);
        fields.resize(8);
        cases.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]});
    }
    EXPECT_FALSE(cases.empty());
    return cases;
}

// The test keys as added keys, minisign's too, and the key published beside the "download".
CKeyring TestKeyring(const std::string& keyFile = Data("keys.gpg"))
{
    CKeyring keyring;
    bool damaged = false;
    keyring.AddKeys(ReadCertifiedKeys(keyFile, KeyOrigin::Added, damaged));
    keyring.AddMinisignKeys(ReadMinisignKeys(Data("mini.pub")), KeyOrigin::Added);
    AddKeysBeside(L"signatures\\beside", keyring);
    return keyring;
}

// A signature over a file goes through the digests of the program's one read of it.
SignatureResult CheckOverFile(const std::string& signature, const std::string& fileName, const CKeyring& keyring)
{
    CFileSignatures signatures;
    signatures.AddSignatureFile(L"signature", signature);
    struct CToTheEnd : hashing::IHashObserver
    {
        bool ShouldStop() override { return false; }
        void OnProgress(unsigned long long, unsigned long long) override {}
    } observer;
    std::vector<std::string> digests;
    EXPECT_EQ(hashing::Outcome::Digest,
              hashing::HashFile(L"signatures\\" + Wide(fileName), signatures.Requests(), observer, digests));
    return signatures.Verify(digests, keyring, CurrentTime());
}

SignatureResult VerdictOf(const OracleCase& oracleCase, const CKeyring& keyring)
{
    const std::string signedBytes = Data(oracleCase.signedFile);
    std::string text;
    if (oracleCase.kind == "clear")
        return CheckClearSigned(signedBytes, keyring, CurrentTime(), text);
    const std::string signature = Data(oracleCase.signatureFile);
    if (oracleCase.kind == "file" || oracleCase.signedFile.find(".iso") != std::string::npos)
        return CheckOverFile(signature, oracleCase.signedFile, keyring);
    return CheckSignatureOverBytes(signature, signedBytes, keyring, CurrentTime());
}

bool IsSigned(SignatureVerdict verdict)
{
    return verdict == SignatureVerdict::Signed || verdict == SignatureVerdict::SignedByKeyBeside;
}

// What the program must say where the oracle said its word: a good signature over SHA-1 is weak,
// one whose key gpgv was given apart from the others came from beside the file.
SignatureVerdict Expected(const OracleCase& oracleCase)
{
    if (oracleCase.oracle == "good" && (oracleCase.hash == "2" || oracleCase.hash == "SHA1"))
        return SignatureVerdict::WeakHash;
    if (oracleCase.oracle == "good")
        return oracleCase.keyring == "oracle-beside.gpg" ? SignatureVerdict::SignedByKeyBeside : SignatureVerdict::Signed;
    if (oracleCase.oracle == "expired")
        return SignatureVerdict::Expired;
    if (oracleCase.oracle == "revoked")
        return SignatureVerdict::Revoked;
    return SignatureVerdict::Bad;
}

TEST(OracleCases, VerdictIsWhatGpgvOrMinisignSays)
{
    const CKeyring keyring = TestKeyring();
    for (const OracleCase& oracleCase : ReadCases("cases.txt")) {
        const SignatureResult result = VerdictOf(oracleCase, keyring);
        EXPECT_EQ(static_cast<int>(Expected(oracleCase)), static_cast<int>(result.verdict)) << oracleCase.name;
        if (!oracleCase.fingerprint.empty()) {
            EXPECT_EQ(oracleCase.fingerprint, result.fingerprint) << oracleCase.name;
        }
        if (IsSigned(result.verdict) && oracleCase.kind != "minisign") {
            EXPECT_NE(std::string::npos, result.userId.find("@example.org")) << oracleCase.name;
        }
    }
}

TEST(MangledSignatures, SignedOnlyWhereTheOracleSaysGood)
{
    const CKeyring keyring = TestKeyring();
    for (const OracleCase& oracleCase : ReadCases("mangled.txt")) {
        if (oracleCase.oracle != "good") {
            EXPECT_FALSE(IsSigned(VerdictOf(oracleCase, keyring).verdict)) << oracleCase.name;
        }
    }
}

// The body of the first packet of binary data, and the data again with a new-form header.
std::string FirstBody(const std::string& bytes)
{
    std::vector<Packet> packets;
    ReadPackets(bytes, packets);
    return packets.empty() ? std::string() : packets.front().body;
}

std::string Wrapped(int tag, const std::string& body)
{
    std::string packet(1, static_cast<char>(0xC0 | tag));
    packet += '\xFF';
    for (int shift = 24; shift >= 0; shift -= 8)
        packet += static_cast<char>((body.size() >> shift) & 0xFF);
    return packet + body;
}

size_t Number(const std::string& bytes, size_t at)
{
    return (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
}

// Where the unhashed area's length stands in a version 4 signature body.
size_t UnhashedAt(const std::string& body)
{
    return 6 + Number(body, 4);
}

TEST(HostileSignatures, NoneCrashesOrVerifies)
{
    const std::string binary = Data("SHA256SUMS.sign");
    const std::string armoured = Data("SHA256SUMS.asc");
    const std::string body = FirstBody(binary);
    const size_t unhashed = UnhashedAt(body);
    const size_t values = unhashed + 2 + Number(body, unhashed) + 2;
    const std::string equals = armoured.substr(armoured.rfind("\n=") + 2, 4);
    const struct
    {
        const char* name;
        std::function<std::string()> make;
        bool signs;
    } table[] = {
        {"untouched, rewrapped", [&] { return Wrapped(2, body); }, true},
        {"truncated", [&] { return binary.substr(0, binary.size() / 2); }, false},
        {"length past the end", [&] { return Wrapped(2, body).replace(2, 4, "\x7F\xFF\xFF\xFF"); }, false},
        {"partial length", [&] { return "\xC2\xE1" + body; }, false},
        {"hashed area past the packet", [&] { return Wrapped(2, std::string(body).replace(4, 2, "\xFF\xFF")); }, false},
        {"subpacket past its area", [&] { return Wrapped(2, std::string(body).replace(6, 1, "\xFF")); }, false},
        {"huge number", [&] { return Wrapped(2, std::string(body).replace(values, 2, "\xFF\xFF")); }, false},
        {"huge count of packets", [&] {
             std::string many;
             for (size_t count = 0; count <= MaxPackets; ++count)
                 many += std::string("\xCA\x03PGP", 5);
             return many + binary;
         }, false},
        {"unknown critical subpacket, unhashed", [&] {
             std::string changed(body);
             changed.insert(unhashed + 2, std::string("\x02\xE4\x00", 3));
             changed[unhashed + 1] = static_cast<char>(changed[unhashed + 1] + 3);
             return Wrapped(2, changed);
         }, false},
        {"wrong armour checksum", [&] {
             return std::string(armoured).replace(armoured.rfind("\n=") + 2, 4, equals == "AAAA" ? "BBBB" : "AAAA");
         }, false},
        {"armour with a foreign character", [&] { return std::string(armoured).replace(armoured.find("\n\n") + 5, 1, "*"); }, false},
    };
    const CKeyring keyring = TestKeyring();
    const std::string list = Data("SHA256SUMS");
    for (const auto& row : table)
        EXPECT_EQ(row.signs, IsSigned(CheckSignatureOverBytes(row.make(), list, keyring, CurrentTime()).verdict)) << row.name;
}

// The test keys' packets: the Ed25519 key's signing subkey with its binding (damaged on request)
// after that key, or grafted onto the RSA key.
std::string KeysWithSubkey(bool graftOntoOtherKey, bool damageBinding)
{
    std::vector<Packet> packets;
    EXPECT_TRUE(ReadPackets(Data("keys.gpg"), packets));
    std::string rsaKey, edKey, edSubkey;
    std::string* owner = nullptr;
    bool inSubkey = false;
    for (size_t at = 0; at < packets.size(); ++at) {
        std::string body = packets[at].body;
        if (packets[at].tag == PublicKeyTag) {
            const std::string userId = at + 1 < packets.size() ? packets[at + 1].body : std::string();
            owner = userId.find("<rsa@") != std::string::npos ? &rsaKey : userId.find("<ed@") != std::string::npos ? &edKey : nullptr;
            inSubkey = false;
        }
        inSubkey = inSubkey || packets[at].tag == PublicSubkeyTag;
        if (inSubkey && packets[at].tag == SignatureTag && damageBinding)
            body[body.size() - 3] ^= 0x20;
        if (owner)
            (inSubkey && owner == &edKey ? edSubkey : *owner) += Wrapped(packets[at].tag, body);
    }
    return (graftOntoOtherKey ? rsaKey : edKey) + edSubkey;
}

TEST(HostileKeys, SubkeyCountsOnlyWithItsOwnBinding)
{
    const struct
    {
        const char* name;
        bool graft, damage;
        SignatureVerdict verdict;
    } table[] = {
        {"bound to its own key", false, false, SignatureVerdict::Signed},
        {"binding damaged", false, true, SignatureVerdict::UnknownKey},
        {"grafted onto another key", true, false, SignatureVerdict::UnknownKey},
    };
    for (const auto& row : table) {
        const SignatureResult result = CheckSignatureOverBytes(Data("SHA256SUMS.sign"), Data("SHA256SUMS"),
                                                               TestKeyring(KeysWithSubkey(row.graft, row.damage)), CurrentTime());
        EXPECT_EQ(static_cast<int>(row.verdict), static_cast<int>(result.verdict)) << row.name;
    }
}

TEST(ShippedKeyring, FingerprintsAreThoseGpgShows)
{
    std::vector<std::string> shipped, shown;
    for (const KnownKey& key : CKeyStore(L"..\\vestigon").List()) {
        EXPECT_EQ(static_cast<int>(KeyOrigin::Shipped), static_cast<int>(key.origin));
        EXPECT_FALSE(key.userId.empty()) << key.fingerprint;
        shipped.push_back(key.fingerprint);
    }
    std::istringstream lines(Data("shipped-fingerprints.txt"));
    for (std::string line; std::getline(lines, line);)
        shown.push_back(line);
    std::sort(shipped.begin(), shipped.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(3u, shown.size());
    EXPECT_EQ(shown, shipped);
}

TEST(KeyStore, AddedKeyStaysKnownAfterRestartUntilRemoved)
{
    const struct
    {
        const char* keyFile;
        const char* signature;
        std::string fingerprint;
    } table[] = {
        {"rsa-key.asc", "SHA256SUMS.asc", ReadCases("cases.txt").front().fingerprint},
        {"mini.pub", "SHA256SUMS.minisig", ""},
    };
    const std::string list = Data("SHA256SUMS");
    for (const auto& row : table) {
        testsupport::CTemporaryFolder folder;
        const KeyFileContents contents = ReadKeyFile(Data(row.keyFile));
        auto verdictAfterRestart = [&] {
            return CheckSignatureOverBytes(Data(row.signature), list, CKeyStore(folder.Path()).Keyring(), CurrentTime()).verdict;
        };
        EXPECT_EQ(SignatureVerdict::UnknownKey, verdictAfterRestart()) << row.keyFile;
        CKeyStore store(folder.Path());
        EXPECT_EQ(CKeyStore::Change::Stored, store.Add(contents)) << row.keyFile;
        EXPECT_EQ(CKeyStore::Change::Unchanged, store.Add(contents)) << row.keyFile;
        EXPECT_EQ(SignatureVerdict::Signed, verdictAfterRestart()) << row.keyFile;
        const KnownKey added = CKeyStore(folder.Path()).List().front();
        EXPECT_EQ(static_cast<int>(KeyOrigin::Added), static_cast<int>(added.origin));
        if (!row.fingerprint.empty()) {
            EXPECT_EQ(row.fingerprint, added.fingerprint);
        }
        EXPECT_EQ(CKeyStore::Change::Stored, store.Remove(added.fingerprint)) << row.keyFile;
        EXPECT_EQ(SignatureVerdict::UnknownKey, verdictAfterRestart()) << row.keyFile;
    }
}

TEST(KeyStore, KeyHoldsForTheRunWhereTheFolderCannotBeWritten)
{
    testsupport::CTemporaryFolder folder;
    const std::wstring stored = folder.WriteFile(AddedKeysName, std::string());
    ASSERT_TRUE(SetFileAttributesW(stored.c_str(), FILE_ATTRIBUTE_READONLY));
    CKeyStore store(folder.Path());
    EXPECT_EQ(CKeyStore::Change::HeldForRun, store.Add(ReadKeyFile(Data("rsa-key.asc"))));
    const std::string signature = Data("SHA256SUMS.asc"), list = Data("SHA256SUMS");
    EXPECT_EQ(SignatureVerdict::Signed, CheckSignatureOverBytes(signature, list, store.Keyring(), CurrentTime()).verdict);
    EXPECT_EQ(SignatureVerdict::UnknownKey,
              CheckSignatureOverBytes(signature, list, CKeyStore(folder.Path()).Keyring(), CurrentTime()).verdict);
    EXPECT_EQ("", Read(stored));
    SetFileAttributesW(stored.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SignatureFinder, FindsTheSignaturesBesideAListAndAFile)
{
    testsupport::CTemporaryFolder folder;
    for (const wchar_t* name : {L"SHA256SUMS", L"sha256sums.SIGN", L"SHA256SUMS.asc", L"SHA256SUMS.sha1.sig", L"x.iso",
                                L"x.iso.sig", L"x.iso.minisig", L"x.isox.sig"})
        folder.WriteFile(name, Data("SHA256SUMS.asc"));
    folder.WriteFile(L"x.iso.asc", Data("rsa-key.asc"));
    const std::vector<std::wstring> lists = FindListSignatureFiles(folder.PathOf(L"SHA256SUMS"));
    const std::vector<std::wstring> files = FindFileSignatureFiles(folder.PathOf(L"x.iso"));
    EXPECT_EQ((std::vector<std::wstring>{folder.PathOf(L"sha256sums.SIGN"), folder.PathOf(L"SHA256SUMS.asc")}), lists);
    EXPECT_EQ((std::vector<std::wstring>{folder.PathOf(L"x.iso.sig"), folder.PathOf(L"x.iso.minisig")}), files);
}

TEST(SignatureLookup, ListIsCheckedWithTheSignaturesAndKeysBesideIt)
{
    const struct
    {
        const wchar_t* list;
        const char* listSource;
        const wchar_t* signature;
        const char* signatureSource;
        SignatureVerdict verdict;
    } table[] = {
        {L"SHA256SUMS", "SHA256SUMS", L"SHA256SUMS.sig", "SHA256SUMS.beside.sig", SignatureVerdict::SignedByKeyBeside},
        {L"CHECKSUM", "CHECKSUM", nullptr, nullptr, SignatureVerdict::Signed},
        {L"SHA256SUMS", "SHA256SUMS", nullptr, nullptr, SignatureVerdict::None},
    };
    bool damaged = false;
    CKeyring known;
    known.AddKeys(ReadCertifiedKeys(Data("keys.gpg"), KeyOrigin::Added, damaged));
    for (const auto& row : table) {
        testsupport::CTemporaryFolder folder;
        const std::string listBytes = Data(row.listSource);
        const std::wstring list = folder.WriteFile(row.list, listBytes);
        folder.WriteFile(L"KEYS", Data("beside/KEYS"));
        if (row.signature)
            folder.WriteFile(row.signature, Data(row.signatureSource));
        std::string listText;
        const SignatureResult result = CheckListSignatures(list, listBytes, known, CurrentTime(), listText);
        EXPECT_EQ(static_cast<int>(row.verdict), static_cast<int>(result.verdict)) << row.listSource;
        const std::wstring signatureFile = row.signature ? folder.PathOf(row.signature) : list;
        EXPECT_EQ(row.verdict == SignatureVerdict::None ? L"" : signatureFile, result.signatureFile) << row.listSource;
        EXPECT_NE(std::string::npos, listText.find("  x.iso\n")) << row.listSource;
        EXPECT_EQ(std::string::npos, listText.find("PGP")) << row.listSource;
    }
}

}
