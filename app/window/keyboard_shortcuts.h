#ifndef VESTIGON_KEYBOARD_SHORTCUTS_H
#define VESTIGON_KEYBOARD_SHORTCUTS_H

#include <windows.h>

// The main window's keys: Ctrl+O open, Ctrl+S save the checksum file, Ctrl+Shift+C copy the
// checksum line, F1 help, Esc stop hashing. Each becomes the command of its menu entry.
namespace shortcuts {

extern const ACCEL MainWindowKeys[];
extern const int MainWindowKeyCount;

}

#endif
