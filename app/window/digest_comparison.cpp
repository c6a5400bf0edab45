#include "window/digest_comparison.h"

#include "settings/profile_files.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>

namespace comparison {

namespace {

bool IsMissing(const wchar_t* text)
{
    return text == nullptr || text[0] == L'\0';
}

bool IsLowerHexCharacter(wchar_t character)
{
    return std::iswdigit(character) || (character >= L'a' && character <= L'f');
}

bool IsHexCharacter(wchar_t character)
{
    return IsLowerHexCharacter(character) || (character >= L'A' && character <= L'F');
}

struct COtherAlgorithm
{
    size_t digits;
    const wchar_t* name;
};

const COtherAlgorithm OtherAlgorithms[] = {
    {40, L"SHA-1"}, {56, L"SHA-224"}, {64, L"SHA-256"}, {96, L"SHA-384"}, {128, L"SHA-512"},
};

}

bool IsLowerHex(const wchar_t* text)
{
    if (IsMissing(text))
        return false;
    for (const wchar_t* character = text; *character != L'\0'; ++character)
        if (!IsLowerHexCharacter(*character))
            return false;
    return true;
}

const wchar_t* OtherAlgorithmOf(const wchar_t* text)
{
    if (IsMissing(text))
        return nullptr;
    size_t length = 0;
    for (; text[length] != L'\0'; ++length)
        if (!IsHexCharacter(text[length]))
            return nullptr;
    for (const COtherAlgorithm& algorithm : OtherAlgorithms)
        if (algorithm.digits == length)
            return algorithm.name;
    return nullptr;
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
