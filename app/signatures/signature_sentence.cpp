#include "signatures/signature_sentence.h"

#include "settings/profile_files.h"
#include "vrok_data/vrok_utf8.h"

#include <windows.h>

namespace signatures {

using vrok::data::type::string::WideFromUtf8;

namespace {

std::wstring NameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

}

SignatureSentence SentenceOf(const SignatureResult& result, bool overFile)
{
    const std::vector<std::wstring> signer = {WideFromUtf8(result.userId), GroupedFingerprint(result.fingerprint)};
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
