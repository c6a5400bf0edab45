#ifndef VESTIGON_HASH_JOB_H
#define VESTIGON_HASH_JOB_H

#include "hashing/file_hasher.h"
#include "vrok_system/vrok_backgroundjob.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hashing {

struct CJobProgress
{
    unsigned long long bytesDone;
    unsigned long long bytesTotal;
    unsigned elapsedMs;
};

// Work for the job's thread around the hashing of its file, such as reading the files that sit
// beside it, so that the window never waits on a disk for them. What it finds is the window's to
// read once the job has ended; a stopped job skips it or has it dropped. Neither step may throw:
// both run on the job's thread, and both ask `stopRequested` between files.
class IHashCompanion
{
public:
    virtual ~IHashCompanion() = default;
    // Before the file is read: may add digests to the read; false when the file is not to be
    // read at all (what the companion found already decides).
    virtual bool BeforeHashing(const std::wstring& path, std::vector<DigestRequest>& requests,
                               const std::function<bool()>& stopRequested) noexcept = 0;
    // Once the digests are there: one per request, raw, in the order of the requests read.
    virtual void AfterDigests(const std::wstring& path, const std::vector<DigestRequest>& requests,
                              const std::vector<std::string>& digests,
                              const std::function<bool()>& stopRequested) noexcept = 0;
};

typedef Outcome (*CHashFunction)(const std::wstring& path, const std::vector<DigestRequest>& requests,
                                 IHashObserver& observer, std::vector<std::string>& digests);

// What the window takes of its job in one step: the progress, and once finished the outcome,
// with the digests read (one per request, raw) and whether the companion let the file be read.
struct CHashNews
{
    CJobProgress progress = { 0, 0, 0 };
    bool finished = false;
    Outcome outcome = Outcome::Stopped;
    bool read = false;
    std::vector<DigestRequest> requests;
    std::vector<std::string> digests;
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

    // Stops the running job and starts computing the requested digests of `path` in one read,
    // with the companion's steps (may be null) before and after. The new job's number, or 0 when
    // no thread could be started.
    unsigned Start(HWND window, const std::wstring& path, const std::vector<DigestRequest>& requests,
                   std::shared_ptr<IHashCompanion> companion = nullptr);
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
