#ifndef VESTIGON_CLI_LIST_JOB_RUNNER_H
#define VESTIGON_CLI_LIST_JOB_RUNNER_H

#include "cli/console_output.h"
#include "lists/list_check_job.h"
#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

#include <functional>

// The list job for the command line: the same job the list window runs, hashing several files
// at once, heard by a window of messages only through the thread's message loop.
namespace cli {

struct CWindowHandleTraits
{
    typedef HWND Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle window) { return DestroyWindow(window); }
};

class CListJobRunner
{
public:
    CListJobRunner();
    CListJobRunner(const CListJobRunner&) = delete;
    CListJobRunner& operator=(const CListJobRunner&) = delete;

    lists::CListCheckJob& Job() { return m_job; }
    // Where the job's news go; null when no window could be made.
    HWND Window() const { return m_window.Get(); }

    // Waits for the job numbered `job` to end, handing each step of its news to `take` and
    // showing its progress on `output`. False when the job could not be started.
    bool Run(unsigned job, CConsoleOutput& output, const std::function<void(lists::ListNews&)>& take);

private:
    lists::CListCheckJob m_job;
    vrok::data::type::kernelobject::CUniqueHandle<CWindowHandleTraits> m_window;
};

}

#endif
