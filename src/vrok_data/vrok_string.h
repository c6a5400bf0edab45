#ifndef VROK_DATA_STRING_H
#define VROK_DATA_STRING_H

#include <string>
#include <vector>

namespace vrok { namespace data { namespace type { namespace string {

// The framework's wide-character string: the standard wide string under the framework's name,
// with the few operations the framework uses spelled in its own words.
class CString : public std::wstring
{
public:
    static const size_type NotFound = std::wstring::npos;

    CString() = default;
    CString(const wchar_t* text) : std::wstring(text ? text : L"") {}
    CString(const std::wstring& text) : std::wstring(text) {}

    int Length() const { return static_cast<int>(size()); }

    CString Substring(size_type start, size_type count = NotFound) const { return substr(start, count); }

    // Position of the first occurrence of character at or after start, or NotFound.
    size_type FindCharacter(wchar_t character, size_type start = 0) const { return find(character, start); }

    // Position of the first character at or after start that belongs to the set, or NotFound.
    size_type FindAnyOf(const wchar_t* set, size_type start = 0) const { return find_first_of(set, start); }
};

// The text cut to at most maxLength characters by putting "..." in place of its middle, so that
// its start and its end (a path's drive and file name) stay; a text that fits comes back whole.
// A character made of two UTF-16 units is never split.
inline std::wstring ShortenInMiddle(const std::wstring& text, size_t maxLength)
{
    static const wchar_t Ellipsis[] = L"...";
    const size_t ellipsisLength = 3;
    if (text.size() <= maxLength)
        return text;
    if (maxLength <= ellipsisLength)
        return std::wstring(Ellipsis, maxLength);
    const size_t kept = maxLength - ellipsisLength;
    size_t headLength = kept / 2;
    size_t tailStart = text.size() - (kept - headLength);
    if (headLength > 0 && text[headLength - 1] >= 0xD800 && text[headLength - 1] <= 0xDBFF)
        --headLength;
    if (tailStart < text.size() && text[tailStart] >= 0xDC00 && text[tailStart] <= 0xDFFF)
        ++tailStart;
    return text.substr(0, headLength) + Ellipsis + text.substr(tailStart);
}

// The one filling of a program text's placeholders: each occurrence of `mark` ("%s", "%u",
// "{speed}") takes the next of the values in turn, and an occurrence past the last value takes
// nothing. Nothing else in the text is interpreted, so that a language file cannot make the
// program read past its values.
inline std::wstring FillIn(const std::wstring& text, const std::wstring& mark, const std::vector<std::wstring>& values)
{
    if (mark.empty())
        return text;
    std::wstring filled;
    size_t next = 0;
    size_t start = 0;
    for (size_t at; (at = text.find(mark, start)) != std::wstring::npos; start = at + mark.size()) {
        filled.append(text, start, at - start);
        if (next < values.size())
            filled += values[next++];
    }
    return filled + text.substr(start);
}

}}}}

#endif
