#include "checksums/pasted_digest.h"

#include "checksums/checksum_text.h"
#include "checksums/hex_digest.h"

#include <vector>

namespace checksums {

namespace {

// Blanks and line breaks, with those that copying from a web page brings along (no-break and
// zero-width spaces, a byte-order mark).
const wchar_t Spacing[] = L" \t\r\n\u00A0\u200B\uFEFF";
const wchar_t GroupSeparators[] = L" \t\r\n\u00A0\u200B\uFEFF:";
const wchar_t PrefixEnds[] = L":=";

bool IsWordCharacter(wchar_t character)
{
    return (character >= L'a' && character <= L'z') || (character >= L'A' && character <= L'Z') ||
           (character >= L'0' && character <= L'9') || character == L'-';
}

std::wstring Trim(const std::wstring& text, const wchar_t* spacing)
{
    const size_t first = text.find_first_not_of(spacing);
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(spacing) - first + 1);
}

// Hexadecimal digits in groups of one length, separated by blanks, line breaks or colons; the
// digits in lower case, empty when the text is anything else.
std::wstring JoinGroups(const std::wstring& text)
{
    std::wstring digits;
    size_t groupLength = 0;
    size_t start = text.find_first_not_of(GroupSeparators);
    while (start != std::wstring::npos) {
        size_t end = text.find_first_of(GroupSeparators, start);
        if (end == std::wstring::npos)
            end = text.size();
        const std::wstring group = LowerCaseHex(text.substr(start, end - start));
        if (group.empty() || (groupLength != 0 && group.size() != groupLength))
            return std::wstring();
        groupLength = group.size();
        digits += group;
        start = text.find_first_not_of(GroupSeparators, end);
    }
    return digits;
}

// `<algorithm>:<digits>` or `<algorithm> = <digits>`, blanks allowed around the mark.
bool TakePrefixed(const std::wstring& text, PastedDigest& out)
{
    size_t end = 0;
    while (end < text.size() && IsWordCharacter(text[end]))
        ++end;
    const size_t mark = text.find_first_not_of(Spacing, end);
    Algorithm algorithm = Algorithm::Md5;
    size_t digits = 0;
    if (end == 0 || mark == std::wstring::npos || std::wstring(PrefixEnds).find(text[mark]) == std::wstring::npos ||
        !ParseAlgorithmWord(text.substr(0, end), algorithm, digits))
        return false;
    out.text = JoinGroups(text.substr(mark + 1));
    out.algorithm = algorithm;
    return out.text.size() == digits;
}

// A checksum line of any form and algorithm, alone in the text.
bool TakeChecksumLine(const std::wstring& text, PastedDigest& out)
{
    ChecksumReading reading;
    reading.accepted = AlgorithmSet::All();
    const ChecksumText parsed = ParseChecksumText(text, true, reading);
    if (parsed.lines.size() != 1 || parsed.otherLines != 0)
        return false;
    const ChecksumLine& line = parsed.lines[0];
    out.text = line.digest;
    out.name = line.name;
    if (!line.mayBeBlake2b)
        out.algorithm = line.algorithm;
    return true;
}

bool TakeGroupedDigits(const std::wstring& text, PastedDigest& out)
{
    out.text = JoinGroups(text);
    const std::optional<Algorithm> algorithm = AlgorithmOfDigits(out.text.size());
    if (algorithm != Algorithm::Sha512)
        out.algorithm = algorithm;
    return algorithm.has_value();
}

// Each form from a fresh start, so that what one form found does not stay when it fails.
template <typename Form>
bool TakeForm(Form form, const std::wstring& text, PastedDigest& out)
{
    out = PastedDigest();
    return form(text, out);
}

}

PastedDigest TakeDigestFromPaste(const std::wstring& pasted)
{
    const std::wstring text = Trim(pasted, Spacing);
    PastedDigest digest;
    if (!text.empty() && (TakeForm(TakePrefixed, text, digest) || TakeForm(TakeChecksumLine, text, digest) ||
                          TakeForm(TakeGroupedDigits, text, digest))) {
        digest.extracted = true;
        return digest;
    }
    digest = PastedDigest();
    digest.text = pasted;
    return digest;
}

}
