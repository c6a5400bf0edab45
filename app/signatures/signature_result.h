#ifndef VESTIGON_SIGNATURE_RESULT_H
#define VESTIGON_SIGNATURE_RESULT_H

#include "signatures/keyring.h"

#include <cstdint>
#include <string>
#include <vector>

namespace signatures {

// What a signature says about a checksum list or a file, the strongest statement last but one:
// when several signatures apply, the one that ranks highest is told (a signature that does not
// match is told above all).
enum class SignatureVerdict
{
    None,               // no signature found
    NotCheckable,       // unreadable signature, an algorithm not handled, or libgcrypt missing
    UnknownKey,         // made by a key the program does not know
    WeakHash,           // holds, but over MD5 or SHA-1: never the signed verdict
    Expired,            // holds, but the key or the signature has expired
    Revoked,            // holds, but the key's owner revoked it
    SignedByKeyBeside,  // holds, by a key found only beside the file
    Signed,             // holds, by a shipped or added key
    Bad,                // does NOT match: the data was changed after signing, or another key made it
};

struct SignatureResult
{
    SignatureVerdict verdict = SignatureVerdict::None;
    std::string userId;       // UTF-8, as the key names its owner; minisign: the key's comment
    std::string fingerprint;  // upper-case hexadecimal: 40 digits, or 16 for a key id alone
    KeyOrigin origin = KeyOrigin::Beside;
    std::wstring signatureFile;  // the file the signature was read from
};

// "DF9B 9C49 EAA9 2984 ..." : the hexadecimal digits in groups of four.
std::wstring GroupedFingerprint(const std::string& fingerprint);

// A moment `seconds` after `start`, 0 (never) for no seconds; a sum past what 32 bits hold is the
// last moment they hold, not a moment long past.
uint32_t MomentAfter(uint32_t start, uint32_t seconds);

// Upper-case hexadecimal of bytes.
std::string HexOf(const std::string& bytes);

// The result that ranks highest; None for none.
SignatureResult StrongestResult(const std::vector<SignatureResult>& results);

}

#endif
