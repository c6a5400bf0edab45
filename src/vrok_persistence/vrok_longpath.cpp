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
std::wstring FullPathOrEmpty(const wchar_t* path)
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
    const std::wstring full = FullPathOrEmpty(path);
    if (full.empty())
        return given;
    if (StartsWith(full, LongPrefix) || StartsWith(full, DevicePrefix))
        return full;
    if (StartsWith(full, L"\\\\"))
        return LongUncPrefix + full.substr(2);
    return LongPrefix + full;
}

std::wstring MakeFullPath(const wchar_t* path)
{
    if (path == nullptr || *path == L'\0')
        return std::wstring();
    const std::wstring full = FullPathOrEmpty(path);
    return full.empty() ? std::wstring(path) : full;
}

std::wstring FitToMaxPath(const std::wstring& path)
{
    if (path.size() < MAX_PATH)
        return path;
    const std::wstring longForm = ToLongPathForm(path.c_str());
    std::vector<wchar_t> shortForm(longForm.size() + 1);
    const DWORD length = GetShortPathNameW(longForm.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (length == 0 || length >= shortForm.size())
        return path;
    std::wstring fitted(shortForm.data(), length);
    if (StartsWith(fitted, LongUncPrefix))
        fitted = L"\\\\" + fitted.substr(std::wstring(LongUncPrefix).size());
    else if (StartsWith(fitted, LongPrefix))
        fitted = fitted.substr(std::wstring(LongPrefix).size());
    return fitted.size() < MAX_PATH ? fitted : path;
}

}}}
