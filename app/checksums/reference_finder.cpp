#include "checksums/reference_finder.h"

#include "checksums/checksum_text.h"
#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

#include <algorithm>

namespace checksums {

namespace {

// Files named after the one they describe; these alone may hold a bare digest.
const wchar_t* const OwnSuffixes[] = {L".md5", L".md5sum", L".md5.txt"};
const wchar_t* const ListNames[] = {L"MD5SUMS", L"MD5SUMS.txt", L"md5sums.txt", L"md5sum.txt", L"checksums.md5"};
const wchar_t ListExtension[] = L".md5";

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& suffix)
{
    return text.size() >= suffix.size() && SamePathIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// Moves the files that pass the test from `files` to the end of `chosen`, keeping their order.
template <typename Test>
void TakeFiles(std::vector<std::wstring>& files, std::vector<std::wstring>& chosen, Test test)
{
    for (auto file = files.begin(); file != files.end();) {
        if (test(*file)) {
            chosen.push_back(*file);
            file = files.erase(file);
        } else {
            ++file;
        }
    }
}

bool IsOwnChecksumFile(const std::wstring& candidate, const std::wstring& name)
{
    for (const wchar_t* suffix : OwnSuffixes)
        if (SamePathIgnoringCase(candidate, name + suffix))
            return true;
    return false;
}

}

std::vector<std::wstring> ListFolderFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const std::wstring pattern = vrok::persistence::file::ToLongPathForm((folder + L"\\*").c_str());
    HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    return names;
}

std::vector<std::wstring> FindCandidateFiles(const std::wstring& folder, const std::wstring& name)
{
    std::vector<std::wstring> files = ListFolderFiles(folder);
    std::vector<std::wstring> chosen;
    for (const wchar_t* suffix : OwnSuffixes)
        TakeFiles(files, chosen, [&](const std::wstring& file) { return SamePathIgnoringCase(file, name + suffix); });
    for (const wchar_t* listName : ListNames)
        TakeFiles(files, chosen, [&](const std::wstring& file) { return SamePathIgnoringCase(file, listName); });
    TakeFiles(files, chosen, [](const std::wstring& file) { return EndsWithIgnoringCase(file, ListExtension); });
    if (chosen.size() > MaxCandidateFiles)
        chosen.resize(MaxCandidateFiles);
    return chosen;
}

ReferenceLookup FindReferenceDigest(const std::wstring& filePath)
{
    ReferenceLookup lookup;
    const size_t cut = filePath.find_last_of(L"\\/");
    if (cut == std::wstring::npos || cut + 1 == filePath.size())
        return lookup;
    const std::wstring folder = filePath.substr(0, cut);
    const std::wstring name = filePath.substr(cut + 1);
    const std::wstring wanted = ResolveListedName(folder, name);
    if (wanted.empty())
        return lookup;
    for (const std::wstring& candidate : FindCandidateFiles(folder, name)) {
        const bool own = IsOwnChecksumFile(candidate, name);
        ChecksumText text;
        if (!ReadChecksumFile(folder + L"\\" + candidate, MaxListBytes, own, text))
            continue;
        for (const ChecksumLine& line : text.lines) {
            const bool names = line.name.empty() ? own : SamePathIgnoringCase(ResolveListedName(folder, line.name), wanted);
            if (!names || line.digest == lookup.digest)
                continue;
            if (lookup.outcome == ReferenceLookup::Found) {
                lookup.outcome = ReferenceLookup::Conflict;
                lookup.otherName = candidate;
                return lookup;
            }
            lookup.outcome = ReferenceLookup::Found;
            lookup.digest = line.digest;
            lookup.sourceName = candidate;
        }
    }
    return lookup;
}

}
