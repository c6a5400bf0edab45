#ifndef VESTIGON_TESTS_WINDOW_TESTING_H
#define VESTIGON_TESTS_WINDOW_TESTING_H

#include <windows.h>

#include <string>

namespace testsupport {

// Dispatches the thread's messages for the given time at least, so that posted messages arrive
// and windows repaint.
void PumpMessages(DWORD milliseconds = 30);

// Pumps messages until the condition holds or the time is up; the condition's last answer.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs = 5000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return condition();
        PumpMessages(10);
    }
    return true;
}

// The whole text of a window, through WM_GETTEXT (works across processes too).
std::wstring WindowText(HWND window);

// The clipboard's Unicode text, or an empty text when it holds none.
std::wstring ClipboardText();

// Puts Unicode text on the clipboard, or empties it when the text is null; false when it is busy.
bool SetClipboardText(const std::wstring* text);

// Types a path into the file name field of an open dialog (a combo box or an edit, by version).
void TypeFileName(HWND dialog, const std::wstring& path);

// The colour on screen at a client position of a window.
COLORREF PixelAt(HWND window, int x, int y);

// How many pixels of an area of a window's client area (of the screen when it is null) pass the test.
int CountPixels(HWND window, const RECT& area, bool (*test)(COLORREF));

// True when each channel differs by at most the tolerance.
bool NearColour(COLORREF actual, COLORREF expected, int tolerance);

// The verdict shields as a person tells them apart: green (equal), orange (not a digest),
// red (different).
bool IsGreen(COLORREF colour);
bool IsOrange(COLORREF colour);
bool IsRed(COLORREF colour);

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(HWND child);

// A profile file's bytes as the program ships them: UTF-16LE with a byte-order mark.
std::string Utf16Profile(const std::wstring& text);

}

#endif
