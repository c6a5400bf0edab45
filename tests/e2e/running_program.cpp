#include "running_program.h"

#include <vector>

namespace e2e {

namespace {

const DWORD PollMs = 50;

struct CWindowSearch
{
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM search)
{
    CWindowSearch* wanted = reinterpret_cast<CWindowSearch*>(search);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId != wanted->processId || lstrcmpW(className, wanted->className) != 0 || !IsWindowVisible(window))
        return TRUE;
    wanted->found = window;
    return FALSE;
}

BOOL CALLBACK CollectTexts(HWND child, LPARAM texts)
{
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    const std::wstring text = TextOf(child);
    if (lstrcmpiW(className, L"Static") == 0 && !text.empty())
        reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
    return TRUE;
}

}

CRunningProgram::CRunningProgram(const std::wstring& exePath, const std::wstring& arguments)
    : m_process{}, m_started(false)
{
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    m_started = CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &m_process) != 0;
}

CRunningProgram::~CRunningProgram()
{
    if (!m_started)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND CRunningProgram::FindOwnWindow(const wchar_t* className) const
{
    CWindowSearch search{ m_process.dwProcessId, className, nullptr };
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND CRunningProgram::WaitForMainWindow(DWORD timeoutMs) const
{
    if (!m_started)
        return nullptr;
    WaitForInputIdle(m_process.hProcess, timeoutMs);
    const DWORD start = GetTickCount();
    do {
        HWND window = FindOwnWindow(L"VYMP_MAIN_WINDOW_CLASSNAME");
        if (window != nullptr)
            return window;
        Sleep(PollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND CRunningProgram::WaitForBox(DWORD timeoutMs) const
{
    if (!m_started)
        return nullptr;
    const DWORD start = GetTickCount();
    do {
        HWND box = FindOwnWindow(L"#32770");
        if (box != nullptr)
            return box;
        Sleep(PollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

DWORD CRunningProgram::WaitForExit(DWORD timeoutMs) const
{
    if (!m_started)
        return STILL_ACTIVE;
    WaitForSingleObject(m_process.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::wstring BoxText(HWND box)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(box, CollectTexts, reinterpret_cast<LPARAM>(&texts));
    return texts.empty() ? std::wstring() : texts.front();
}

void DismissBox(HWND box)
{
    const int button = GetDlgItem(box, IDOK) != nullptr ? IDOK : IDCANCEL;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

std::wstring TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    std::vector<wchar_t> text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return std::wstring(text.data());
}

}
