#include "checksums/checksum_writer.h"

#include "checksums/name_escaping.h"

#include "vrok_data/vrok_utf8.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_longpath.h"

#include <windows.h>

namespace checksums {

using vrok::data::type::string::Utf8FromWide;

namespace {

using vrok::persistence::file::CFile;
using vrok::persistence::file::ToLongPathForm;

const int TemporaryNameTries = 100;

// A name beside `path` that no file has yet, made into an empty file; empty when none could be.
std::wstring CreateTemporaryBeside(const std::wstring& path, CFile& file)
{
    for (int attempt = 1; attempt <= TemporaryNameTries; ++attempt) {
        const std::wstring candidate = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(attempt) + L".tmp";
        if (file.CreateNew(candidate.c_str()))
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
    return Utf8FromWide(FormatChecksumLine(digest, name)) + "\r\n";
}

bool ReplaceFileContent(const std::wstring& path, const std::string& bytes)
{
    // Some systems let a move replace a read-only file; the mark is kept here everywhere.
    const DWORD attributes = GetFileAttributesW(ToLongPathForm(path.c_str()).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    CFile file;
    const std::wstring temporary = CreateTemporaryBeside(path, file);
    if (temporary.empty())
        return false;
    const bool written = file.WriteAll(bytes) && file.Close();
    file.Close();
    const std::wstring from = ToLongPathForm(temporary.c_str());
    if (written && MoveFileExW(from.c_str(), ToLongPathForm(path.c_str()).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(from.c_str());
    return false;
}

}
