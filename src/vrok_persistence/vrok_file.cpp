#include "vrok_persistence/vrok_file.h"

#include "vrok_persistence/vrok_longpath.h"

namespace vrok { namespace persistence { namespace file {

bool CFile::OpenForReading(const wchar_t* path, bool sequential)
{
    if (!IsNull() || path == nullptr)
        return false;
    // The long form opens paths of any length, the short ones alike.
    const std::wstring longPath = ToLongPathForm(path);
    const DWORD flags = sequential ? FILE_FLAG_SEQUENTIAL_SCAN : FILE_ATTRIBUTE_NORMAL;
    return m_handle.Reset(CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      flags, nullptr));
}

bool CVirtualFile::Open(const wchar_t* path)
{
    if (m_mapping.IsValid() || !m_file.IsNull())
        return false;
    if (!m_file.OpenForReading(path))
        return false;
    m_size = ReadSize();
    return m_mapping.Reset(CreateFileMappingW(m_file.GetHandle(), nullptr, PAGE_READONLY | SEC_COMMIT,
                                              static_cast<DWORD>(m_size >> 32), static_cast<DWORD>(m_size),
                                              nullptr));
}

bool CVirtualFile::Close()
{
    m_size = 0;
    return m_mapping.Close();
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
