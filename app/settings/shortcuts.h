#ifndef VESTIGON_SHORTCUTS_H
#define VESTIGON_SHORTCUTS_H

#include "settings/command_ids.h"

#include <windows.h>

// The main window's keyboard shortcuts: each key runs its command as the menu entry would.
namespace shortcuts {

const ACCEL MainWindow[] = {
    { FVIRTKEY, VK_ESCAPE, commands::StopHashing },
    { FVIRTKEY | FCONTROL, 'O', commands::Open },
    { FVIRTKEY | FCONTROL, 'S', commands::SaveChecksumFile },
    { FVIRTKEY | FCONTROL | FSHIFT, 'C', commands::CopyChecksumLine },
    { FVIRTKEY, VK_F1, commands::Help },
    { FVIRTKEY | FCONTROL, 'L', commands::CheckList },
    { FVIRTKEY | FCONTROL, 'V', commands::Paste },
};

const int MainWindowCount = sizeof(MainWindow) / sizeof(MainWindow[0]);

}

#endif
