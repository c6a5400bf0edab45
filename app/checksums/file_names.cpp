#include "checksums/file_names.h"

#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_folder.h"

#include <windows.h>

#include <algorithm>

namespace checksums {

namespace {

size_t LastSeparatorOf(const std::wstring& path)
{
    return path.find_last_of(L"\\/");
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

std::wstring FolderOf(const std::wstring& path)
{
    const size_t cut = LastSeparatorOf(path);
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut);
}

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t cut = LastSeparatorOf(path);
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
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

std::vector<std::wstring> ListFolderFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names = vrok::persistence::file::ListPlainFiles(folder);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    return names;
}

bool ReadFileBytes(const std::wstring& path, unsigned long long maxBytes, std::string& bytes)
{
    vrok::persistence::file::CFile file;
    return file.OpenForReading(path.c_str()) && file.ReadAll(maxBytes, bytes);
}

}
