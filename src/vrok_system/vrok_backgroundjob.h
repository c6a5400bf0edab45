#ifndef VROK_SYSTEM_BACKGROUNDJOB_H
#define VROK_SYSTEM_BACKGROUNDJOB_H

#include "vrok_system/vrok_lock.h"
#include "vrok_system/vrok_thread.h"

#include <windows.h>

#include <functional>
#include <memory>

// Work off the window's thread, one pattern for every window: the window owns all state and the
// job owns its thread; the thread hands its results over under the job's lock and tells the
// window "there is news for job N" with one posted message, whose parameter is the job's number
// (never a pointer); the window takes all news in one locked step and drops news of a job that
// is no longer its current one.
namespace vrok { namespace system { namespace job {

// The worker's side of one job, shared by its thread and its window for as long as either needs it.
class CJobChannel
{
public:
    // A first progress notice only after this long, so that a short job ends without a flash of
    // progress; then at most one per period.
    static const DWORD FirstProgressDelayMs = 250;
    static const DWORD ProgressPeriodMs = 200;

    CJobChannel(HWND window, UINT newsMessage, unsigned number);
    CJobChannel(const CJobChannel&) = delete;
    CJobChannel& operator=(const CJobChannel&) = delete;

    unsigned Number() const { return m_number; }
    bool StopRequested() const { return InterlockedCompareExchange(&m_stop, 0, 0) != 0; }
    // Guards what the work hands over, the stop request and the notices.
    thread::CLock& Lock() { return m_lock; }
    // Milliseconds since the job started.
    DWORD ElapsedMs() const { return GetTickCount() - m_start; }

    // With the lock held: posts the news message unless one waits untaken or the job was stopped,
    // so a stopped job never posts and a busy window gets one message per batch of news.
    void Notify();
    // With the lock held: Notify, when a progress notice is due.
    void NotifyProgress();

    // With the lock held, by the window's side.
    void RequestStop() { InterlockedExchange(&m_stop, 1); }
    void NewsTaken() { m_noticePending = false; }
    bool Ended() const { return m_ended; }
    // By the job's thread once the work has returned: the end is news too.
    void End();

private:
    const HWND m_window;
    const UINT m_newsMessage;
    const unsigned m_number;
    const DWORD m_start;
    mutable volatile LONG m_stop;
    thread::CLock m_lock;
    bool m_noticePending;
    bool m_progressPosted;
    DWORD m_lastProgress;
    bool m_ended;
};

// What a job does on its thread. It asks the channel whether to stop between pieces of work,
// hands its results over with the channel's lock held and calls Notify. Whatever it throws ends
// the job as a return does.
class IJobWork
{
public:
    virtual ~IJobWork() = default;
    virtual void Run(CJobChannel& channel) = 0;
};

// A window's background job: at most one current job, started on a thread of its own and
// numbered process-wide, so that a message of a job of another window that once had the same
// handle is never taken for one of this window's. A stopped or replaced job's thread ends after
// its current piece of work and is joined: at once where it has ended, otherwise by the list of
// stopped jobs (JoinStoppedJobs), which frees nothing the thread uses before it has ended.
class CBackgroundJob
{
public:
    // How long an owner that goes waits for its stopped job's thread: enough for the pieces the
    // thread is reading, not for a read that hangs (that thread is then left to JoinStoppedJobs).
    static const DWORD StopWaitMs = 1000;

    explicit CBackgroundJob(UINT newsMessage);
    ~CBackgroundJob();
    CBackgroundJob(const CBackgroundJob&) = delete;
    CBackgroundJob& operator=(const CBackgroundJob&) = delete;

    // Stops the current job, then starts `work` on a new thread with news for `window`. The new
    // job's number, or 0 when no thread could be started.
    unsigned Start(HWND window, std::shared_ptr<IJobWork> work);
    // From now on the current job's news are dropped; it posts no more.
    void Stop();

    // A job was started and neither stopped nor its end taken.
    bool IsRunning() const { return m_running; }
    // Runs `take(ended)` with the current job's lock held, when `number` is the running job's;
    // false (nothing run) for a message of a stopped or replaced job. Once the end is taken the
    // job no longer runs.
    bool TakeNews(WPARAM number, const std::function<void(bool ended)>& take);
    // The same for the latest job whether or not it runs, for what it handed over before a stop.
    void TakeRest(const std::function<void(bool ended)>& take);
    // Waits at most `timeoutMs` for the latest job's thread; true when it has ended.
    bool WaitForEnd(DWORD timeoutMs) const;

private:
    void Retire();

    const UINT m_newsMessage;
    std::shared_ptr<CJobChannel> m_channel;
    std::unique_ptr<thread::CThread> m_thread;
    bool m_running;
};

// Waits at most `timeoutMs` in all for the threads of every stopped job; true when they have all
// ended. A program calls it once its windows are gone: false means a thread is still blocked (a
// read on a network share that went away), and the program must then end its process at once,
// without freeing what the thread may still use.
bool JoinStoppedJobs(DWORD timeoutMs);

}}}

#endif
