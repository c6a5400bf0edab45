#include "windows_application.h"

#include "window/keyboard_shortcuts.h"
#include "window/my_window.h"

using vrok::data::type::string::CString;

int CWindowsApplication::Start(vrok::main::CArgumentList& arguments)
{
    const CString* file = arguments.MoveFirst();
    if (file != nullptr && file->empty())
        file = nullptr;
    UseAccelerators(shortcuts::MainWindowKeys, shortcuts::MainWindowKeyCount);
    return OpenMainWindow(new OMyWindow(file));
}
