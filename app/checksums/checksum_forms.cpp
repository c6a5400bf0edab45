#include "checksums/checksum_forms.h"

#include "checksums/hex_digest.h"
#include "checksums/name_escaping.h"

namespace checksums { namespace forms {

namespace {

const wchar_t BsdOpening[] = L" (";
const wchar_t BsdSeparator[] = L") = ";
const size_t BsdSeparatorLength = 4;
const wchar_t SizeLineEnd[] = L" bytes";
const wchar_t NameSeparator[] = L": ";

bool IsBlank(wchar_t character)
{
    return character == L' ' || character == L'\t';
}

size_t SkipBlanks(const std::wstring& text, size_t at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

std::wstring WithoutTrailingBlanks(std::wstring text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text;
}

// The algorithm of a digest that no tag names: the file's name decides, or else its length.
std::optional<Algorithm> UntaggedAlgorithm(size_t digits, const LineRules& rules)
{
    if (rules.named)
        return CanHaveDigits(*rules.named, digits) ? rules.named : std::nullopt;
    return AlgorithmOfDigits(digits);
}

// Keeps the line when its algorithm is taken; of 128 undecided digits, the one that is taken.
bool Take(const AlgorithmSet& accepted, ChecksumLine& line)
{
    if (!line.mayBeBlake2b)
        return accepted.Has(line.algorithm);
    const bool sha512 = accepted.Has(Algorithm::Sha512);
    const bool blake2b = accepted.Has(Algorithm::Blake2b);
    line.mayBeBlake2b = sha512 && blake2b;
    if (!sha512)
        line.algorithm = Algorithm::Blake2b;
    return sha512 || blake2b;
}

bool SetUntaggedDigest(const std::wstring& hex, const LineRules& rules, ChecksumLine& out)
{
    const std::optional<Algorithm> algorithm = UntaggedAlgorithm(hex.size(), rules);
    out.digest = LowerCaseHex(hex);
    if (!algorithm || out.digest.empty())
        return false;
    out.algorithm = *algorithm;
    out.mayBeBlake2b = !rules.named && *algorithm == Algorithm::Sha512;
    return Take(rules.accepted, out);
}

// `<digest>  <name>` or `<digest> *<name>`.
bool ParseCoreutilsLine(const std::wstring& line, bool escaped, const LineRules& rules, ChecksumLine& out)
{
    const size_t digits = HexRunLength(line, 0);
    if (digits == 0 || line.size() < digits + 3 || line[digits] != L' ' ||
        (line[digits + 1] != L' ' && line[digits + 1] != L'*'))
        return false;
    out.name = line.substr(digits + 2);
    return SetUntaggedDigest(line.substr(0, digits), rules, out) && (!escaped || UnescapeName(out.name)) &&
           !out.name.empty();
}

// `<tag> (<name>) = <digest>`; the name may itself hold ") = ", so the digest's run of digits
// from the end decides where it ends.
bool ParseBsdLine(const std::wstring& untrimmed, bool escaped, const LineRules& rules, ChecksumLine& out)
{
    const std::wstring line = WithoutTrailingBlanks(untrimmed);
    size_t digits = 0;
    while (digits < line.size() && IsHexDigit(line[line.size() - 1 - digits]))
        ++digits;
    const size_t open = line.find(BsdOpening);
    if (open == std::wstring::npos || line.size() < digits + BsdSeparatorLength)
        return false;
    const size_t separator = line.size() - digits - BsdSeparatorLength;
    size_t tagDigits = 0;
    if (separator <= open + 2 || line.compare(separator, BsdSeparatorLength, BsdSeparator) != 0 ||
        !ParseBsdTag(line.substr(0, open), out.algorithm, tagDigits) || tagDigits != digits)
        return false;
    out.digest = LowerCaseHex(line.substr(line.size() - digits));
    out.name = line.substr(open + 2, separator - open - 2);
    out.mayBeBlake2b = false;
    return (!escaped || UnescapeName(out.name)) && rules.accepted.Has(out.algorithm);
}

bool ParseBareDigest(const std::wstring& line, const LineRules& rules, ChecksumLine& out)
{
    out.name.clear();
    return SetUntaggedDigest(WithoutTrailingBlanks(line), rules, out);
}

// What a record has gathered over its lines: gpg writes groups of 2, 4 or 8 digits, all of one
// length.
struct CGpgRecord
{
    std::wstring label;
    std::wstring digits;
    size_t groups = 0;
    size_t groupLength = 0;

    bool AddGroup(const std::wstring& group)
    {
        if (groups == 0 && group.size() != 2 && group.size() != 4 && group.size() != 8)
            return false;
        if (groups != 0 && group.size() != groupLength)
            return false;
        digits += group;
        groupLength = group.size();
        ++groups;
        return true;
    }
};

// Hexadecimal groups separated by blanks from `at` to the end, added to the record; false when
// anything else is there. A line that fails leaves the record as it was, so that reading stops
// at the first line that is not part of it and every line is read once.
bool ReadGroups(const std::wstring& text, size_t at, CGpgRecord& record)
{
    const size_t digitsBefore = record.digits.size(), groupsBefore = record.groups, lengthBefore = record.groupLength;
    for (at = SkipBlanks(text, at); at < text.size(); at = SkipBlanks(text, at)) {
        const size_t run = HexRunLength(text, at);
        if (run == 0 || (at + run < text.size() && !IsBlank(text[at + run])) || !record.AddGroup(text.substr(at, run))) {
            record.digits.resize(digitsBefore);
            record.groups = groupsBefore;
            record.groupLength = lengthBefore;
            return false;
        }
        at += run;
    }
    return true;
}

// gpg's algorithm label before the groups (`SHA256 = `), kept in `label`; `at` moves past it.
void ReadLabel(const std::wstring& text, size_t& at, std::wstring& label)
{
    const size_t start = SkipBlanks(text, at);
    size_t end = start;
    while (end < text.size() && ((text[end] >= L'A' && text[end] <= L'Z') || (text[end] >= L'0' && text[end] <= L'9')))
        ++end;
    const size_t equals = SkipBlanks(text, end);
    if (end > start && equals < text.size() && text[equals] == L'=') {
        label = text.substr(start, end - start);
        at = equals + 1;
    }
}

// A record's first line: `<name>: [<label> =] [groups]`, or without a name `[<label> =] groups`.
bool ReadRecordStart(const std::wstring& line, bool bareDigest, std::wstring& name, CGpgRecord& record)
{
    const std::wstring trimmed = WithoutTrailingBlanks(line);
    size_t rest = 0;
    if (!trimmed.empty() && trimmed.back() == L':') {
        name = trimmed.substr(0, trimmed.size() - 1);
        rest = trimmed.size();
    } else {
        const size_t separator = trimmed.rfind(NameSeparator);
        name = separator == std::wstring::npos ? std::wstring() : trimmed.substr(0, separator);
        rest = separator == std::wstring::npos ? 0 : separator + 2;
    }
    if (name.empty() ? !bareDigest : IsBlank(name[0]))
        return false;
    ReadLabel(trimmed, rest, record.label);
    return ReadGroups(trimmed, rest, record) && (!name.empty() || record.groups != 0);
}

// The record's lines after the first: indented groups, or right after a name alone, a label
// and groups as the first line would have them.
bool ReadRecordLine(const std::wstring& line, CGpgRecord& record)
{
    size_t at = 0;
    std::wstring label;
    if (record.digits.empty() && record.label.empty())
        ReadLabel(line, at, label);
    else if (line.empty() || !IsBlank(line[0]))
        return false;
    const size_t before = record.groups;
    if (!ReadGroups(line, at, record) || record.groups == before)
        return false;
    record.label = label.empty() ? record.label : label;
    return true;
}

// gpg computes no BLAKE2b: 128 digits there are SHA-512's, unless the file's name says otherwise.
bool SetRecordDigest(const CGpgRecord& record, const LineRules& rules, ChecksumLine& out)
{
    std::optional<Algorithm> algorithm;
    if (record.label.empty()) {
        algorithm = UntaggedAlgorithm(record.digits.size(), rules);
    } else {
        size_t labelDigits = 0;
        Algorithm labelled = Algorithm::Md5;
        if (ParseBsdTag(record.label, labelled, labelDigits) && labelDigits == record.digits.size())
            algorithm = labelled;
    }
    out.digest = LowerCaseHex(record.digits);
    out.mayBeBlake2b = false;
    if (!algorithm)
        return false;
    out.algorithm = *algorithm;
    return rules.accepted.Has(*algorithm);
}

}

bool IsBlankLine(const std::wstring& line)
{
    return SkipBlanks(line, 0) == line.size();
}

bool ParseSingleLine(const std::wstring& line, const LineRules& rules, ChecksumLine& out)
{
    const size_t start = SkipBlanks(line, 0);
    const bool escaped = start < line.size() && line[start] == L'\\';
    const std::wstring body = line.substr(escaped ? start + 1 : start);
    return ParseCoreutilsLine(body, escaped, rules, out) || ParseBsdLine(body, escaped, rules, out) ||
           (rules.bareDigest && !escaped && ParseBareDigest(body, rules, out));
}

size_t ParseGpgRecord(const std::vector<TextLine>& lines, size_t first, const LineRules& rules, ChecksumLine& out,
                      bool& taken)
{
    CGpgRecord record;
    std::wstring name;
    if (!ReadRecordStart(lines[first].text, rules.bareDigest, name, record))
        return 0;
    size_t next = first + 1;
    while (next < lines.size() && !lines[next].structure && ReadRecordLine(lines[next].text, record))
        ++next;
    if (record.groups == 0)
        return 0;
    out.name = name;
    taken = SetRecordDigest(record, rules, out);
    return next - first;
}

bool ParseSizeLine(const std::wstring& line, ListedSize& out)
{
    const std::wstring trimmed = WithoutTrailingBlanks(line);
    const size_t endLength = sizeof SizeLineEnd / sizeof SizeLineEnd[0] - 1;
    if (trimmed.empty() || trimmed[0] != L'#' || trimmed.size() < endLength ||
        trimmed.compare(trimmed.size() - endLength, endLength, SizeLineEnd) != 0)
        return false;
    const size_t separator = trimmed.rfind(NameSeparator);
    const size_t nameStart = SkipBlanks(trimmed, 1);
    if (separator == std::wstring::npos || separator <= nameStart || separator + 2 >= trimmed.size() - endLength)
        return false;
    unsigned long long bytes = 0;
    for (size_t at = separator + 2; at < trimmed.size() - endLength; ++at) {
        const wchar_t digit = trimmed[at];
        if (digit < L'0' || digit > L'9' || bytes > (~0ull - static_cast<unsigned long long>(digit - L'0')) / 10)
            return false;
        bytes = bytes * 10 + static_cast<unsigned long long>(digit - L'0');
    }
    out.name = trimmed.substr(nameStart, separator - nameStart);
    out.bytes = bytes;
    return true;
}

}}
