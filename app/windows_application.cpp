#include "windows_application.h"

#include "settings/program_texts.h"
#include "settings/shortcuts.h"
#include "window/my_window.h"
#include "vrok_persistence/vrok_longpath.h"

using vrok::data::type::string::CString;

CWindowsApplication::CWindowsApplication()
{
    programtexts::InstallBoxCaptions();
}

int CWindowsApplication::Start(vrok::main::CArgumentList& arguments)
{
    const CString* given = arguments.MoveFirst();
    // Made full here, once: a name relative to the folder the program was started in.
    const CString file(given != nullptr ? vrok::persistence::file::MakeFullPath(given->c_str()).c_str() : L"");
    SetShortcuts(shortcuts::MainWindow, shortcuts::MainWindowCount);
    return OpenMainWindow(new OMyWindow(file.empty() ? nullptr : &file));
}
