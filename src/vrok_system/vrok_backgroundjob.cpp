#include "vrok_system/vrok_backgroundjob.h"

#include <algorithm>
#include <vector>

namespace vrok { namespace system { namespace job {

using thread::CLockHolder;
using thread::CThread;

CJobChannel::CJobChannel(HWND window, UINT newsMessage, unsigned number)
    : m_window(window), m_newsMessage(newsMessage), m_number(number), m_start(GetTickCount()), m_stop(0),
      m_noticePending(false), m_progressPosted(false), m_lastProgress(0), m_ended(false)
{
}

void CJobChannel::Notify()
{
    if (m_noticePending || StopRequested())
        return;
    m_noticePending = PostMessageW(m_window, m_newsMessage, m_number, 0) != FALSE;
}

void CJobChannel::NotifyProgress()
{
    const DWORD now = GetTickCount();
    if (now - m_start < FirstProgressDelayMs || (m_progressPosted && now - m_lastProgress < ProgressPeriodMs))
        return;
    m_progressPosted = true;
    m_lastProgress = now;
    Notify();
}

void CJobChannel::End()
{
    CLockHolder held(m_lock);
    m_ended = true;
    Notify();
}

namespace {

// The thread's own references: the channel and the work live until the thread ends.
struct CThreadShare
{
    std::shared_ptr<CJobChannel> channel;
    std::shared_ptr<IJobWork> work;
};

DWORD WINAPI RunJob(void* argument)
{
    std::unique_ptr<CThreadShare> share(static_cast<CThreadShare*>(argument));
    try {
        share->work->Run(*share->channel);
    } catch (...) {
    }
    share->channel->End();
    return 0;
}

volatile LONG g_lastJobNumber = 0;

unsigned NextJobNumber()
{
    unsigned number = 0;
    while (number == 0)
        number = static_cast<unsigned>(InterlockedIncrement(&g_lastJobNumber));
    return number;
}

// The threads of stopped jobs that had not ended yet, each joined once it has. Only windows'
// threads stop jobs, but a lock keeps the list whole whichever thread does.
class CStoppedJobs
{
public:
    void Add(std::unique_ptr<CThread> thread)
    {
        CLockHolder held(m_lock);
        DropEnded();
        m_threads.push_back(std::move(thread));
    }

    bool JoinAll(DWORD timeoutMs)
    {
        CLockHolder held(m_lock);
        const DWORD start = GetTickCount();
        for (const std::unique_ptr<CThread>& thread : m_threads) {
            const DWORD spent = GetTickCount() - start;
            if (!thread->Join(spent < timeoutMs ? timeoutMs - spent : 0))
                return false;
        }
        m_threads.clear();
        return true;
    }

private:
    void DropEnded()
    {
        m_threads.erase(std::remove_if(m_threads.begin(), m_threads.end(),
                                       [](const std::unique_ptr<CThread>& thread) { return thread->Join(0); }),
                        m_threads.end());
    }

    thread::CLock m_lock;
    std::vector<std::unique_ptr<CThread>> m_threads;
};

CStoppedJobs& StoppedJobs()
{
    static CStoppedJobs jobs;
    return jobs;
}

}

CBackgroundJob::CBackgroundJob(UINT newsMessage) : m_newsMessage(newsMessage), m_running(false)
{
}

CBackgroundJob::~CBackgroundJob()
{
    Stop();
    WaitForEnd(StopWaitMs);
    Retire();
}

unsigned CBackgroundJob::Start(HWND window, std::shared_ptr<IJobWork> work)
{
    Stop();
    Retire();
    m_channel = std::make_shared<CJobChannel>(window, m_newsMessage, NextJobNumber());
    std::unique_ptr<CThreadShare> share(new CThreadShare{ m_channel, std::move(work) });
    m_thread.reset(new CThread());
    if (!m_thread->Start(&RunJob, share.get())) {
        m_thread.reset();
        m_channel.reset();
        return 0;
    }
    share.release();
    m_running = true;
    return m_channel->Number();
}

void CBackgroundJob::Stop()
{
    m_running = false;
    if (!m_channel)
        return;
    CLockHolder held(m_channel->Lock());
    m_channel->RequestStop();
}

bool CBackgroundJob::TakeNews(WPARAM number, const std::function<void(bool ended)>& take)
{
    if (!m_running || !m_channel || number != m_channel->Number())
        return false;
    CLockHolder held(m_channel->Lock());
    m_channel->NewsTaken();
    const bool ended = m_channel->Ended();
    take(ended);
    if (ended)
        m_running = false;
    return true;
}

void CBackgroundJob::TakeRest(const std::function<void(bool ended)>& take)
{
    if (!m_channel)
        return;
    CLockHolder held(m_channel->Lock());
    take(m_channel->Ended());
}

bool CBackgroundJob::WaitForEnd(DWORD timeoutMs) const
{
    return !m_thread || m_thread->Join(timeoutMs);
}

// A thread that has ended is joined here; one still inside its last piece goes to the list.
void CBackgroundJob::Retire()
{
    if (m_thread && !m_thread->Join(0))
        StoppedJobs().Add(std::move(m_thread));
    m_thread.reset();
}

bool JoinStoppedJobs(DWORD timeoutMs)
{
    return StoppedJobs().JoinAll(timeoutMs);
}

}}}
