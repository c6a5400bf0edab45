#ifndef VESTIGON_PROGRAM_MESSAGES_H
#define VESTIGON_PROGRAM_MESSAGES_H

#include <windows.h>

// The window messages of the program's own, in one list so that no two share a value. The
// framework's own (WM_CONTROL_CLOSED) lie below WM_USER + 0x100.

// Posted to the main window when Enter is typed in the reference field: wParam 0, lParam the
// drop panel's window. The main window then compares the two digests.
const UINT WM_COMPARE_REQUEST = WM_USER + 0x101;

// News of a background job for the window that owns it: wParam is the job's number, lParam 0.
const UINT WM_HASH_NEWS = WM_APP + 40;
const UINT WM_LIST_NEWS = WM_APP + 41;

#endif
