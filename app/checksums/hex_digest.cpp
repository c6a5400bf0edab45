#include "checksums/hex_digest.h"

namespace checksums {

bool IsLowerHexDigit(wchar_t character)
{
    return (character >= L'0' && character <= L'9') || (character >= L'a' && character <= L'f');
}

bool IsHexDigit(wchar_t character)
{
    return IsLowerHexDigit(character) || (character >= L'A' && character <= L'F');
}

bool IsLowerHex(const std::wstring& text)
{
    for (wchar_t character : text)
        if (!IsLowerHexDigit(character))
            return false;
    return !text.empty();
}

std::wstring LowerCaseHex(const std::wstring& text)
{
    if (HexRunLength(text, 0) != text.size() || text.empty())
        return std::wstring();
    std::wstring lower(text);
    for (wchar_t& character : lower)
        if (character >= L'A' && character <= L'F')
            character = static_cast<wchar_t>(character - L'A' + L'a');
    return lower;
}

size_t HexRunLength(const std::wstring& text, size_t start)
{
    size_t end = start;
    while (end < text.size() && IsHexDigit(text[end]))
        ++end;
    return end - start;
}

}
