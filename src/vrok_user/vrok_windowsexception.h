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

// The framework's exception for platform failures that leave the program unable to go on:
// a message, the source file and line that raised it, and the last error at that moment.
class CWindowsException : public std::exception, public CWindowsError
{
public:
    CWindowsException(const char* sourcePath, const char* message, int line);
    CWindowsException(const CWindowsException& other);
    CWindowsException& operator=(const CWindowsException&) = delete;
    ~CWindowsException() override;

    const char* what() const noexcept override { return m_message.c_str(); }
    const char* GetSourcePath() const { return m_sourcePath; }
    int GetLine() const { return m_line; }

private:
    static char* CopySourcePath(const char* sourcePath);

    std::string m_message;
    char* m_sourcePath;
    int m_line;
};

}}}

#endif
