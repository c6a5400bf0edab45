#ifndef VESTIGON_CLI_CONSOLE_OUTPUT_H
#define VESTIGON_CLI_CONSOLE_OUTPUT_H

#include "vrok_persistence/vrok_file.h"

#include <windows.h>

#include <string>

// The program's standard output and standard error. On a console, text goes through
// WriteConsoleW, so that names in any script show as they are; anywhere else (a file, a pipe) it
// is UTF-8 without a byte-order mark, each line ended by CRLF.
namespace cli {

class CTextStream
{
public:
    // A borrowed handle; null or invalid when the program has no such stream.
    explicit CTextStream(HANDLE handle);

    bool IsConsole() const { return m_console; }
    // False once a write has failed (a full disk, a pipe closed early).
    bool Intact() const { return m_intact; }
    // Writes the text, "\n" written as CRLF off the console.
    void Write(const std::wstring& text);

private:
    HANDLE m_handle;
    bool m_console;
    bool m_intact;
};

// The two streams as the command line uses them: result lines on standard output, messages on
// standard error after the program's name, and on a console a progress line on standard error
// that is overwritten in place and cleared before anything else is written.
class CConsoleOutput
{
public:
    static const wchar_t ProgramName[];

    CConsoleOutput(HANDLE output, HANDLE errors);
    ~CConsoleOutput() { ClearProgress(); }
    CConsoleOutput(const CConsoleOutput&) = delete;
    CConsoleOutput& operator=(const CConsoleOutput&) = delete;

    // A line on standard output.
    void Print(const std::wstring& line);
    // Text on standard output as it is (the help and version texts).
    void PrintText(const std::wstring& text);
    // "vestigon: MESSAGE" on standard error.
    void Warn(const std::wstring& message);
    // On a console only: the progress line, replacing the one shown.
    void ShowProgress(const std::wstring& text);
    void ClearProgress();

    // False when a line meant for standard output could not be written.
    bool OutputIntact() const { return m_output.Intact(); }

private:
    CTextStream m_output;
    CTextStream m_errors;
    size_t m_progressLength;
};

// The standard streams of the program: those it was given, or for the window program started
// from a console with none, that console's (the parent's console is attached and its screen
// opened, owned here).
class CStandardStreams
{
public:
    explicit CStandardStreams(bool windowProgram);
    HANDLE Output() const { return m_output; }
    HANDLE Errors() const { return m_errors; }

private:
    vrok::persistence::file::CFileHandle m_consoleScreen;
    HANDLE m_output;
    HANDLE m_errors;
};

// "12.5 of 700.0 MiB, 310.2 MiB/s": bytes done of all, and the speed so far.
std::wstring FormatProgress(unsigned long long bytesDone, unsigned long long bytesTotal, DWORD elapsedMs);

}

#endif
