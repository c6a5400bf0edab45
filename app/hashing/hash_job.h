#ifndef VESTIGON_HASH_JOB_H
#define VESTIGON_HASH_JOB_H

#include "hashing/file_hasher.h"
#include "vrok_system/vrok_backgroundjob.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace hashing {

struct CJobProgress
{
    unsigned long long bytesDone;
    unsigned long long bytesTotal;
    unsigned elapsedMs;
};

// Work for the job's thread once the digest is there, such as reading the files that sit beside
// the hashed one, so that the window never waits on a disk for them. What it finds is the
// window's to read once the job has ended; a stopped job skips it or has it dropped.
class IAfterDigest
{
public:
    virtual ~IAfterDigest() = default;
    // Must not throw: it runs on the job's thread. It asks `stopRequested` between files.
    virtual void Run(const std::wstring& path, const std::function<bool()>& stopRequested) noexcept = 0;
};

typedef Outcome (*CHashFunction)(const std::wstring& path, IHashObserver& observer, std::wstring& digest);

// What the window takes of its job in one step: the progress, and once finished the outcome.
struct CHashNews
{
    CJobProgress progress = { 0, 0, 0 };
    bool finished = false;
    Outcome outcome = Outcome::Stopped;
    std::wstring digest;
};

class CHashWork;

// Hashes one file at a time in the background for the window that owns this object, which hears
// of it through its news message. Starting a job stops the previous one.
class CHashJob
{
public:
    explicit CHashJob(UINT newsMessage);
    ~CHashJob();
    CHashJob(const CHashJob&) = delete;
    CHashJob& operator=(const CHashJob&) = delete;

    // Stops the running job and starts hashing `path`, then running `afterDigest` (may be null)
    // once the digest is there. The new job's number, or 0 when no thread could be started.
    unsigned Start(HWND window, const std::wstring& path, std::shared_ptr<IAfterDigest> afterDigest = nullptr);
    // The running job's news are dropped from now on; its thread ends after its current piece.
    void Stop() { m_job.Stop(); }
    bool IsRunning() const { return m_job.IsRunning(); }
    // The news of job `number` in one step; false for a message of a stopped or replaced job.
    bool TakeNews(WPARAM number, CHashNews& news);
    bool WaitForEnd(DWORD timeoutMs) const { return m_job.WaitForEnd(timeoutMs); }
    const std::wstring& GetPath() const { return m_path; }

    // What the next jobs run instead of HashFile: another source of data with the same outcomes.
    void UseHashFunction(CHashFunction hash) { m_hash = hash; }

private:
    vrok::system::job::CBackgroundJob m_job;
    std::shared_ptr<CHashWork> m_work;
    std::wstring m_path;
    CHashFunction m_hash;
};

}

#endif
