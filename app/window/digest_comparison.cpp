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

CVerdict JudgeReference(const wchar_t* reference, const wchar_t* digest)
{
    if (IsMissing(reference) || IsMissing(digest))
        return {profile::KeyEmptyString, WarningPicture};
    const size_t length = std::wcslen(reference);
    if (length > static_cast<size_t>(DigestLength))
        return {profile::KeyTooLong, WarningPicture};
    if (length < static_cast<size_t>(DigestLength))
        return {profile::KeyTooShort, WarningPicture};
    if (lstrcmpW(reference, digest) == 0)
        return {profile::KeyHashEqual, EqualPicture};
    if (!IsLowerHex(reference))
        return {profile::KeyNotHexadecimal, WarningPicture};
    return {profile::KeyHashDifferent, DifferentPicture};
}

}
