#ifndef VESTIGON_HASH_JOB_H
#define VESTIGON_HASH_JOB_H

#include "hashing/file_hasher.h"
#include "vrok_system/vrok_thread.h"

#include <windows.h>

#include <memory>
#include <string>

namespace hashing {

// Posted to the window by a job's thread; wParam is the job's number, lParam is 0. Progress
// comes a few times a second at most, and not before the job has run for a moment, so that
// small files finish without a flash of progress.
const UINT WM_HASH_PROGRESS = WM_APP + 40;
const UINT WM_HASH_FINISHED = WM_APP + 41;

const unsigned FirstProgressDelayMs = 250;
const unsigned ProgressPeriodMs = 200;

struct CJobProgress
{
    unsigned long long bytesDone;
    unsigned long long bytesTotal;
    unsigned elapsedMs;
};

class CJobState;

// Work for the job's thread once the digest is there, such as reading the files that sit beside
// the hashed one, so that the window never waits on a disk for them. What it finds is the
// window's to read after WM_HASH_FINISHED; a stopped job skips it or has it dropped.
class IAfterDigest
{
public:
    virtual ~IAfterDigest() = default;
    // Must not throw: it runs on the job's thread.
    virtual void Run(const std::wstring& path) noexcept = 0;
};

typedef Outcome (*CHashFunction)(const std::wstring& path, IHashObserver& observer, std::wstring& digest);

// Hashes one file at a time on a thread of its own, for a window that owns this object and is
// told only through posted messages. Starting a job stops the previous one; a message whose
// number is not the current job's (stopped, replaced) is to be dropped.
class CHashJob
{
public:
    CHashJob();
    // Stops the job and waits a short while for its thread; a thread still inside a read then
    // ends by itself, touching nothing of the window.
    ~CHashJob();
    CHashJob(const CHashJob&) = delete;
    CHashJob& operator=(const CHashJob&) = delete;

    // Stops the running job and starts hashing `path`, posting to `window`, then running
    // `afterDigest` (may be null) when the digest is there. The new job's number, or 0 when no
    // thread could be started.
    unsigned Start(HWND window, const std::wstring& path, std::shared_ptr<IAfterDigest> afterDigest = nullptr);
    // From now on the running job's messages are stale; its thread ends after its current buffer.
    void Stop();
    // Waits at most `timeoutMs` for the current job's thread to end; true when it has.
    bool Join(unsigned timeoutMs) const;

    // A job has started and neither finished (its WM_HASH_FINISHED taken) nor been stopped.
    bool IsRunning() const;
    bool IsCurrent(WPARAM jobNumber) const;

    CJobProgress GetProgress() const;
    // For the current job once its WM_HASH_FINISHED arrived; the job is then over.
    Outcome TakeOutcome(std::wstring& digest);
    const std::wstring& GetPath() const;

    // What the next jobs run instead of HashFile: another source of data with the same outcomes.
    void UseHashFunction(CHashFunction hash) { m_hash = hash; }

private:
    std::shared_ptr<CJobState> m_state;
    vrok::system::thread::CThread m_thread;
    unsigned m_lastNumber;
    CHashFunction m_hash;
    bool m_running;
};

}

#endif
