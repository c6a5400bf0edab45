#include "program_folder.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace e2e {

namespace {

std::wstring FullPath(const std::wstring& path)
{
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

}

std::wstring RunnableFolder()
{
    const wchar_t* chosen = _wgetenv(L"VESTIGON_PROGRAM_DIR");
    if (chosen == nullptr || *chosen == L'\0')
        return FullPath(L"..\\vestigon");
    std::wstring folder = chosen;
    if (folder[0] == L'/')
        folder = L"Z:" + folder;
    for (wchar_t& character : folder)
        if (character == L'/')
            character = L'\\';
    return FullPath(folder);
}

CProgramFolder::CProgramFolder(const std::wstring& source) : m_complete(false)
{
    const std::vector<std::wstring> names = FilesIn(source);
    bool hasProgram = false;
    for (const std::wstring& name : names) {
        if (!CopyFileW((source + L"\\" + name).c_str(), m_folder.PathOf(name).c_str(), FALSE))
            return;
        hasProgram = hasProgram || lstrcmpiW(name.c_str(), L"vestigon.exe") == 0;
    }
    m_complete = hasProgram;
}

std::wstring CProgramFolder::ReadSetting(const std::wstring& file, const std::wstring& section,
                                         const std::wstring& key) const
{
    wchar_t value[512] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value, 512, m_folder.PathOf(file).c_str());
    return value;
}

}
