#include "checksums/checksum_text.h"

#include "vrok_persistence/vrok_file.h"

#include <windows.h>

#include <climits>
#include <cstring>

using vrok::persistence::file::CFile;

namespace checksums {

namespace {

const size_t DigestDigits = 32;
const wchar_t BsdPrefix[] = L"MD5 (";
const size_t BsdPrefixLength = 5;
const wchar_t BsdSeparator[] = L") = ";
const size_t BsdSeparatorLength = 4;
const DWORD ReadChunk = 1 << 20;

bool IsBlank(wchar_t character)
{
    return character == L' ' || character == L'\t';
}

bool IsHexDigit(wchar_t character)
{
    return (character >= L'0' && character <= L'9') || (character >= L'a' && character <= L'f') ||
           (character >= L'A' && character <= L'F');
}

// Bytes in a code page as wide text; false when a strict conversion meets an invalid sequence.
bool ConvertBytes(UINT codePage, DWORD flags, const char* bytes, size_t count, std::wstring& text)
{
    text.clear();
    if (count == 0)
        return true;
    if (count > static_cast<size_t>(INT_MAX))
        return false;
    const int length = MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(count), nullptr, 0);
    if (length <= 0)
        return false;
    text.resize(static_cast<size_t>(length));
    return MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(count), &text[0], length) == length;
}

// A byte-order mark decides; without one the bytes are UTF-8 when they are valid UTF-8, and
// text of the ANSI code page otherwise (lists written by older Windows tools).
std::wstring DecodeText(const std::string& bytes)
{
    std::wstring text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        text.resize((bytes.size() - 2) / sizeof(wchar_t));
        if (!text.empty())
            std::memcpy(&text[0], bytes.data() + 2, text.size() * sizeof(wchar_t));
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        ConvertBytes(CP_UTF8, 0, bytes.data() + 3, bytes.size() - 3, text);
        return text;
    }
    if (!ConvertBytes(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), bytes.size(), text))
        ConvertBytes(CP_ACP, 0, bytes.data(), bytes.size(), text);
    return text;
}

// coreutils escapes a backslash and the line-break characters of a name; any other escape
// means the line is not one of its lines.
bool Unescape(std::wstring& name)
{
    std::wstring plain;
    plain.reserve(name.size());
    for (size_t at = 0; at < name.size(); ++at) {
        if (name[at] != L'\\') {
            plain += name[at];
            continue;
        }
        if (++at == name.size())
            return false;
        switch (name[at]) {
        case L'\\': plain += L'\\'; break;
        case L'n': plain += L'\n'; break;
        case L'r': plain += L'\r'; break;
        default: return false;
        }
    }
    name.swap(plain);
    return true;
}

// `<digest>  <name>` or `<digest> *<name>`.
bool ParseCoreutilsLine(const std::wstring& line, bool escaped, ChecksumLine& out)
{
    if (line.size() < DigestDigits + 3 || line[DigestDigits] != L' ' ||
        (line[DigestDigits + 1] != L' ' && line[DigestDigits + 1] != L'*'))
        return false;
    out.digest = NormaliseDigest(line.substr(0, DigestDigits));
    out.name = line.substr(DigestDigits + 2);
    return !out.digest.empty() && (!escaped || Unescape(out.name)) && !out.name.empty();
}

// `MD5 (<name>) = <digest>`; the name may itself hold ") = ".
bool ParseBsdLine(std::wstring line, bool escaped, ChecksumLine& out)
{
    while (!line.empty() && IsBlank(line.back()))
        line.pop_back();
    const size_t shortest = BsdPrefixLength + 1 + BsdSeparatorLength + DigestDigits;
    if (line.size() < shortest || line.compare(0, BsdPrefixLength, BsdPrefix) != 0)
        return false;
    const size_t separator = line.size() - DigestDigits - BsdSeparatorLength;
    if (line.compare(separator, BsdSeparatorLength, BsdSeparator) != 0)
        return false;
    out.digest = NormaliseDigest(line.substr(line.size() - DigestDigits));
    out.name = line.substr(BsdPrefixLength, separator - BsdPrefixLength);
    return !out.digest.empty() && (!escaped || Unescape(out.name)) && !out.name.empty();
}

bool ParseBareDigest(std::wstring line, ChecksumLine& out)
{
    while (!line.empty() && IsBlank(line.back()))
        line.pop_back();
    out.name.clear();
    out.digest = NormaliseDigest(line);
    return !out.digest.empty();
}

// One line without its line end; false when it is no MD5 line.
bool ParseLine(const std::wstring& line, bool acceptBareDigest, ChecksumLine& out)
{
    size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    const bool escaped = start < line.size() && line[start] == L'\\';
    const std::wstring body = line.substr(escaped ? start + 1 : start);
    return ParseCoreutilsLine(body, escaped, out) || ParseBsdLine(body, escaped, out) ||
           (acceptBareDigest && !escaped && ParseBareDigest(body, out));
}

bool IsBlankLine(const std::wstring& line)
{
    for (wchar_t character : line)
        if (!IsBlank(character))
            return false;
    return true;
}

bool ReadWholeFile(CFile& file, unsigned long long maxBytes, std::string& bytes)
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.GetHandle(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t filled = 0;
    while (filled < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(bytes.size() - filled < ReadChunk ? bytes.size() - filled : ReadChunk);
        DWORD read = 0;
        if (!ReadFile(file.GetHandle(), &bytes[filled], wanted, &read, nullptr))
            return false;
        if (read == 0)
            break;  // the file shrank meanwhile: what was there is what it holds
        filled += read;
    }
    bytes.resize(filled);
    return true;
}

bool IsSeparator(wchar_t character)
{
    return character == L'\\' || character == L'/';
}

// The length of a path's root that `..` may not climb over: a drive (`C:`), a share
// (`\\server\share`), and both in the long form (`\\?\C:`, `\\?\UNC\server\share`).
size_t RootLength(const std::wstring& path)
{
    size_t start = 0;
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        start = 8;
    else if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path.size() >= 6 ? 6 : path.size();
    else if (path.compare(0, 2, L"\\\\") == 0)
        start = 2;
    else
        return path.size() >= 2 && path[1] == L':' ? 2 : 0;
    // The server and the share.
    size_t end = path.find(L'\\', start);
    if (end != std::wstring::npos)
        end = path.find(L'\\', end + 1);
    return end == std::wstring::npos ? path.size() : end;
}

}

std::wstring NormaliseDigest(const std::wstring& text)
{
    if (text.size() != DigestDigits)
        return std::wstring();
    std::wstring digest(text);
    for (wchar_t& character : digest) {
        if (!IsHexDigit(character))
            return std::wstring();
        if (character >= L'A' && character <= L'F')
            character = static_cast<wchar_t>(character - L'A' + L'a');
    }
    return digest;
}

ChecksumText ParseChecksumBytes(const std::string& bytes, bool acceptBareDigest)
{
    ChecksumText parsed;
    const std::wstring text = DecodeText(bytes);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        ChecksumLine entry;
        if (ParseLine(line, acceptBareDigest, entry))
            parsed.lines.push_back(entry);
        else if (!IsBlankLine(line))
            ++parsed.otherLines;
    }
    return parsed;
}

bool ReadFileBytes(const std::wstring& path, unsigned long long maxBytes, std::string& bytes)
{
    CFile file;
    return file.OpenForReading(path.c_str()) && ReadWholeFile(file, maxBytes, bytes);
}

bool ReadChecksumFile(const std::wstring& path, unsigned long long maxBytes, bool acceptBareDigest,
                      ChecksumText& out)
{
    std::string bytes;
    if (!ReadFileBytes(path, maxBytes, bytes))
        return false;
    out = ParseChecksumBytes(bytes, acceptBareDigest);
    return true;
}

std::wstring ResolveListedName(const std::wstring& listFolder, const std::wstring& listedName)
{
    if (listedName.empty() || IsSeparator(listedName[0]) || (listedName.size() >= 2 && listedName[1] == L':'))
        return std::wstring();
    std::wstring path(listFolder);
    while (path.size() > RootLength(path) && IsSeparator(path.back()))
        path.pop_back();
    const size_t root = RootLength(path);
    size_t start = 0;
    while (start <= listedName.size()) {
        size_t end = start;
        while (end < listedName.size() && !IsSeparator(listedName[end]))
            ++end;
        const std::wstring part = listedName.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == L".")
            continue;
        if (part == L"..") {
            const size_t cut = path.find_last_of(L"\\/");
            if (cut == std::wstring::npos || cut < root)
                return std::wstring();
            path.erase(cut);
            continue;
        }
        path += L'\\';
        path += part;
    }
    return path;
}

bool SamePathIgnoringCase(const std::wstring& first, const std::wstring& second)
{
    if (first.size() != second.size())
        return false;
    if (first.empty())
        return true;
    std::wstring upperFirst(first);
    std::wstring upperSecond(second);
    CharUpperBuffW(&upperFirst[0], static_cast<DWORD>(upperFirst.size()));
    CharUpperBuffW(&upperSecond[0], static_cast<DWORD>(upperSecond.size()));
    return upperFirst == upperSecond;
}

}
