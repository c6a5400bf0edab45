#include "cli/console_output.h"

#include "vrok_data/vrok_utf8.h"

#include <algorithm>
#include <cstdio>

namespace cli {

using vrok::data::type::string::Utf8FromWide;

namespace {

// WriteConsoleW of older systems takes at most about 64 KiB at once.
const size_t ConsoleChunk = 8192;

bool IsStream(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

std::wstring WithCrLf(const std::wstring& text)
{
    std::wstring converted;
    converted.reserve(text.size() + 8);
    for (wchar_t character : text) {
        if (character == L'\n')
            converted += L'\r';
        converted += character;
    }
    return converted;
}

}

const wchar_t CConsoleOutput::ProgramName[] = L"vestigon";

CTextStream::CTextStream(HANDLE handle) : m_handle(handle), m_console(false), m_intact(true)
{
    DWORD mode = 0;
    m_console = IsStream(handle) && GetConsoleMode(handle, &mode) != FALSE;
}

void CTextStream::Write(const std::wstring& text)
{
    if (!IsStream(m_handle) || !m_intact)
        return;
    if (m_console) {
        for (size_t start = 0; start < text.size() && m_intact; start += ConsoleChunk) {
            const DWORD count = static_cast<DWORD>(std::min(ConsoleChunk, text.size() - start));
            DWORD written = 0;
            m_intact = WriteConsoleW(m_handle, text.data() + start, count, &written, nullptr) != FALSE;
        }
        return;
    }
    const std::string bytes = Utf8FromWide(WithCrLf(text));
    for (size_t done = 0; done < bytes.size() && m_intact;) {
        DWORD written = 0;
        m_intact = WriteFile(m_handle, bytes.data() + done, static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20)),
                             &written, nullptr) != FALSE && written != 0;
        done += written;
    }
}

CConsoleOutput::CConsoleOutput(HANDLE output, HANDLE errors) : m_output(output), m_errors(errors), m_progressLength(0)
{
}

void CConsoleOutput::Print(const std::wstring& line)
{
    PrintText(line + L"\n");
}

void CConsoleOutput::PrintText(const std::wstring& text)
{
    ClearProgress();
    m_output.Write(text);
}

void CConsoleOutput::Warn(const std::wstring& message)
{
    ClearProgress();
    m_errors.Write(std::wstring(ProgramName) + L": " + message + L"\n");
}

void CConsoleOutput::ShowProgress(const std::wstring& text)
{
    if (!m_errors.IsConsole())
        return;
    const size_t padding = m_progressLength > text.size() ? m_progressLength - text.size() : 0;
    m_errors.Write(L"\r" + text + std::wstring(padding, L' '));
    m_progressLength = text.size() + padding;
}

void CConsoleOutput::ClearProgress()
{
    if (m_progressLength == 0)
        return;
    m_errors.Write(L"\r" + std::wstring(m_progressLength, L' ') + L"\r");
    m_progressLength = 0;
}

CStandardStreams::CStandardStreams(bool windowProgram)
    : m_output(GetStdHandle(STD_OUTPUT_HANDLE)), m_errors(GetStdHandle(STD_ERROR_HANDLE))
{
    // A window program has no streams unless they were redirected; started from a console, it
    // writes into that console instead.
    if (!windowProgram || (IsStream(m_output) && IsStream(m_errors)) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    m_consoleScreen.Reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    if (!IsStream(m_output))
        m_output = m_consoleScreen.Get();
    if (!IsStream(m_errors))
        m_errors = m_consoleScreen.Get();
}

std::wstring FormatProgress(unsigned long long bytesDone, unsigned long long bytesTotal, DWORD elapsedMs)
{
    const double mebibyte = 1024.0 * 1024.0;
    const double speed = elapsedMs == 0 ? 0.0 : bytesDone / mebibyte / (elapsedMs / 1000.0);
    wchar_t text[96];
    swprintf(text, sizeof text / sizeof text[0], L"%.1f of %.1f MiB, %.1f MiB/s", bytesDone / mebibyte,
             bytesTotal / mebibyte, speed);
    return text;
}

}
