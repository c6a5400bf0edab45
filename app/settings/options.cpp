#include "settings/options.h"

#include "settings/profile_files.h"

#include <windows.h>

#include <string>

namespace options {

bool LooksForChecksumFiles(const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    return globalIniPath.empty() || GetPrivateProfileIntW(profile::SectionOptions, profile::KeyLookForChecksumFiles,
                                                          1, globalIniPath.c_str()) != 0;
}

bool StoreLooksForChecksumFiles(bool on, const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    return WriteSetting(globalIniPath.c_str(), profile::SectionOptions, profile::KeyLookForChecksumFiles, on ? L"1" : L"0");
}

std::wstring ChosenDigestName(const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    if (globalIniPath.empty())
        return std::wstring();
    return ReadProfileString(globalIniPath.c_str(), profile::SectionOptions, profile::KeyDigest, profile::KeyBufferLength);
}

bool StoreChosenDigestName(const std::wstring& name, const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    return WriteSetting(globalIniPath.c_str(), profile::SectionOptions, profile::KeyDigest, name);
}

}
