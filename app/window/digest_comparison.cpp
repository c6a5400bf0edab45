#include "window/digest_comparison.h"

#include "checksums/algorithm_names.h"
#include "checksums/hex_digest.h"
#include "settings/profile_files.h"

#include <windows.h>

#include <cwchar>

namespace comparison {

namespace {

bool IsMissing(const wchar_t* text)
{
    return text == nullptr || text[0] == L'\0';
}

}

bool IsLowerHex(const wchar_t* text)
{
    return !IsMissing(text) && checksums::IsLowerHex(text);
}

const wchar_t* OtherAlgorithmOf(const wchar_t* text)
{
    const std::wstring digest = IsMissing(text) ? std::wstring() : checksums::LowerCaseHex(text);
    const std::optional<checksums::Algorithm> algorithm = checksums::AlgorithmOfDigits(digest.size());
    return algorithm && *algorithm != checksums::Algorithm::Md5 ? checksums::ShownNameOf(*algorithm) : nullptr;
}

CVerdict JudgeReference(const wchar_t* reference, const wchar_t* digest)
{
    if (IsMissing(reference) || IsMissing(digest))
        return {profile::KeyEmptyString, WarningPicture};
    const size_t length = std::wcslen(reference);
    if (length > static_cast<size_t>(DigestLength)) {
        const wchar_t* other = OtherAlgorithmOf(reference);
        if (other != nullptr)
            return {profile::KeyOtherDigest, WarningPicture, other};
        return {profile::KeyTooLong, WarningPicture};
    }
    if (length < static_cast<size_t>(DigestLength))
        return {profile::KeyTooShort, WarningPicture};
    if (lstrcmpW(reference, digest) == 0)
        return {profile::KeyHashEqual, EqualPicture};
    if (!IsLowerHex(reference))
        return {profile::KeyNotHexadecimal, WarningPicture};
    return {profile::KeyHashDifferent, DifferentPicture};
}

}
