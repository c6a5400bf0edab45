#include "vrok_persistence/vrok_file.h"

#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

namespace vrok { namespace persistence { namespace file {

CFile::~CFile()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
    m_handle = nullptr;
    m_path.clear();
}

bool CFile::OpenForReading(const wchar_t* path, bool sequential)
{
    if (m_handle != nullptr || path == nullptr)
        return false;
    // The long form opens paths of any length, the short ones alike.
    const std::wstring longPath = ToLongPathForm(path);
    const DWORD flags = sequential ? FILE_FLAG_SEQUENTIAL_SCAN : FILE_ATTRIBUTE_NORMAL;
    HANDLE handle = CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    m_handle = handle;
    m_path.assign(path, lstrlenW(path));
    return true;
}

bool CFile::Close()
{
    if (m_handle == nullptr)
        return false;
    const BOOL closed = CloseHandle(m_handle);
    m_handle = nullptr;
    m_path.clear();
    return closed == 1;
}

CVirtualFile::CVirtualFile() : m_size(0), m_mode(ReadOnlyMode) {}

CVirtualFile::~CVirtualFile()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
    m_handle = nullptr;
    m_size = 0;
}

bool CVirtualFile::Open(const wchar_t* path)
{
    if (m_handle != nullptr || !m_file.IsNull())
        return false;
    if (!m_file.OpenForReading(path))
        return false;
    m_mode = ReadOnlyMode;
    m_size = ReadSize();
    m_handle = CreateFileMappingW(m_file.GetHandle(), nullptr, PAGE_READONLY | SEC_COMMIT,
                                  static_cast<DWORD>(m_size >> 32), static_cast<DWORD>(m_size), nullptr);
    return m_handle != nullptr;
}

bool CVirtualFile::Close()
{
    if (m_handle == nullptr)
        return false;
    const BOOL closed = CloseHandle(m_handle);
    m_handle = nullptr;
    m_size = 0;
    return closed == 1;
}

// A failed size query counts as an empty file, so nothing will be mapped.
unsigned long long CVirtualFile::ReadSize() const
{
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(m_file.GetHandle(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return 0;
    return (static_cast<unsigned long long>(high) << 32) | low;
}

}}}
