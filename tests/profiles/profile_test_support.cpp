#include "profile_test_support.h"

#include "test_files.h"

#include <windows.h>

#include <vector>

namespace profiletest {

std::wstring Take(wchar_t* buffer)
{
    CProfileText owned(buffer);
    return owned ? std::wstring(owned.get()) : std::wstring(L"<null>");
}

std::string Utf16Profile(const std::wstring& text)
{
    std::string bytes("\xFF\xFE", 2);
    for (wchar_t character : text) {
        bytes.push_back(static_cast<char>(character & 0xFF));
        bytes.push_back(static_cast<char>((character >> 8) & 0xFF));
    }
    return bytes;
}

std::wstring ReadUtf16Profile(const std::wstring& path)
{
    const std::string bytes = testsupport::ReadWholeFile(path);
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE", 2) != 0)
        return std::wstring();
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

std::wstring SectionLines(const std::wstring& file, const wchar_t* section)
{
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                   file.c_str());
    std::wstring lines;
    for (DWORD i = 0; i < length; ++i)
        lines.push_back(buffer[i] == L'\0' ? L'\n' : buffer[i]);
    return lines;
}

}
