#include "vrok_persistence/vrok_file.h"

#include "vrok_persistence/vrok_longpath.h"

namespace vrok { namespace persistence { namespace file {

namespace {

// Reads and writes go in pieces of at most this many bytes.
const DWORD PieceBytes = 1u << 20;

}

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

bool CFile::CreateNew(const wchar_t* path)
{
    if (!IsNull() || path == nullptr)
        return false;
    return m_handle.Reset(CreateFileW(ToLongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool CFile::ReadSize(unsigned long long& size) const
{
    LARGE_INTEGER value = {};
    if (!GetFileSizeEx(m_handle.Get(), &value) || value.QuadPart < 0)
        return false;
    size = static_cast<unsigned long long>(value.QuadPart);
    return true;
}

bool CFile::ReadAll(unsigned long long maxBytes, std::string& bytes)
{
    unsigned long long size = 0;
    if (!ReadSize(size) || size > maxBytes || size > bytes.max_size())
        return false;
    bytes.resize(static_cast<size_t>(size));
    size_t filled = 0;
    while (filled < bytes.size()) {
        const size_t left = bytes.size() - filled;
        const DWORD wanted = static_cast<DWORD>(left < PieceBytes ? left : PieceBytes);
        DWORD read = 0;
        if (!ReadFile(m_handle.Get(), &bytes[filled], wanted, &read, nullptr))
            return false;
        if (read == 0)
            break;  // the file shrank meanwhile: what was there is what it holds
        filled += read;
    }
    bytes.resize(filled);
    return true;
}

bool CFile::WriteAll(const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const size_t left = bytes.size() - written;
        DWORD done = 0;
        if (!WriteFile(m_handle.Get(), bytes.data() + written, static_cast<DWORD>(left < PieceBytes ? left : PieceBytes),
                       &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return FlushFileBuffers(m_handle.Get()) != FALSE;
}

}}}
