#ifndef VROK_USER_DPI_H
#define VROK_USER_DPI_H

#include <windows.h>

namespace vrok { namespace user { namespace dpi {

// The density every layout number of the program is written for.
const int StandardDpi = 96;

// Tells the system that the program scales itself: per monitor (version 2) where the system
// knows it, per monitor or system-wide on older systems, nothing on Windows XP. The functions
// are looked up at run time, so the program still starts where they do not exist.
void DeclareAwareness();

// The density of the window's monitor (GetDpiForWindow where the system has it), otherwise
// the screen's LOGPIXELSY; the screen's for a null window.
int DpiOfWindow(HWND window);

// The one scaling of a layout number, font height or picture size: value x dpi / 96, rounded
// to the nearest. At 96 the number itself.
int Scale(int value, int dpi);

}}}

#endif
