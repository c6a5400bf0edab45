#include "window/keyboard_shortcuts.h"

#include "settings/command_ids.h"

namespace shortcuts {

const ACCEL MainWindowKeys[] = {
    {FVIRTKEY | FCONTROL, 'O', commands::Open},
    {FVIRTKEY | FCONTROL, 'S', commands::SaveChecksumFile},
    {FVIRTKEY | FCONTROL | FSHIFT, 'C', commands::CopyChecksumLine},
    {FVIRTKEY, VK_F1, commands::Help},
    {FVIRTKEY, VK_ESCAPE, commands::StopHashing},
};
const int MainWindowKeyCount = sizeof(MainWindowKeys) / sizeof(MainWindowKeys[0]);

}
