#include "checksums/checksum_writer.h"

#include "checksums/name_escaping.h"

#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

namespace checksums {

namespace {

using vrok::persistence::file::ToLongPathForm;

const int TemporaryNameTries = 100;

std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                            nullptr);
    return bytes;
}

// A handle that CreateFileW gave, closed when the object goes.
class CWrittenFile
{
public:
    CWrittenFile() : m_handle(INVALID_HANDLE_VALUE) {}
    ~CWrittenFile() { Close(); }
    CWrittenFile(const CWrittenFile&) = delete;
    CWrittenFile& operator=(const CWrittenFile&) = delete;

    // CreateFileW for writing a file that must not exist yet; nobody else may open it meanwhile.
    bool CreateNew(const std::wstring& path)
    {
        Close();
        m_handle = CreateFileW(ToLongPathForm(path.c_str()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        return IsOpen();
    }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Write(const std::string& bytes)
    {
        DWORD written = 0;
        return bytes.empty() ||
               (WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                written == bytes.size() && FlushFileBuffers(m_handle));
    }
    bool Close()
    {
        const bool closed = IsOpen() && CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// A name beside `path` that no file has yet, made into an empty file; empty when none could be.
std::wstring CreateTemporaryBeside(const std::wstring& path, CWrittenFile& file)
{
    for (int attempt = 1; attempt <= TemporaryNameTries; ++attempt) {
        const std::wstring candidate = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(attempt) + L".tmp";
        if (file.CreateNew(candidate))
            return candidate;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return std::wstring();
}

}

std::wstring FormatChecksumLine(const std::wstring& digest, const std::wstring& name)
{
    if (NeedsEscapingInLine(name))
        return L"\\" + digest + L"  " + EscapeName(name);
    return digest + L"  " + name;
}

std::wstring FormatTaggedChecksumLine(Algorithm algorithm, const std::wstring& digest, const std::wstring& name)
{
    const std::wstring tail = L" = " + digest;
    const std::wstring tag = BsdTagOf(algorithm, digest.size());
    if (NeedsEscapingInLine(name))
        return L"\\" + tag + L" (" + EscapeName(name) + L")" + tail;
    return tag + L" (" + name + L")" + tail;
}

std::wstring ChecksumFilePathFor(const std::wstring& path, Algorithm algorithm)
{
    return path + ExtensionOf(algorithm);
}

std::string ChecksumFileBytes(const std::wstring& digest, const std::wstring& name)
{
    return ToUtf8(FormatChecksumLine(digest, name)) + "\r\n";
}

bool ReplaceFileContent(const std::wstring& path, const std::string& bytes)
{
    // Some systems let a move replace a read-only file; the mark is kept here everywhere.
    const DWORD attributes = GetFileAttributesW(ToLongPathForm(path.c_str()).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    CWrittenFile file;
    const std::wstring temporary = CreateTemporaryBeside(path, file);
    if (temporary.empty())
        return false;
    const bool written = file.Write(bytes) && file.Close();
    file.Close();
    const std::wstring from = ToLongPathForm(temporary.c_str());
    if (written && MoveFileExW(from.c_str(), ToLongPathForm(path.c_str()).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(from.c_str());
    return false;
}

}
