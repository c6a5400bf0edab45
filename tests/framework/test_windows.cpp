#include "test_windows.h"

namespace frameworktest {

namespace {

const wchar_t* RegisterOnce(const wchar_t* name, UINT style)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
    return name;
}

}

const wchar_t* TestClassName()
{
    static const wchar_t* name = RegisterOnce(L"VestigonFrameworkTestWindow", 0);
    return name;
}

const wchar_t* OwnDcClassName()
{
    static const wchar_t* name = RegisterOnce(L"VestigonFrameworkOwnDcWindow", CS_OWNDC);
    return name;
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (milliseconds > 0)
            Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

std::vector<CClosedNotice> TakeClosedNotices(HWND window)
{
    std::vector<CClosedNotice> notices;
    MSG message;
    while (PeekMessageW(&message, window, vrok::user::controls::WM_CONTROL_CLOSED,
                        vrok::user::controls::WM_CONTROL_CLOSED, PM_REMOVE))
        notices.push_back({message.wParam, message.lParam});
    return notices;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

}
