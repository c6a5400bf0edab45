#include "hashing/hash_job.h"

#include <atomic>

namespace hashing {

// What a job's thread and the window share: the thread writes the progress and the result,
// the window reads them when the posted message arrives. It lives as long as either needs it.
class CJobState : public IHashObserver
{
public:
    CJobState(HWND window, unsigned number, const std::wstring& path, CHashFunction hash,
              std::shared_ptr<IAfterDigest> afterDigest)
        : m_window(window), m_number(number), m_path(path), m_hash(hash), m_afterDigest(std::move(afterDigest)),
          m_start(GetTickCount()), m_lastPost(m_start),
          m_stop(false), m_done(0), m_total(0), m_finished(false), m_outcome(Outcome::Stopped)
    {
    }

    bool ShouldStop() override { return m_stop.load(); }

    void OnProgress(unsigned long long bytesDone, unsigned long long bytesTotal) override
    {
        m_done.store(bytesDone);
        m_total.store(bytesTotal);
        const DWORD now = GetTickCount();
        if (now - m_start < FirstProgressDelayMs || now - m_lastPost < ProgressPeriodMs)
            return;
        m_lastPost = now;
        PostMessageW(m_window, WM_HASH_PROGRESS, m_number, 0);
    }

    void Run()
    {
        std::wstring digest;
        const Outcome outcome = m_hash(m_path, *this, digest);
        if (outcome == Outcome::Digest && m_afterDigest && !m_stop.load())
            m_afterDigest->Run(m_path);
        m_digest = digest;
        m_outcome = outcome;
        m_finished.store(true);
        if (!m_stop.load())
            PostMessageW(m_window, WM_HASH_FINISHED, m_number, 0);
    }

    void Stop() { m_stop.store(true); }
    unsigned Number() const { return m_number; }
    const std::wstring& Path() const { return m_path; }

    CJobProgress Progress() const
    {
        return CJobProgress{ m_done.load(), m_total.load(), static_cast<unsigned>(GetTickCount() - m_start) };
    }

    // Read only once the thread has posted WM_HASH_FINISHED.
    Outcome TakeOutcome(std::wstring& digest) const
    {
        if (!m_finished.load())
            return Outcome::Stopped;
        digest = m_digest;
        return m_outcome;
    }

private:
    const HWND m_window;
    const unsigned m_number;
    const std::wstring m_path;
    const CHashFunction m_hash;
    const std::shared_ptr<IAfterDigest> m_afterDigest;
    const DWORD m_start;
    DWORD m_lastPost;
    std::atomic<bool> m_stop;
    std::atomic<unsigned long long> m_done;
    std::atomic<unsigned long long> m_total;
    std::atomic<bool> m_finished;
    Outcome m_outcome;
    std::wstring m_digest;
};

namespace {

const unsigned CloseJoinMs = 1000;

// The thread holds its own reference, so the state outlives a window that closed meanwhile.
DWORD WINAPI RunJob(void* argument)
{
    std::unique_ptr<std::shared_ptr<CJobState>> state(static_cast<std::shared_ptr<CJobState>*>(argument));
    (*state)->Run();
    return 0;
}

}

CHashJob::CHashJob() : m_lastNumber(0), m_hash(&HashFile), m_running(false) {}

CHashJob::~CHashJob()
{
    Stop();
    Join(CloseJoinMs);
}

unsigned CHashJob::Start(HWND window, const std::wstring& path, std::shared_ptr<IAfterDigest> afterDigest)
{
    Stop();
    m_thread.Close();
    m_state = std::make_shared<CJobState>(window, ++m_lastNumber, path, m_hash, std::move(afterDigest));
    std::unique_ptr<std::shared_ptr<CJobState>> threadReference(new std::shared_ptr<CJobState>(m_state));
    if (!m_thread.Start(&RunJob, threadReference.get())) {
        m_state.reset();
        return 0;
    }
    threadReference.release();
    m_running = true;
    return m_state->Number();
}

void CHashJob::Stop()
{
    if (m_state)
        m_state->Stop();
    m_running = false;
}

bool CHashJob::Join(unsigned timeoutMs) const
{
    return m_thread.Join(timeoutMs);
}

bool CHashJob::IsRunning() const
{
    return m_running;
}

bool CHashJob::IsCurrent(WPARAM jobNumber) const
{
    return m_running && m_state && m_state->Number() == jobNumber;
}

CJobProgress CHashJob::GetProgress() const
{
    return m_state ? m_state->Progress() : CJobProgress{ 0, 0, 0 };
}

Outcome CHashJob::TakeOutcome(std::wstring& digest)
{
    m_running = false;
    return m_state ? m_state->TakeOutcome(digest) : Outcome::Stopped;
}

const std::wstring& CHashJob::GetPath() const
{
    static const std::wstring None;
    return m_state ? m_state->Path() : None;
}

}
