// vestigon_snapshot PROGRAM.exe PICTURE.bmp [FILE]
// Starts the program (with FILE on its command line), waits until its main window is up and
// painted, saves what the screen shows of that window (title bar and menu bar included) as a
// 24-bit BMP, then closes the window and reports the program's exit code. A box that the program
// shows on the way (a file that cannot be read) is reported and answered with OK.
// Host paths (/like/this) are taken on Wine's drive Z:.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD StartTimeoutMs = 30000;
const DWORD PaintDelayMs = 1500;
const DWORD ExitTimeoutMs = 15000;

std::wstring WindowsPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& character : path)
        if (character == L'/')
            character = L'\\';
    return path;
}

struct CSearch
{
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    CSearch* search = reinterpret_cast<CSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId == search->processId && lstrcmpW(className, search->className) == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className)
{
    CSearch search{ processId, className, nullptr };
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintStaticText(HWND child, LPARAM)
{
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    wchar_t text[512] = {};
    SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    if (lstrcmpiW(className, L"Static") == 0 && text[0] != L'\0')
        wprintf(L"The program says: %ls\n", text);
    return TRUE;
}

void AnswerBox(HWND box)
{
    EnumChildWindows(box, PrintStaticText, 0);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

// The main window once it is up; boxes met on the way are answered.
HWND WaitForMainWindow(const PROCESS_INFORMATION& process)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < StartTimeoutMs) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        HWND box = FindProcessWindow(process.dwProcessId, L"#32770");
        if (box != nullptr) {
            AnswerBox(box);
            Sleep(300);
            continue;
        }
        HWND window = FindProcessWindow(process.dwProcessId, L"VYMP_MAIN_WINDOW_CLASSNAME");
        if (window != nullptr && WaitForInputIdle(process.hProcess, 0) == 0)
            return window;
        Sleep(100);
    }
    return nullptr;
}

bool WriteBitmapFile(const std::wstring& path, int width, int height, const std::vector<unsigned char>& rows)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rows.size());
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + info.biSizeImage;

    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool complete = WriteFile(file, &header, sizeof(header), &written, nullptr) && written == sizeof(header);
    complete = complete && WriteFile(file, &info, sizeof(info), &written, nullptr) && written == sizeof(info);
    complete = complete && WriteFile(file, rows.data(), info.biSizeImage, &written, nullptr) &&
               written == info.biSizeImage;
    CloseHandle(file);
    return complete;
}

// What the screen shows inside the window's outer rectangle.
bool SaveWindowPicture(HWND window, const std::wstring& path)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (picture != nullptr) {
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, previous);
        GdiFlush();
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        const unsigned char* first = static_cast<const unsigned char*>(bits);
        saved = WriteBitmapFile(path, width, height, std::vector<unsigned char>(first, first + stride * height));
        DeleteObject(picture);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3 || argc > 4) {
        fwprintf(stderr, L"usage: vestigon_snapshot PROGRAM.exe PICTURE.bmp [FILE]\n");
        return 2;
    }
    const std::wstring program = WindowsPath(argv[1]);
    const std::wstring picture = WindowsPath(argv[2]);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (argc == 4)
        commandLine += L" \"" + WindowsPath(argv[3]) + L"\"";

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        fwprintf(stderr, L"Cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return 1;
    }
    HWND window = WaitForMainWindow(process);
    bool saved = false;
    if (window != nullptr) {
        Sleep(PaintDelayMs);
        saved = SaveWindowPicture(window, picture);
        if (!saved)
            fwprintf(stderr, L"Cannot save the picture to %ls\n", picture.c_str());
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        fwprintf(stderr, L"The program's window did not come up.\n");
    }
    if (WaitForSingleObject(process.hProcess, ExitTimeoutMs) == WAIT_TIMEOUT) {
        fwprintf(stderr, L"The program did not end after its window was closed.\n");
        TerminateProcess(process.hProcess, 1);
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    wprintf(L"The program ended with exit code %lu.\n", exitCode);
    return window != nullptr && saved && exitCode == 0 ? 0 : 1;
}
