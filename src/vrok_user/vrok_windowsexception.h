#ifndef VROK_USER_WINDOWSEXCEPTION_H
#define VROK_USER_WINDOWSEXCEPTION_H

#include <exception>
#include <string>

namespace vrok { namespace user { namespace windowsexception {

// A platform last-error code together with the system's text for it.
class CWindowsError
{
public:
    static const int TextLength = 512;

    CWindowsError();
    virtual ~CWindowsError() = default;

    // Reads the calling thread's last error and the system's message for it.
    void CaptureLastError();

    unsigned int GetCode() const { return m_code; }
    const wchar_t* GetText() const { return m_text; }

private:
    unsigned int m_code;
    wchar_t m_text[TextLength];
};

// The framework's exception for platform failures that leave the program unable to go on: a
// message and the last error at that moment.
class CWindowsException : public std::exception, public CWindowsError
{
public:
    explicit CWindowsException(const char* message);

    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

}}}

#endif
