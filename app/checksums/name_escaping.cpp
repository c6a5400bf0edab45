#include "checksums/name_escaping.h"

namespace checksums {

bool NeedsEscapingInLine(const std::wstring& name)
{
    return name.find_first_of(L"\\\n\r") != std::wstring::npos;
}

std::wstring EscapeName(const std::wstring& name)
{
    std::wstring escaped;
    escaped.reserve(name.size());
    for (wchar_t character : name) {
        if (character == L'\\')
            escaped += L"\\\\";
        else if (character == L'\n')
            escaped += L"\\n";
        else if (character == L'\r')
            escaped += L"\\r";
        else
            escaped += character;
    }
    return escaped;
}

bool UnescapeName(std::wstring& name)
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

}
