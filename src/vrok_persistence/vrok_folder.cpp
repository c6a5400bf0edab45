#include "vrok_persistence/vrok_folder.h"

#include "vrok_persistence/vrok_longpath.h"

namespace vrok { namespace persistence { namespace file {

std::vector<std::wstring> ListPlainFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const std::wstring pattern = ToLongPathForm((folder + L"\\*").c_str());
    const CFolderSearch search(FindFirstFileW(pattern.c_str(), &entry));
    if (!search.IsValid())
        return names;
    do
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    while (FindNextFileW(search.Get(), &entry));
    return names;
}

}}}
