// The box that replaces a start that cannot go on (the program's own start is in the e2e tests).

#include "modal_watcher.h"

#include "settings/program_texts.h"
#include "vrok_user/vrok_main.h"

#include <gtest/gtest.h>

#include <string>

using vrok::main::CApplication;
using vrok::main::RunProgram;

// A main window that refuses its own creation: the window cannot be made.
class CRefusingWindow : public vrok::user::mainwindow::CStdMainWindow
{
public:
    CRefusingWindow() : CStdMainWindow(programtexts::MainWindowLook) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_CREATE ? -1 : CStdMainWindow::HandleMessage(message, wParam, lParam);
    }
};

TEST(Startup, WithoutAMainWindowTheUserIsToldAndTheProgramEnds)
{
    testsupport::CModalWatcher watcher;
    struct CUnluckyApplication : CApplication {
        int Start(vrok::main::CArgumentList&) override
        {
            return OpenMainWindow(new CRefusingWindow());
        }
    } application;
    EXPECT_NE(0, RunProgram(CApplication::GetInstance(), L"")) << "and no loop waiting for a window";
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
    EXPECT_NE(std::wstring::npos, watcher.Boxes()[0].text.find(L"main window cannot be created"));
}
