// The window framework: the window procedure's boundary, and a main window short of a part; the
// background job, the semaphore and the guarded views of a file.

#include "modal_watcher.h"
#include "test_files.h"
#include "window_testing.h"

#include "window/cool_control.h"
#include "window/my_window.h"
#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_main.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_fileviews.h"
#include "vrok_system/vrok_backgroundjob.h"
#include "vrok_system/vrok_semaphore.h"
#include "vrok_system/vrok_thread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace vrok::user;
using basewindow::CBaseWindow;

// A user child control that records the messages that reach it; its painting fails when told to.
class CRecordingPanel : public controls::CUserChildControl
{
public:
    bool FillWindowClass(basewindow::CWindowClass& windowClass) override
    {
        windowClass.lpszClassName = L"VYMP_TEST_PANEL_CLASSNAME";
        return true;
    }
    std::vector<UINT> seen;
    bool failPainting = false;
    bool failCreation = false;

    void OnCreate() override
    {
        if (failCreation)
            throw std::runtime_error("no room for the children");
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        if (message == WM_PAINT && failPainting)
            throw std::runtime_error("no pen for the frame");
        return CUserChildControl::HandleMessage(message, wParam, lParam);
    }
};

// The exception of a handler, or of building a window's children, stops at the window
// procedure: the user is told once, the window gets only its default processing, and the
// message loop ends with the failure's exit code.
TEST(WindowProcedure, AFailureIsToldOnceAndEndsTheLoopWithTheFailureCode)
{
    for (const bool inCreation : {false, true}) {
        SCOPED_TRACE(inCreation ? "building the children" : "painting");
        testsupport::CModalWatcher watcher;
        CBaseWindow parent;
        CRecordingPanel window;
        window.failPainting = !inCreation;
        window.failCreation = inCreation;
        ASSERT_TRUE(parent.CreateWindowEx(nullptr, 0, L"STATIC", L"test", WS_POPUP, 0, 0, 200, 100, nullptr) &&
                    window.Create(&parent, L"", L"", 0, 0, 200, 100, 0, 0));
        InvalidateRect(window.GetHandle(), nullptr, TRUE);
        MSG message = {};
        const DWORD start = GetTickCount();
        while (message.message != WM_QUIT && GetTickCount() - start < 5000) {
            if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
                DispatchMessageW(&message);
        }
        ASSERT_EQ(UINT(WM_QUIT), message.message);
        EXPECT_EQ(WPARAM(CBaseWindow::FailureExitCode), message.wParam);
        EXPECT_EQ(inCreation ? 0 : 1, std::count(window.seen.begin(), window.seen.end(), UINT(WM_PAINT)));
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(UINT(MB_ICONERROR), watcher.Boxes()[0].icon);
        EXPECT_NE(std::wstring::npos,
                  watcher.Boxes()[0].text.find(inCreation ? L"no room for the children" : L"no pen for the frame"));
    }
}

struct CTestApplication : vrok::main::CApplication
{
    int Start(vrok::main::CArgumentList&) override { return OpenMainWindow(new OMyWindow(nullptr)); }
};

LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
}

// The strip's class is taken by a procedure that refuses every window: the main window is made
// without a strip and answers clicks and comparisons all the same.
TEST(MainWindow, GoesOnWithoutAStripItCouldNotMake)
{
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW refusing = {};
    refusing.cbSize = sizeof(refusing);
    refusing.lpszClassName = controls::panel::CNotifyWindow::ClassName;
    refusing.hInstance = module;
    refusing.lpfnWndProc = RefuseCreation;
    ASSERT_NE(0, RegisterClassExW(&refusing));
    CTestApplication application;
    vrok::main::CArgumentList arguments;
    testsupport::CModalWatcher watcher;
    ASSERT_EQ(0, application.Start(arguments));
    auto* window = static_cast<OMyWindow*>(vrok::main::CApplication::GetMainWindow());
    EXPECT_EQ(nullptr, window->GetNotifyWindow());
    SendMessageW(window->GetHandle(), WM_LBUTTONDOWN, 0, 0);
    SendMessageW(window->GetHandle(), WM_COMPARE_REQUEST, 0, 0);
    PostMessageW(window->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, vrok::main::CApplication::Run());
    UnregisterClassW(controls::panel::CNotifyWindow::ClassName, module);
}

// --- background jobs ---

namespace {

// A job's work that ignores stop requests until it is let go, as a read on a lost network share
// does, then touches its own members; it notes when it ended and when it was freed.
struct CHangingWork : vrok::system::job::IJobWork
{
    explicit CHangingWork(std::vector<const char*>& log) : log(log) {}
    ~CHangingWork() override { log.push_back("freed"); }
    void Run(vrok::system::job::CJobChannel&) override
    {
        WaitForSingleObject(release, 10000);
        piecesRead += 1;
        log.push_back("ended");
    }
    std::vector<const char*>& log;
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    int piecesRead = 0;
};

}

// The job's owner goes while its thread hangs: the thread is left to the stopped jobs, which join
// it once it ends, and its work is freed only after that.
TEST(BackgroundJob, AThreadThatOutlivesItsOwnerKeepsItsWorkAndIsJoinedWhenItEnds)
{
    std::vector<const char*> log;
    auto work = std::make_shared<CHangingWork>(log);
    const HANDLE release = work->release;
    {
        vrok::system::job::CBackgroundJob job(WM_APP);
        ASSERT_NE(0u, job.Start(nullptr, std::move(work)));
    }
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(vrok::system::job::JoinStoppedJobs(0)) << "the thread still hangs";
    SetEvent(release);
    EXPECT_TRUE(vrok::system::job::JoinStoppedJobs(5000));
    EXPECT_EQ((std::vector<const char*>{"ended", "freed"}), log);
    CloseHandle(release);
}

namespace {

// Two threads that hand a turn to each other many times through two semaphores.
struct CPingPong
{
    static constexpr LONG Turns = 20000;
    vrok::system::thread::CSemaphore ping{0}, pong{0};
    LONG answered = 0;

    static DWORD WINAPI Serve(void* self)
    {
        CPingPong& game = *static_cast<CPingPong*>(self);
        for (LONG turn = 0; turn < Turns; ++turn) {
            game.ping.Give();
            game.pong.Take();
        }
        return 0;
    }
    static DWORD WINAPI Answer(void* self)
    {
        CPingPong& game = *static_cast<CPingPong*>(self);
        for (LONG turn = 0; turn < Turns; ++turn) {
            game.ping.Take();
            ++game.answered;
            game.pong.Give();
        }
        return 0;
    }
    // Lets threads stuck on a lost wake-up end, so that the test itself never hangs.
    void Release()
    {
        for (LONG turn = 0; turn < Turns; ++turn) {
            ping.Give();
            pong.Give();
        }
    }
};

}

// Each side gives what the other waits for at the moment it starts to wait or just before: a
// wake-up lost on the way leaves both waiting.
TEST(Semaphore, EveryCountGivenReachesTheThreadWaitingForIt)
{
    CPingPong game;
    ASSERT_TRUE(game.ping.IsUsable() && game.pong.IsUsable());
    vrok::system::thread::CThread serving, answering;
    ASSERT_TRUE(serving.Start(&CPingPong::Serve, &game));
    ASSERT_TRUE(answering.Start(&CPingPong::Answer, &game));
    const bool ended = serving.Join(10000) && answering.Join(10000);
    if (!ended)
        game.Release();
    EXPECT_TRUE(ended);
    EXPECT_EQ(CPingPong::Turns, game.answered);
}

namespace {

// A file of 256 KiB whose byte i is 7i + 1 (mod 256), open and mapped, with its first view.
struct CViewedFile
{
    static const size_t Bytes = 256u << 10;
    static unsigned char ByteAt(size_t offset) { return static_cast<unsigned char>(7 * offset + 1); }

    testsupport::CTemporaryFolder folder;
    vrok::persistence::file::CFile file;
    vrok::persistence::file::CFileViews views;
    const unsigned char* view = nullptr;

    CViewedFile()
    {
        std::string bytes(Bytes, '\0');
        for (size_t offset = 0; offset < Bytes; ++offset)
            bytes[offset] = static_cast<char>(ByteAt(offset));
        if (file.OpenForReading(folder.WriteFile(L"viewed.bin", bytes).c_str()) && views.Open(file.GetHandle()))
            view = views.View(0, Bytes);
    }
    bool ViewHoldsTheFile() const
    {
        for (size_t offset = 0; offset < Bytes; ++offset)
            if (view[offset] != ByteAt(offset))
                return false;
        return true;
    }
};

// What the system raises when a page of a view cannot be read (here: its disk was removed).
void RaiseReadErrorAt(const void* address)
{
    const ULONG_PTR information[3] = { 0, reinterpret_cast<ULONG_PTR>(address), 0xC000009Dul };
    RaiseException(EXCEPTION_IN_PAGE_ERROR, 0, 3, information);
}

volatile LONG readErrorsElsewhere = 0;

LONG CALLBACK CountReadErrorsElsewhere(EXCEPTION_POINTERS* pointers)
{
    if (pointers->ExceptionRecord->ExceptionCode != EXCEPTION_IN_PAGE_ERROR)
        return EXCEPTION_CONTINUE_SEARCH;
    InterlockedIncrement(&readErrorsElsewhere);
    return EXCEPTION_CONTINUE_EXECUTION;
}

}

// The read goes on over zeros at the view's place, the reader learns of the error, and the next
// view shows the file again.
TEST(FileViews, AReadErrorInAViewLeavesZerosThereAndMarksTheViewFailed)
{
    CViewedFile viewed;
    ASSERT_NE(nullptr, viewed.view);
    ASSERT_TRUE(viewed.ViewHoldsTheFile());
    EXPECT_FALSE(viewed.views.Failed());
    RaiseReadErrorAt(viewed.view + 70000);
    EXPECT_TRUE(viewed.views.Failed());
    EXPECT_EQ(std::string(CViewedFile::Bytes, '\0'), std::string(viewed.view, viewed.view + CViewedFile::Bytes));
    const size_t offset = vrok::persistence::file::CFileViews::Granularity;
    const unsigned char* next = viewed.views.View(offset, 100);
    ASSERT_NE(nullptr, next);
    EXPECT_FALSE(viewed.views.Failed());
    EXPECT_EQ(CViewedFile::ByteAt(offset + 99), next[99]);
}

// A read error that is not in a view of the program's (a file mapped by other code) is none of
// the views' business: it reaches the other handlers, and the view stays the file's.
TEST(FileViews, AReadErrorElsewhereGoesOnToTheOtherHandlers)
{
    CViewedFile viewed;
    ASSERT_NE(nullptr, viewed.view);
    const PVOID counter = AddVectoredExceptionHandler(0, CountReadErrorsElsewhere);
    ASSERT_NE(nullptr, counter);
    const char elsewhere[16] = {};
    RaiseReadErrorAt(elsewhere + 8);
    RemoveVectoredExceptionHandler(counter);
    EXPECT_EQ(1, readErrorsElsewhere);
    EXPECT_FALSE(viewed.views.Failed());
    EXPECT_TRUE(viewed.ViewHoldsTheFile());
}
