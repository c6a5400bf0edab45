#ifndef VESTIGON_TESTS_E2E_PROGRAM_FOLDER_H
#define VESTIGON_TESTS_E2E_PROGRAM_FOLDER_H

#include "test_files.h"

#include <string>

namespace e2e {

// The runnable folder under test: VESTIGON_PROGRAM_DIR when it is set (a host path such as
// /tmp/x is taken on Wine's drive Z:), otherwise ..\vestigon beside the test data folder.
std::wstring RunnableFolder();

// A private copy of the runnable folder (the exe, md5_global.ini, the language and help files)
// in a temporary place, so that a test may change the settings without touching the build.
class CProgramFolder
{
public:
    explicit CProgramFolder(const std::wstring& source = RunnableFolder());
    CProgramFolder(const CProgramFolder&) = delete;
    CProgramFolder& operator=(const CProgramFolder&) = delete;

    // False when the source held no vestigon.exe or a file could not be copied.
    bool IsComplete() const { return m_complete; }
    const std::wstring& Path() const { return m_folder.Path(); }
    std::wstring ExePath() const { return m_folder.PathOf(L"vestigon.exe"); }
    std::wstring GlobalIniPath() const { return m_folder.PathOf(L"md5_global.ini"); }

    // A value of one of the folder's profile files, as any program reads it.
    std::wstring ReadSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key) const;

private:
    testsupport::CTemporaryFolder m_folder;
    bool m_complete;
};

}

#endif
