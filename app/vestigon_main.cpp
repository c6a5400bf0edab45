#include "windows_application.h"

#include <windows.h>

// The program's one application object; constructing it registers it for the entry point.
static CWindowsApplication theApplication;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    return vrok::main::RunProgram(vrok::main::CApplication::GetInstance(), commandLine);
}
