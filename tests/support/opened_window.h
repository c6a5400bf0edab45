#ifndef VESTIGON_TESTS_OPENED_WINDOW_H
#define VESTIGON_TESTS_OPENED_WINDOW_H

// The main window in this process, opened as the program opens it, on profile files of the
// test's own.
#include "test_files.h"
#include "window_testing.h"

#include "window/cool_control.h"
#include "window/my_window.h"
#include "vrok_user/vrok_main.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

// RFC 1321's examples.
const std::wstring AbcDigest = L"900150983cd24fb0d6963f7d28e17f72";
const std::wstring MessageDigest = L"f96b697d7cb7938d525a2f31aaf161d0";
const std::wstring EmptyDigest = L"d41d8cd98f00b204e9800998ecf8427e";

const wchar_t EnglishIni[] =
    L"[WINDOW_TEXT]\r\ntext=Published digest\r\n[BUTTON_COMPARE]\r\ntext=&Compare\r\n[SENTENCES]\r\n"
    L"string_empty_string=Nothing to compare.\r\nstring_too_long=Too long.\r\nstring_too_short=Too short.\r\n"
    L"string_not_hexacecimal=Not hexadecimal.\r\nhash_equal=Equal.\r\nhash_different=Different.\r\n"
    L"hashing_progress=Hashing {percent} {speed} {time}\r\nhashing_stopped=Stopped.\r\n";

// A program folder with md5_global.ini naming `language` and english.ini beside it.
struct CProgramFolder : CTemporaryFolder
{
    explicit CProgramFolder(const std::wstring& language = L"english.ini")
    {
        WriteFile(L"md5_global.ini", Utf16Profile(L"[CURRENT_LANGUAGE]\r\n_ini_file=" + language + L"\r\n"));
        WriteFile(L"english.ini", Utf16Profile(EnglishIni));
    }
};

// Pumps messages until the main window's hashing job has given its result (at most 10 s).
inline void WaitWhileHashing()
{
    PumpUntil([] {
        auto* window = static_cast<OMyWindow*>(vrok::main::CApplication::GetMainWindow());
        return window == nullptr || !window->IsHashing();
    }, 10000);
}

// The main window opened through an application object as the program does; it is closed and
// its class unregistered when the object goes.
class COpenedWindow : public vrok::main::CApplication
{
public:
    // Waits for the start file's digest unless told not to.
    explicit COpenedWindow(const CProgramFolder& folder, const std::wstring* file = nullptr, bool waitForDigest = true)
        : COpenedWindow(folder.Path(), file, waitForDigest) {}
    COpenedWindow(const std::wstring& programFolder, const std::wstring* file, bool waitForDigest = true)
        : m_folder(programFolder), m_file(file)
    {
        vrok::main::CArgumentList arguments;
        EXPECT_EQ(0, Start(arguments));
        PumpMessages(60);
        if (waitForDigest)
            WaitWhileHashing();
    }
    ~COpenedWindow() override
    {
        Close();
        UnregisterClassW(vrok::user::mainwindow::CStdMainWindow::ClassName, GetModuleHandleW(nullptr));
    }
    int Start(vrok::main::CArgumentList&) override
    {
        const vrok::data::type::string::CString file(m_file != nullptr ? *m_file : L"");
        OMyWindow* window = new OMyWindow(m_file != nullptr ? &file : nullptr);
        window->SetProgramFolder(m_folder.c_str());
        return OpenMainWindow(window);
    }
    OMyWindow& My() const { return *static_cast<OMyWindow*>(GetMainWindow()); }
    HWND Handle() const { return My().GetHandle(); }
    HWND Input() const { return My().GetDropPanel()->GetInputField()->GetHandle(); }
    HWND Digest() const { return My().GetDropPanel()->GetDigestField()->GetHandle(); }
    HWND Strip() const { return My().GetNotifyWindow()->GetHandle(); }
    std::wstring StripText() const { return My().GetNotifyWindow()->GetMessageText(); }
    bool StripHasIcon() const { return My().GetNotifyWindow()->HasIcon(); }
    COLORREF IconColour() const
    {
        UpdateWindow(Strip());
        return PixelAt(Strip(), 34, 22);  // a plain spot of the shield drawn at (10, 10)
    }
    void Command(WPARAM id) const
    {
        SendMessageW(Handle(), WM_COMMAND, id, 0);
        PumpMessages();
        WaitWhileHashing();
    }
    // Closes the window; the message loop's result (0 after a normal close), -1 when it never ends.
    int Close()
    {
        if (m_closed)
            return 0;
        m_closed = true;
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        for (const DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(5))
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
                if (message.message == WM_QUIT)
                    return static_cast<int>(message.wParam);
                DispatchMessageW(&message);
            }
        return -1;
    }

private:
    std::wstring m_folder;
    const std::wstring* m_file;
    bool m_closed = false;
};

// Drops the files on the window as Explorer does; DropFiles then waits for the digest.
inline void SendDrop(HWND window, const std::vector<std::wstring>& files)
{
    std::wstring list;
    for (const std::wstring& file : files)
        list += file + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = { sizeof(DROPFILES), {}, FALSE, TRUE };  // the names follow the header, in UTF-16
    std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);  // the window frees it
}

inline void DropFiles(HWND window, const std::vector<std::wstring>& files)
{
    SendDrop(window, files);
    WaitWhileHashing();
}

}

#endif
