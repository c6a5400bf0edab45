#include "window_testing.h"

#include <algorithm>
#include <cstdlib>

namespace testsupport {

void PumpMessages(DWORD milliseconds)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(5))
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* locked = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
        text = locked;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(const std::wstring* text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    if (text != nullptr) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text->size() + 1) * sizeof(wchar_t));
        std::copy(text->c_str(), text->c_str() + text->size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
    return true;
}

void TypeFileName(HWND dialog, const std::wstring& path)
{
    const HWND field = GetDlgItem(dialog, 0x47C) != nullptr ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

COLORREF PixelAt(HWND window, int x, int y)
{
    HDC context = GetDC(window);
    const COLORREF colour = GetPixel(context, x, y);
    ReleaseDC(window, context);
    return colour;
}

int CountPixels(HWND window, const RECT& area, bool (*test)(COLORREF))
{
    HDC context = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += test(GetPixel(context, x, y)) ? 1 : 0;
    ReleaseDC(window, context);
    return count;
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

bool IsGreen(COLORREF c)
{
    return GetGValue(c) > GetRValue(c) + 50 && GetGValue(c) > GetBValue(c) + 50;
}

bool IsOrange(COLORREF c)
{
    return GetRValue(c) > 200 && GetGValue(c) > 110 && GetGValue(c) < 190 && GetBValue(c) < 90;
}

bool IsRed(COLORREF c)
{
    return GetRValue(c) > 180 && GetGValue(c) < 110 && GetBValue(c) < 110;
}

RECT ChildRect(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// wchar_t is UTF-16 in little-endian order on Windows: its bytes go as they are.
std::string Utf16Profile(const std::wstring& text)
{
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

}
