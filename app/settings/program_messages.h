#ifndef VESTIGON_PROGRAM_MESSAGES_H
#define VESTIGON_PROGRAM_MESSAGES_H

#include <windows.h>

// The window messages of the program's own, in one list so that no two share a value; the
// framework hands each to its window's OnNotice with its number (wParam).

// News of a background job for the window that owns it: the job's number.
const UINT WM_HASH_NEWS = WM_APP + 40;
const UINT WM_LIST_NEWS = WM_APP + 41;
// Posted to the main window when Enter is typed in the reference field (number 0): the main
// window then compares the two digests.
const UINT WM_COMPARE_REQUEST = WM_APP + 42;
// Posted to the main window when the keys window has removed a key (number 0).
const UINT WM_KEYS_CHANGED = WM_APP + 43;

#endif
