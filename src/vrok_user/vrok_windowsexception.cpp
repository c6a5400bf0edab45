#include "vrok_user/vrok_windowsexception.h"

#include <windows.h>

#include <cstring>
#include <new>

namespace vrok { namespace user { namespace windowsexception {

CWindowsError::CWindowsError() : m_code(0), m_text{} {}

void CWindowsError::CaptureLastError()
{
    m_code = GetLastError();
    std::memset(m_text, 0, sizeof(m_text));
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, m_code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), m_text, TextLength - 1, nullptr);
}

CWindowsException::CWindowsException(const char* sourcePath, const char* message, int line)
    : std::exception(), CWindowsError(), m_message(message ? message : ""), m_sourcePath(nullptr),
      m_line(line)
{
    CaptureLastError();
    m_sourcePath = CopySourcePath(sourcePath);
}

CWindowsException::CWindowsException(const CWindowsException& other)
    : std::exception(other), CWindowsError(other), m_message(other.m_message),
      m_sourcePath(CopySourcePath(other.m_sourcePath)), m_line(other.m_line)
{
}

CWindowsException::~CWindowsException()
{
    delete[] m_sourcePath;
}

// An exception must stay complete when memory runs out: the source path is then left null.
char* CWindowsException::CopySourcePath(const char* sourcePath)
{
    if (sourcePath == nullptr)
        return nullptr;
    const size_t size = std::strlen(sourcePath) + 1;
    char* copy = new (std::nothrow) char[size];
    if (copy != nullptr)
        std::memcpy(copy, sourcePath, size);
    return copy;
}

}}}
