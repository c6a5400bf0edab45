#ifndef VESTIGON_TESTS_TEST_FILES_H
#define VESTIGON_TESTS_TEST_FILES_H

#include <windows.h>

#include <string>

namespace testsupport {

// A folder of its own under the system's temporary folder, removed with everything in it when
// the object goes. Tests make their files here, never beside the shipped ones.
class CTemporaryFolder
{
public:
    CTemporaryFolder();
    ~CTemporaryFolder();
    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring PathOf(const std::wstring& name) const { return m_path + L"\\" + name; }

    // Writes the bytes to a file in the folder and returns its full path.
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const;
    // Makes a file of the size in the folder without writing its bytes (zeros); its full path.
    // Read once when asked, it sits in the system's cache as a file just downloaded does: the
    // first read of its holes fills fresh memory, which stalls this virtual machine's processors.
    std::wstring MakeSparseFile(const std::wstring& name, long long size, bool readOnce = false) const;
    // Makes folders nested in this one until the deepest one's full path has `length`
    // characters; its path relative to this folder.
    std::wstring MakeDeepFolder(size_t length) const;

private:
    std::wstring m_path;
};

// Another program holding a file open, by default to read it and sharing nothing; with no access
// it holds nothing. It lets go when it goes, or earlier.
class CHeldFile
{
public:
    explicit CHeldFile(const std::wstring& path, DWORD access = GENERIC_READ, DWORD share = 0);
    ~CHeldFile() { LetGo(); }
    CHeldFile(const CHeldFile&) = delete;
    CHeldFile& operator=(const CHeldFile&) = delete;

    bool IsHeld() const { return m_handle != INVALID_HANDLE_VALUE; }
    void LetGo();

private:
    HANDLE m_handle;
};

// The full path of a path relative to the working folder.
std::wstring FullPath(const std::wstring& path);

// The whole content of a file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);

// Wide text from UTF-8, for messages and names made in the tests.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

}

#endif
