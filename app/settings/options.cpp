#include "settings/options.h"

#include "settings/profile_files.h"

#include <windows.h>

#include <memory>

namespace options {

bool LooksForChecksumFiles(const wchar_t* programFolder)
{
    const std::unique_ptr<wchar_t[]> globalIniPath(GetGlobalIniPath(programFolder));
    return !globalIniPath || GetPrivateProfileIntW(profile::SectionOptions, profile::KeyLookForChecksumFiles, 1,
                                                   globalIniPath.get()) != 0;
}

bool StoreLooksForChecksumFiles(bool on, const wchar_t* programFolder)
{
    const std::unique_ptr<wchar_t[]> globalIniPath(GetGlobalIniPath(programFolder));
    return globalIniPath && WritePrivateProfileStringW(profile::SectionOptions, profile::KeyLookForChecksumFiles,
                                                       on ? L"1" : L"0", globalIniPath.get());
}

}
