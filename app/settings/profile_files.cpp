#include "settings/profile_files.h"

#include <windows.h>
#include <shlwapi.h>

#include <new>

using namespace profile;

namespace {

wchar_t* NewClearedBuffer(int length)
{
    return new (std::nothrow) wchar_t[length]();
}

// Puts the program folder into a cleared 261-character buffer: the given folder, or the
// running executable's path without its file name. A truncated executable path would name
// some other folder, so it counts as a failure.
bool FetchProgramFolder(wchar_t* folder, const wchar_t* programFolder)
{
    if (programFolder) {
        CopyPath(folder, programFolder);
        return folder[0] != L'\0';
    }
    const DWORD length = GetModuleFileNameW(nullptr, folder, ProgramPathLimit);
    if (length == 0 || length >= static_cast<DWORD>(ProgramPathLimit))
        return false;
    PathRemoveFileSpecW(folder);
    return true;
}

}

void CopyPath(wchar_t* destination, const wchar_t* source)
{
    ZeroMemory(destination, PathBufferLength * sizeof(wchar_t));
    if (source)
        lstrcpynW(destination, source, PathBufferLength - 1);
}

wchar_t* GetGlobalIniPath(const wchar_t* programFolder)
{
    return GetPathBesideProgram(GlobalIniName, programFolder);
}

wchar_t* GetPathBesideProgram(const wchar_t* value, const wchar_t* programFolder)
{
    wchar_t* path = NewClearedBuffer(PathBufferLength);
    if (!path)
        return nullptr;
    // PathAppendW refuses a result longer than 259 characters rather than cut it.
    if (!FetchProgramFolder(path, programFolder) || !PathAppendW(path, value ? value : L"")) {
        delete[] path;
        return nullptr;
    }
    return path;
}

wchar_t* GetLanguageFilePath(const wchar_t* programFolder)
{
    wchar_t* globalIniPath = GetGlobalIniPath(programFolder);
    if (!globalIniPath)
        return nullptr;
    wchar_t* languagePath = NewClearedBuffer(PathBufferLength);
    if (!languagePath) {
        delete[] globalIniPath;
        return nullptr;
    }

    wchar_t folder[PathBufferLength];
    CopyPath(folder, globalIniPath);
    delete[] globalIniPath;
    wchar_t value[PathBufferLength] = {};
    GetPrivateProfileStringW(SectionCurrentLanguage, KeyIniFile, L"", value, ValueBufferLength, folder);

    PathRemoveFileSpecW(folder);
    // A combination too long for a path would leave an empty or partial name, and reading from
    // that would read some other file: no path at all is the honest answer.
    if (!PathCombineW(languagePath, folder, value) || languagePath[0] == L'\0') {
        delete[] languagePath;
        return nullptr;
    }
    return languagePath;
}

wchar_t* ReadProfileString(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    wchar_t* value = NewClearedBuffer(ValueBufferLength);
    if (value)
        GetPrivateProfileStringW(section, key, L"", value, ValueBufferLength, file);
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

void StoreCurrentLanguage(unsigned short index, const wchar_t* globalIniPath)
{
    if (!globalIniPath)
        return;
    wchar_t path[PathBufferLength];
    CopyPath(path, globalIniPath);

    wchar_t number[8];
    wsprintfW(number, L"%u", static_cast<unsigned>(index));
    WritePrivateProfileStringW(SectionCurrentLanguage, KeyCheckedMenuIndex, number, path);

    // A language without a file of its own is written as an empty value, never left out, so
    // the previous language's file cannot stay in force by accident.
    wchar_t key[KeyBufferLength];
    wchar_t value[ValueBufferLength] = {};
    FormatNumberedKey(key, StemIniFile, index);
    GetPrivateProfileStringW(SectionLanguageList, key, L"", value, ValueBufferLength, path);
    WritePrivateProfileStringW(SectionCurrentLanguage, KeyIniFile, value, path);

    ZeroMemory(value, sizeof(value));
    FormatNumberedKey(key, StemHelpFile, index);
    GetPrivateProfileStringW(SectionLanguageList, key, L"", value, ValueBufferLength, path);
    WritePrivateProfileStringW(SectionCurrentLanguage, KeyHelpFile, value, path);
}
