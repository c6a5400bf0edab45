#include "checksums/reference_finder.h"

#include "checksums/checksum_text.h"
#include "checksums/file_names.h"

#include <windows.h>

#include <algorithm>

namespace checksums {

namespace {

// The order in which files named after an algorithm are read (MD5's come last, as they did).
const Algorithm NamedFileOrder[] = {Algorithm::Sha512, Algorithm::Sha384, Algorithm::Sha256,
                                    Algorithm::Sha224, Algorithm::Sha1,   Algorithm::Blake2b};
const wchar_t* const Md5ListNames[] = {L"MD5SUMS", L"MD5SUMS.txt", L"md5sums.txt", L"md5sum.txt", L"checksums.md5"};
const wchar_t GenericListName[] = L"checksums.txt";
const wchar_t* const GenericListEndings[] = {L"_checksums.txt", L"-checksums.txt"};
const wchar_t GenericWord[] = L"CHECKSUM";

std::wstring Upper(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The endings of a file named after the one it describes: `.sha256`, `.sha256sum`, `.sha256.txt`.
std::vector<std::wstring> OwnSuffixesOf(Algorithm algorithm)
{
    const std::wstring extension = ExtensionOf(algorithm);
    return {extension, extension + L"sum", extension + L".txt"};
}

// A file of the folder as it is spelled on disk, and in upper case for the comparisons, made once
// however many names it is compared with.
struct CFolderFile
{
    std::wstring name;
    std::wstring upper;
};

std::vector<CFolderFile> ListFolderFilesWithUpperNames(const std::wstring& folder)
{
    std::vector<CFolderFile> files;
    for (const std::wstring& name : ListFolderFiles(folder))
        files.push_back({name, Upper(name)});
    return files;
}

// Moves the files whose upper-case name passes the test from `files` to the end of `chosen`,
// keeping their order, until MaxCandidateFiles are chosen.
template <typename Test>
void TakeFiles(std::vector<CFolderFile>& files, std::vector<std::wstring>& chosen, Test test)
{
    for (auto file = files.begin(); file != files.end() && chosen.size() < MaxCandidateFiles;) {
        if (test(file->upper)) {
            chosen.push_back(file->name);
            file = files.erase(file);
        } else {
            ++file;
        }
    }
}

void TakeNamed(std::vector<CFolderFile>& files, std::vector<std::wstring>& chosen, const std::wstring& name)
{
    const std::wstring wanted = Upper(name);
    TakeFiles(files, chosen, [&](const std::wstring& upper) { return upper == wanted; });
}

void TakeEnding(std::vector<CFolderFile>& files, std::vector<std::wstring>& chosen, const std::wstring& ending)
{
    const std::wstring wanted = Upper(ending);
    TakeFiles(files, chosen, [&](const std::wstring& upper) {
        return upper.size() >= wanted.size() && upper.compare(upper.size() - wanted.size(), wanted.size(), wanted) == 0;
    });
}

// The files that other algorithms than MD5 bring, in their order.
void TakeNewListNames(std::vector<CFolderFile>& files, std::vector<std::wstring>& chosen, const std::wstring& name,
                      AlgorithmSet accepted)
{
    std::vector<Algorithm> named;
    for (Algorithm algorithm : NamedFileOrder)
        if (accepted.Has(algorithm))
            named.push_back(algorithm);
    for (Algorithm algorithm : named)
        for (const std::wstring& suffix : OwnSuffixesOf(algorithm))
            TakeNamed(files, chosen, name + suffix);
    for (Algorithm algorithm : named)
        for (const wchar_t* ending : {L"SUMS", L"SUMS.txt"})
            TakeNamed(files, chosen, Upper(ToolNameOf(algorithm)) + ending);
    for (Algorithm algorithm : named)
        for (const wchar_t* ending : {L"sum.txt", L"sums.txt"})
            TakeNamed(files, chosen, ToolNameOf(algorithm) + std::wstring(ending));
    TakeNamed(files, chosen, GenericListName);
    for (const wchar_t* ending : GenericListEndings)
        TakeEnding(files, chosen, ending);
    TakeFiles(files, chosen, [](const std::wstring& upper) { return upper.find(GenericWord) != std::wstring::npos; });
    for (Algorithm algorithm : named)
        TakeEnding(files, chosen, ExtensionOf(algorithm));
}

void TakeMd5ListNames(std::vector<CFolderFile>& files, std::vector<std::wstring>& chosen, const std::wstring& name)
{
    for (const std::wstring& suffix : OwnSuffixesOf(Algorithm::Md5))
        TakeNamed(files, chosen, name + suffix);
    for (const wchar_t* listName : Md5ListNames)
        TakeNamed(files, chosen, listName);
    TakeEnding(files, chosen, ExtensionOf(Algorithm::Md5));
}

// Files named after the one they describe; these alone may hold a bare digest.
bool IsOwnChecksumFile(const std::wstring& candidate, const std::wstring& name, AlgorithmSet accepted)
{
    for (Algorithm algorithm : StrongestFirst)
        if (accepted.Has(algorithm))
            for (const std::wstring& suffix : OwnSuffixesOf(algorithm))
                if (SamePathIgnoringCase(candidate, name + suffix))
                    return true;
    return false;
}

// Lower is stronger: the algorithm's rank, 128 digits that may be BLAKE2b's just after BLAKE2b,
// and of two BLAKE2b digests the longer.
std::pair<int, size_t> StrengthOf(const ChecksumLine& line)
{
    const int rank = 2 * StrengthRankOf(line.mayBeBlake2b ? Algorithm::Blake2b : line.algorithm);
    return {line.mayBeBlake2b ? rank + 1 : rank, ~line.digest.size()};
}

// Takes one line that names the file into the look-up: a stronger one replaces what was found,
// one as strong that gives another digest makes a conflict, a weaker one is passed over.
void Consider(ReferenceLookup& lookup, const ChecksumLine& line, const std::wstring& source)
{
    ChecksumLine found;
    found.digest = lookup.digest;
    found.algorithm = lookup.algorithm;
    found.mayBeBlake2b = lookup.mayBeBlake2b;
    if (lookup.outcome == ReferenceLookup::NotFound || StrengthOf(line) < StrengthOf(found)) {
        lookup.outcome = ReferenceLookup::Found;
        lookup.digest = line.digest;
        lookup.algorithm = line.algorithm;
        lookup.mayBeBlake2b = line.mayBeBlake2b;
        lookup.sourceName = source;
        lookup.otherName.clear();
    } else if (lookup.outcome == ReferenceLookup::Found && StrengthOf(line) == StrengthOf(found) &&
               line.digest != lookup.digest) {
        lookup.outcome = ReferenceLookup::Conflict;
        lookup.otherName = source;
    }
}

}

std::vector<std::wstring> FindCandidateFiles(const std::wstring& folder, const std::wstring& name, AlgorithmSet accepted)
{
    std::vector<CFolderFile> files = ListFolderFilesWithUpperNames(folder);
    std::vector<std::wstring> chosen;
    std::vector<std::wstring> itself;
    TakeNamed(files, itself, name);
    if (accepted != Md5Only)
        TakeNewListNames(files, chosen, name, accepted);
    if (accepted.Has(Algorithm::Md5))
        TakeMd5ListNames(files, chosen, name);
    return chosen;
}

ReferenceLookup FindReferenceDigest(const std::wstring& filePath, AlgorithmSet accepted, const StopQuestion& stopRequested)
{
    ReferenceLookup lookup;
    const std::wstring folder = FolderOf(filePath);
    const std::wstring name = FileNameOf(filePath);
    // A bare name, or a path that ends in a separator, names no file in a folder.
    if (name.empty() || name.size() == filePath.size())
        return lookup;
    const std::wstring wanted = ResolveListedName(folder, name);
    if (wanted.empty())
        return lookup;
    for (const std::wstring& candidate : FindCandidateFiles(folder, name, accepted)) {
        if (stopRequested && stopRequested())
            return ReferenceLookup();
        const bool own = IsOwnChecksumFile(candidate, name, accepted);
        const auto namesFile = [&](const std::wstring& listed) {
            return listed.empty() ? own : SamePathIgnoringCase(ResolveListedName(folder, listed), wanted);
        };
        ChecksumText text;
        if (!ReadChecksumFile(folder + L"\\" + candidate, MaxBesideFileBytes, own, text, accepted))
            continue;
        for (const ChecksumLine& line : text.lines)
            if (namesFile(line.name))
                Consider(lookup, line, candidate);
        for (const ListedSize& size : text.sizes) {
            if (!lookup.sizeListed && namesFile(size.name)) {
                lookup.sizeListed = true;
                lookup.listedSize = size.bytes;
                lookup.sizeSourceName = candidate;
            }
        }
    }
    return lookup;
}

}
