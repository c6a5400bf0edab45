#include "windows_application.h"

#include "settings/program_texts.h"
#include "settings/shortcuts.h"
#include "window/my_window.h"

using vrok::data::type::string::CString;

CWindowsApplication::CWindowsApplication()
{
    programtexts::InstallBoxCaptions();
}

int CWindowsApplication::Start(vrok::main::CArgumentList& arguments)
{
    const CString* file = arguments.MoveFirst();
    if (file != nullptr && file->empty())
        file = nullptr;
    SetShortcuts(shortcuts::MainWindow, shortcuts::MainWindowCount);
    return OpenMainWindow(new OMyWindow(file));
}
