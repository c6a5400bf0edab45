#include "settings/profile_files.h"

#include "checksums/file_names.h"
#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

using namespace profile;

namespace {

// The longest path the system knows, terminator included.
const DWORD LongestPath = 32768;

// The program folder: the given one, or the running executable's path without its file name,
// at any length. A truncated executable path would name some other folder, so it counts as a
// failure (empty).
std::wstring ProgramFolderOf(const wchar_t* programFolder)
{
    if (programFolder)
        return programFolder;
    std::vector<wchar_t> path(LongestPath, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), LongestPath);
    if (length == 0 || length >= LongestPath)
        return std::wstring();
    return FolderOfPath(std::wstring(path.data(), length));
}

// A value too long to join with PathAppendW: a fully qualified one as it is, any other under
// the folder, leading backslashes dropped.
std::wstring JoinLong(const std::wstring& folder, const wchar_t* value)
{
    if (!PathIsRelativeW(value) && value[0] != L'\\')
        return value;
    while (*value == L'\\')
        ++value;
    return *value == L'\0' ? folder : folder + L"\\" + value;
}

// A language chosen while md5_global.ini could not be written: it holds for this run, for that
// file only. An empty path means there is none.
struct CRunChoice
{
    std::wstring globalIniPath;
    unsigned short index = 0;
    std::wstring iniFile;
    std::wstring helpFile;

    bool AppliesTo(const wchar_t* path) const
    {
        return !globalIniPath.empty() && path != nullptr && lstrcmpiW(globalIniPath.c_str(), path) == 0;
    }
};

CRunChoice& RunChoice()
{
    static CRunChoice choice;
    return choice;
}

// A file marked read-only is not to be changed, even where the platform would let this user.
bool IsMarkedReadOnly(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool WriteValue(const wchar_t* key, const std::wstring& value, const wchar_t* path)
{
    return WritePrivateProfileStringW(SectionCurrentLanguage, key, value.c_str(), path) != FALSE;
}

}

bool WriteSetting(const wchar_t* globalIniPath, const wchar_t* section, const wchar_t* key, const std::wstring& value)
{
    return globalIniPath != nullptr && *globalIniPath != L'\0' && !IsMarkedReadOnly(globalIniPath) &&
           WritePrivateProfileStringW(section, key, value.c_str(), globalIniPath) != FALSE;
}

std::wstring FolderOfPath(const std::wstring& path)
{
    const std::wstring folder = checksums::FolderOf(path);
    // A drive's root keeps its backslash ("C:\\"), as PathRemoveFileSpecW leaves it.
    return folder.size() == 2 && folder[1] == L':' ? folder + L'\\' : folder;
}

std::wstring GetGlobalIniPath(const wchar_t* programFolder)
{
    return GetPathBesideProgram(GlobalIniName, programFolder);
}

std::wstring GetPathBesideProgram(const wchar_t* value, const wchar_t* programFolder)
{
    const std::wstring folder = ProgramFolderOf(programFolder);
    if (folder.empty())
        return std::wstring();
    if (value == nullptr)
        value = L"";
    // PathAppendW refuses a result longer than 259 characters rather than cut it: a program in a
    // deep folder has its files joined by hand.
    wchar_t path[PathBufferLength] = {};
    if (folder.size() + 1 + lstrlenW(value) >= static_cast<size_t>(ProgramPathLimit))
        return vrok::persistence::file::FitToMaxPath(JoinLong(folder, value));
    lstrcpynW(path, folder.c_str(), PathBufferLength - 1);
    if (!PathAppendW(path, value))
        return std::wstring();
    return path;
}

std::wstring GetLanguageFilePath(const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    if (globalIniPath.empty())
        return std::wstring();
    return GetPathBesideProgram(ReadCurrentLanguage(globalIniPath.c_str(), KeyIniFile).c_str(), programFolder);
}

std::wstring ReadProfileString(const wchar_t* file, const wchar_t* section, const wchar_t* key, int length)
{
    std::wstring value(static_cast<size_t>(length), L'\0');
    const DWORD copied = GetPrivateProfileStringW(section, key, L"", &value[0], static_cast<DWORD>(length), file);
    value.resize(copied);
    return value;
}

int ReadProfileInteger(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    return static_cast<int>(GetPrivateProfileIntW(section, key, 0, file));
}

unsigned char ReadProfileByte(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    return static_cast<unsigned char>(ReadProfileInteger(file, section, key) & 0xFF);
}

unsigned short ReadProfileWord(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    return static_cast<unsigned short>(ReadProfileInteger(file, section, key) & 0xFFFF);
}

void FormatNumberedKey(wchar_t (&key)[KeyBufferLength], const wchar_t* stem, int index)
{
    key[0] = L'\0';
    wnsprintfW(key, KeyBufferLength, stem, index);
}

std::wstring ReadCurrentLanguage(const wchar_t* globalIniPath, const wchar_t* key)
{
    const CRunChoice& choice = RunChoice();
    if (choice.AppliesTo(globalIniPath)) {
        if (lstrcmpW(key, KeyIniFile) == 0)
            return choice.iniFile;
        if (lstrcmpW(key, KeyHelpFile) == 0)
            return choice.helpFile;
    }
    return ReadProfileString(globalIniPath, SectionCurrentLanguage, key);
}

unsigned char CurrentLanguageIndex(const wchar_t* globalIniPath)
{
    const CRunChoice& choice = RunChoice();
    if (choice.AppliesTo(globalIniPath))
        return static_cast<unsigned char>(choice.index & 0xFF);
    return ReadProfileByte(globalIniPath, SectionCurrentLanguage, KeyCheckedMenuIndex);
}

// A language without a file of its own is written as an empty value, never left out, so the
// previous language's file cannot stay in force by accident. A write that fails after others
// succeeded puts the earlier values back, so the file never names half of each language.
bool StoreCurrentLanguage(unsigned short index, const wchar_t* globalIniPath)
{
    if (!globalIniPath || !*globalIniPath)
        return false;
    wchar_t key[KeyBufferLength];
    CRunChoice chosen;
    chosen.index = index;
    FormatNumberedKey(key, StemIniFile, index);
    chosen.iniFile = ReadProfileString(globalIniPath, SectionLanguageList, key);
    FormatNumberedKey(key, StemHelpFile, index);
    chosen.helpFile = ReadProfileString(globalIniPath, SectionLanguageList, key);

    const wchar_t* keys[] = {KeyCheckedMenuIndex, KeyIniFile, KeyHelpFile};
    const std::wstring values[] = {std::to_wstring(index), chosen.iniFile, chosen.helpFile};
    std::wstring earlier[3];
    for (int at = 0; at < 3; ++at)
        earlier[at] = ReadProfileString(globalIniPath, SectionCurrentLanguage, keys[at]);
    for (int written = 0; written < 3; ++written) {
        if (!IsMarkedReadOnly(globalIniPath) && WriteValue(keys[written], values[written], globalIniPath))
            continue;
        while (written-- > 0)
            WriteValue(keys[written], earlier[written], globalIniPath);
        chosen.globalIniPath = globalIniPath;
        RunChoice() = chosen;
        return false;
    }
    if (RunChoice().AppliesTo(globalIniPath))
        RunChoice() = CRunChoice();
    return true;
}
