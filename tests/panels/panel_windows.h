#ifndef VESTIGON_TESTS_PANEL_WINDOWS_H
#define VESTIGON_TESTS_PANEL_WINDOWS_H

#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

#include <vector>

namespace paneltest {

// A message that reached a recording window.
struct CRecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window procedure that records WM_COMMAND and every message from WM_USER on (posted
// notifications) for its window, releases the binding on WM_NCDESTROY, and leaves all else
// to DefWindowProcW.
LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The messages of one kind recorded for a window so far; ForgetMessages clears its record.
std::vector<CRecordedMessage> RecordedMessages(HWND window, UINT message);
void ForgetMessages(HWND window);

// A plain top-level framework window with a recording procedure, to parent the panels:
// placed at (x, y) with the given client size, away from the main window.
class CHostWindow : public vrok::user::basewindow::CBaseWindow
{
public:
    CHostWindow(int clientWidth, int clientHeight, int x = 480, int y = 380);
};

// One host window of 500 x 200 client pixels for all tests of the program: under Wine every
// top-level window that goes away costs a second of waiting for the display, so the host stays.
// A test that resizes it puts its size back.
const int HostWidth = 500;
const int HostHeight = 200;
CHostWindow& Host();

// The application's main window, recorded through the application's own seam: created once for
// the whole test program (its window class can be registered only once), at (10, 10) with
// 420 x 300 pixels, with a recording procedure.
vrok::user::basewindow::CBaseWindow* MainWindow();

// Dispatches the thread's messages for the given time, so that posted messages arrive and
// windows repaint.
void PumpMessages(DWORD milliseconds = 60);

// The colour on screen at a client position of a window.
COLORREF PixelAt(HWND window, int x, int y);

// Number of pixels of a client rectangle for which the test holds.
template <typename Test>
int CountPixels(HWND window, const RECT& area, Test test)
{
    HDC context = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (test(GetPixel(context, x, y)))
                ++count;
    ReleaseDC(window, context);
    return count;
}

// True when each channel differs by at most the tolerance.
bool NearColour(COLORREF actual, COLORREF expected, int tolerance);

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(HWND child);

}

#endif
