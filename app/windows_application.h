#ifndef VESTIGON_APP_WINDOWS_APPLICATION_H
#define VESTIGON_APP_WINDOWS_APPLICATION_H

#include "vrok_user/vrok_main.h"

// The program's application: its main window shows the file named first on the command line.
class CWindowsApplication : public vrok::main::CApplication
{
public:
    // The framework's boxes take the program's captions from the start.
    CWindowsApplication();

    int Start(vrok::main::CArgumentList& arguments) override;
};

#endif
