#include "main_window_view.h"

#include "running_program.h"

#include <algorithm>

namespace e2e {

namespace {

const int CompareButtonId = 102;
const int ShieldLeft = 10;
const int ShieldTop = 10;
const int ShieldSize = 30;
// A shield covers a few hundred of the 900 pixels; fewer of one colour is not a verdict.
const int ShieldMinimumPixels = 60;

HWND ChildOfClass(HWND parent, const wchar_t* className, HWND after = nullptr)
{
    return parent == nullptr ? nullptr : FindWindowExW(parent, after, className, nullptr);
}

// Sent rather than posted, so that its effect is there when the call returns (a sent message
// overtakes the posted ones, so posting and then waiting for a sent one would not do).
void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result);
}

bool IsReadOnly(HWND edit)
{
    return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

// Hue in degrees of a clearly coloured pixel, or -1 for greys and the pale strip background.
int HueOf(COLORREF colour)
{
    const int red = GetRValue(colour), green = GetGValue(colour), blue = GetBValue(colour);
    const int high = std::max({ red, green, blue }), low = std::min({ red, green, blue });
    const int spread = high - low;
    if (spread < 70)
        return -1;
    int hue = 0;
    if (high == red)
        hue = 60 * (green - blue) / spread;
    else if (high == green)
        hue = 120 + 60 * (blue - red) / spread;
    else
        hue = 240 + 60 * (red - green) / spread;
    return hue < 0 ? hue + 360 : hue;
}

}

const char* NameOf(EVerdictIcon icon)
{
    switch (icon) {
    case EVerdictIcon::Equal:
        return "green shield (equal)";
    case EVerdictIcon::Warning:
        return "orange shield (bad reference)";
    case EVerdictIcon::Different:
        return "red shield (different)";
    default:
        return "no shield";
    }
}

CMainWindowView::CMainWindowView(HWND mainWindow)
    : m_window(mainWindow), m_dropPanel(ChildOfClass(mainWindow, L"VYMP_GRADIENT_WINDOW_CLASSNAME")),
      m_inputField(nullptr), m_digestField(nullptr),
      m_compareButton(m_dropPanel == nullptr ? nullptr : GetDlgItem(m_dropPanel, CompareButtonId)),
      m_strip(ChildOfClass(mainWindow, L"VYMP_NOTIFY_WINDOW_CLASSNAME"))
{
    // Both fields are edit controls; the digest field is the read-only one.
    for (HWND edit = ChildOfClass(m_dropPanel, L"Edit"); edit != nullptr; edit = ChildOfClass(m_dropPanel, L"Edit", edit)) {
        if (IsReadOnly(edit))
            m_digestField = edit;
        else
            m_inputField = edit;
    }
}

std::wstring CMainWindowView::Title() const
{
    return TextOf(m_window);
}

std::wstring CMainWindowView::PanelTitle() const
{
    return TextOf(m_dropPanel);
}

std::wstring CMainWindowView::ButtonCaption() const
{
    return TextOf(m_compareButton);
}

std::wstring CMainWindowView::Digest() const
{
    return TextOf(m_digestField);
}

std::wstring CMainWindowView::Reference() const
{
    return TextOf(m_inputField);
}

void CMainWindowView::SetReference(const std::wstring& text) const
{
    Send(m_inputField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CMainWindowView::TypeIntoInput(const std::wstring& keys) const
{
    for (wchar_t key : keys)
        Send(m_inputField, WM_CHAR, key, 1);
}

void CMainWindowView::PressEnter() const
{
    Send(m_inputField, WM_KEYDOWN, VK_RETURN, 1);
    Send(m_inputField, WM_CHAR, L'\r', 1);
    Send(m_inputField, WM_KEYUP, VK_RETURN, 0xC0000001);
}

void CMainWindowView::ClickCompare() const
{
    Send(m_compareButton, BM_CLICK, 0, 0);
}

void CMainWindowView::ChooseMenuCommand(WORD id) const
{
    Send(m_window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void CMainWindowView::Close() const
{
    PostMessageW(m_window, WM_CLOSE, 0, 0);
}

EVerdictIcon CMainWindowView::VerdictIcon() const
{
    POINT origin = { ShieldLeft, ShieldTop };
    ClientToScreen(m_strip, &origin);
    HDC screen = GetDC(nullptr);
    int green = 0, orange = 0, red = 0;
    for (int y = 0; y < ShieldSize; ++y) {
        for (int x = 0; x < ShieldSize; ++x) {
            const int hue = HueOf(GetPixel(screen, origin.x + x, origin.y + y));
            if (hue < 0)
                continue;
            if (hue < 15 || hue > 345)
                ++red;
            else if (hue >= 18 && hue <= 50)
                ++orange;
            else if (hue >= 80 && hue <= 160)
                ++green;
        }
    }
    ReleaseDC(nullptr, screen);
    const int most = std::max({ green, orange, red });
    if (most < ShieldMinimumPixels)
        return EVerdictIcon::None;
    if (most == green)
        return EVerdictIcon::Equal;
    return most == orange ? EVerdictIcon::Warning : EVerdictIcon::Different;
}

EVerdictIcon CMainWindowView::WaitForVerdictIcon(EVerdictIcon expected, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    EVerdictIcon seen = VerdictIcon();
    while (seen != expected && GetTickCount() - start < timeoutMs) {
        Sleep(100);
        seen = VerdictIcon();
    }
    return seen;
}

}
