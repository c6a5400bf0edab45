#include "vrok_user/vrok_windowsexception.h"

#include <windows.h>

#include <cstring>

namespace vrok { namespace user { namespace windowsexception {

CWindowsError::CWindowsError() : m_code(0), m_text{} {}

void CWindowsError::CaptureLastError()
{
    m_code = GetLastError();
    std::memset(m_text, 0, sizeof(m_text));
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, m_code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), m_text, TextLength - 1, nullptr);
}

CWindowsException::CWindowsException(const char* message) : m_message(message != nullptr ? message : "")
{
    CaptureLastError();
}

}}}
