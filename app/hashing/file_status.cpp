#include "hashing/file_status.h"

#include <windows.h>

namespace hashing {

namespace {

bool IsAbsent(const std::wstring& path)
{
    if (path.empty())
        return true;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH;
}

}

FileStatus StatusOf(Outcome outcome, const std::wstring& path)
{
    switch (outcome) {
    case Outcome::Digest: return FileStatus::Hashed;
    case Outcome::Stopped: return FileStatus::Stopped;
    case Outcome::OpenFailed: return IsAbsent(path) ? FileStatus::Missing : FileStatus::Unreadable;
    case Outcome::ReadFailed: break;
    }
    return FileStatus::Unreadable;
}

}
