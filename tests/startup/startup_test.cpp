// The boxes that replace a start that cannot go on (the program's own start is in the e2e tests).

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

TEST(Startup, WithoutApplicationObjectOrMainWindowTheUserIsToldAndTheProgramEnds)
{
    testsupport::CModalWatcher watcher;
    EXPECT_EQ(-1, RunProgram(nullptr, L""));
    struct CUnluckyApplication : CApplication {
        int Start(vrok::main::CArgumentList&) override
        {
            return OpenMainWindow(new CRefusingWindow());
        }
    } application;
    EXPECT_NE(0, RunProgram(CApplication::GetInstance(), L"")) << "and no loop waiting for a window";
    ASSERT_EQ(2u, watcher.Boxes().size());
    EXPECT_EQ(L"Information", watcher.Boxes()[0].caption);
    EXPECT_EQ(L"Aucune instance globale de l'objet CApplication n'a été crée\nAbandon du programme",
              watcher.Boxes()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), watcher.Boxes()[0].icon);
    EXPECT_EQ(L"Erreur", watcher.Boxes()[1].caption);
    EXPECT_NE(std::wstring::npos, watcher.Boxes()[1].text.find(L"main window cannot be created"));
}
