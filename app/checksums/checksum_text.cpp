#include "checksums/checksum_text.h"

#include "checksums/checksum_forms.h"
#include "checksums/file_names.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <cwchar>

namespace checksums {

namespace {

const wchar_t SignedMessageStart[] = L"-----BEGIN PGP SIGNED MESSAGE-----";
const wchar_t SignatureStart[] = L"-----BEGIN PGP SIGNATURE-----";
const wchar_t SignatureEnd[] = L"-----END PGP SIGNATURE-----";
const wchar_t DashEscape[] = L"- ";

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

// Where a PGP clear-signed text stands at a line.
enum class SignedPart { Outside, Headers, Text, Signature };

bool IsArmourLine(const std::wstring& line, const wchar_t* armour)
{
    const size_t length = std::wcslen(armour);
    return line.compare(0, length, armour) == 0 && forms::IsBlankLine(line.substr(length));
}

// Marks the lines that frame a clear-signed text and takes dash-escaped lines out of their
// escape; the rest stays as it is.
void ReadSignedPart(forms::TextLine& line, SignedPart& part)
{
    switch (part) {
    case SignedPart::Outside:
        line.structure = IsArmourLine(line.text, SignedMessageStart);
        part = line.structure ? SignedPart::Headers : part;
        break;
    case SignedPart::Headers:
        line.structure = true;
        part = forms::IsBlankLine(line.text) ? SignedPart::Text : part;
        break;
    case SignedPart::Text:
        line.structure = IsArmourLine(line.text, SignatureStart);
        part = line.structure ? SignedPart::Signature : part;
        if (line.text.compare(0, 2, DashEscape) == 0)
            line.text.erase(0, 2);
        break;
    case SignedPart::Signature:
        line.structure = true;
        part = IsArmourLine(line.text, SignatureEnd) ? SignedPart::Outside : part;
        break;
    }
}

// The text's lines without their line ends (LF or CRLF).
std::vector<forms::TextLine> SplitLines(const std::wstring& text, bool readSigned)
{
    std::vector<forms::TextLine> lines;
    SignedPart part = SignedPart::Outside;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        forms::TextLine line;
        line.text = text.substr(start, end - start);
        start = end + 1;
        if (!line.text.empty() && line.text.back() == L'\r')
            line.text.pop_back();
        if (readSigned)
            ReadSignedPart(line, part);
        lines.push_back(std::move(line));
    }
    return lines;
}

}

ChecksumText ParseChecksumText(const std::wstring& text, bool acceptBareDigest, const ChecksumReading& reading)
{
    const bool everyForm = reading.accepted != Md5Only;
    const forms::LineRules rules = {reading.accepted, everyForm ? reading.named : std::nullopt, acceptBareDigest, everyForm};
    const std::vector<forms::TextLine> lines = SplitLines(text, everyForm);
    ChecksumText parsed;
    for (size_t index = 0; index < lines.size();) {
        const std::wstring& line = lines[index].text;
        ChecksumLine entry;
        entry.lineNumber = index + 1;
        bool taken = false;
        size_t used = 1;
        if (lines[index].structure || forms::IsBlankLine(line)) {
            taken = true;
        } else if (everyForm && line[0] == L'#') {
            ListedSize size;
            if (forms::ParseSizeLine(line, size))
                parsed.sizes.push_back(size);
            taken = true;
        } else if (forms::ParseSingleLine(line, rules, entry)) {
            parsed.lines.push_back(entry);
            taken = true;
        } else if (everyForm && (used = forms::ParseGpgRecord(lines, index, rules, entry, taken)) != 0) {
            if (taken)
                parsed.lines.push_back(entry);
        } else {
            used = 1;
        }
        if (!taken) {
            ++parsed.otherLines;
            parsed.otherLineNumbers.push_back(index + 1);
        }
        index += used;
    }
    return parsed;
}

ChecksumText ParseChecksumBytes(const std::string& bytes, bool acceptBareDigest, const ChecksumReading& reading)
{
    return ParseChecksumText(DecodeText(bytes), acceptBareDigest, reading);
}

bool ReadChecksumFile(const std::wstring& path, unsigned long long maxBytes, bool acceptBareDigest,
                      ChecksumText& out, AlgorithmSet accepted)
{
    std::string bytes;
    if (!ReadFileBytes(path, maxBytes, bytes))
        return false;
    ChecksumReading reading;
    reading.accepted = accepted;
    reading.named = AlgorithmOfFileName(FileNameOf(path));
    out = ParseChecksumBytes(bytes, acceptBareDigest, reading);
    return true;
}


}
