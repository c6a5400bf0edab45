#include "cli/message_quoting.h"

#include "hashing/file_status.h"

#include <windows.h>

#include <cwchar>

namespace cli {

namespace {

// Taken specially by a shell wherever they stand.
const wchar_t SpecialAnywhere[] = L" !\"$&'()*:;<=>?[\\^`|";
// Inside double quotes these would not stand for themselves.
const wchar_t SpecialInDoubleQuotes[] = L"\"$`\\!";

bool IsControl(wchar_t character)
{
    return character < 0x20 || character == 0x7F;
}

bool NeedsQuotes(const std::wstring& name)
{
    if (name.empty() || name == L"{" || name == L"}" || name[0] == L'#' || name[0] == L'~')
        return true;
    for (wchar_t character : name) {
        if (IsControl(character) || std::wcschr(SpecialAnywhere, character) != nullptr)
            return true;
    }
    return false;
}

// A name holding a single quote and nothing that double quotes would change.
bool FitsDoubleQuotes(const std::wstring& name)
{
    if (name.find(L'\'') == std::wstring::npos)
        return false;
    for (wchar_t character : name) {
        if (IsControl(character) || std::wcschr(SpecialInDoubleQuotes, character) != nullptr)
            return false;
    }
    return true;
}

// $'\n' for the characters C names, $'\ooo' in octal for the others.
std::wstring EscapedControl(wchar_t character)
{
    static const wchar_t Named[] = L"\a\b\f\n\r\t\v";
    static const wchar_t Letters[] = L"abfnrtv";
    if (const wchar_t* named = std::wcschr(Named, character); named != nullptr && character != L'\0')
        return std::wstring(L"$'\\") + Letters[named - Named] + L"'";
    wchar_t octal[8];
    swprintf(octal, 8, L"$'\\%03o'", static_cast<unsigned>(character));
    return octal;
}

std::wstring SingleQuoted(const std::wstring& name)
{
    std::wstring quoted = L"'";
    bool open = true;
    for (wchar_t character : name) {
        if (IsControl(character)) {
            quoted += (open ? L"'" : L"") + EscapedControl(character);
            open = false;
            continue;
        }
        if (!open)
            quoted += L'\'';
        open = true;
        quoted += character == L'\'' ? std::wstring(L"'\\''") : std::wstring(1, character);
    }
    return open ? quoted + L"'" : quoted;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}

std::wstring QuoteForMessage(const std::wstring& name)
{
    if (!NeedsQuotes(name))
        return name;
    return FitsDoubleQuotes(name) ? L"\"" + name + L"\"" : SingleQuoted(name);
}

std::wstring ReasonOfFailure(hashing::Outcome outcome, const std::wstring& path)
{
    if (outcome == hashing::Outcome::ReadFailed)
        return L"Input/output error";
    if (hashing::StatusOf(outcome, path) == hashing::FileStatus::Missing)
        return L"No such file or directory";
    return IsFolder(path) ? L"Is a directory" : L"Permission denied";
}

}
