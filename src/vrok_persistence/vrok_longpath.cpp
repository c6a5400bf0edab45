#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

#include <vector>

namespace vrok { namespace persistence { namespace file {

namespace {

const wchar_t LongPrefix[] = L"\\\\?\\";
const wchar_t LongUncPrefix[] = L"\\\\?\\UNC\\";
const wchar_t DevicePrefix[] = L"\\\\.\\";

bool StartsWith(const std::wstring& text, const wchar_t* start)
{
    return text.compare(0, std::wstring(start).size(), start) == 0;
}

// GetFullPathNameW of any length; empty when the system refuses the path.
std::wstring FullPathOf(const wchar_t* path)
{
    const DWORD needed = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (needed == 0)
        return std::wstring();
    std::vector<wchar_t> full(needed + 1);
    const DWORD written = GetFullPathNameW(path, static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (written == 0 || written >= full.size())
        return std::wstring();
    return std::wstring(full.data(), written);
}

}

std::wstring ToLongPathForm(const wchar_t* path)
{
    if (path == nullptr || *path == L'\0')
        return std::wstring();
    const std::wstring given(path);
    if (StartsWith(given, LongPrefix) || StartsWith(given, DevicePrefix))
        return given;
    const std::wstring full = FullPathOf(path);
    if (full.empty())
        return given;
    if (StartsWith(full, LongPrefix) || StartsWith(full, DevicePrefix))
        return full;
    if (StartsWith(full, L"\\\\"))
        return LongUncPrefix + full.substr(2);
    return LongPrefix + full;
}

}}}
