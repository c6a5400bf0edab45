#include "signatures/signature_sentence.h"

#include "settings/profile_files.h"

#include <windows.h>

namespace signatures {

namespace {

std::wstring Widened(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    return wide;
}

std::wstring NameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

}

SignatureSentence SentenceOf(const SignatureResult& result, bool overFile)
{
    const std::vector<std::wstring> signer = {Widened(result.userId), GroupedFingerprint(result.fingerprint)};
    switch (result.verdict) {
    case SignatureVerdict::None: return SignatureSentence();
    case SignatureVerdict::Signed: return {profile::KeySignedBy, signer};
    case SignatureVerdict::SignedByKeyBeside: return {profile::KeySignedByKeyBeside, signer};
    case SignatureVerdict::UnknownKey: return {profile::KeySignedByUnknownKey, {GroupedFingerprint(result.fingerprint)}};
    case SignatureVerdict::WeakHash: return {profile::KeySignatureWeak, signer};
    case SignatureVerdict::Expired: return {profile::KeySignatureExpired, signer};
    case SignatureVerdict::Revoked: return {profile::KeySignatureRevoked, signer};
    case SignatureVerdict::Bad: return {overFile ? profile::KeySignatureBadFile : profile::KeySignatureBadList, {}};
    case SignatureVerdict::NotCheckable: break;
    }
    return {profile::KeySignatureNotCheckable, {NameOf(result.signatureFile)}};
}

}
