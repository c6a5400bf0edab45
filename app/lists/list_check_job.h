#ifndef VESTIGON_LIST_CHECK_JOB_H
#define VESTIGON_LIST_CHECK_JOB_H

#include "lists/list_results.h"
#include "vrok_system/vrok_thread.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace lists {

// One file's result, as the worker hands it to the window.
struct CheckedFile
{
    size_t index = 0;
    Result result = Result::Pending;
    std::wstring digest;
    unsigned long long size = 0;
    bool sizeKnown = false;
};

// How far the worker has come with the list file itself.
enum class ListState { Reading, Read, Unreadable };

struct CheckProgress
{
    unsigned long long bytesDone = 0;
    unsigned long long bytesTotal = 0;
    size_t current = 0;      // index of the file being hashed
    bool ended = false;      // every file has its result, or the job was stopped
};

// Reads a checksum list, then hashes its files one after another, in list order, on one worker
// thread: a list of many megabytes takes seconds to read and resolve. The worker never touches
// a window: it hands over the list's entries once read, then keeps its results until the window
// takes them. It posts `notice` (wParam: the job number) when the list or new results wait and
// no notice is pending yet, so a list of many small files costs one message per batch rather
// than one per file. Progress is read by the window whenever it wants (bytes of the whole list).
// The shared state lives as long as either side holds it, so a worker that outlives its window
// (a read that hangs) stays safe.
class CListCheckJob
{
public:
    CListCheckJob();
    // Stops the worker and waits for it, at most StopWaitMs.
    ~CListCheckJob();
    CListCheckJob(const CListCheckJob&) = delete;
    CListCheckJob& operator=(const CListCheckJob&) = delete;

    static const DWORD StopWaitMs = 2000;
    // The largest list file read: far more than a list of 100,000 names needs.
    static const unsigned long long MaxListBytes = 64ull * 1024 * 1024;

    // Starts reading the list and hashing the files it names against their digests; false when
    // no thread could be started (or a job runs already).
    bool Start(const std::wstring& listPath, HWND window, UINT notice, WPARAM jobNumber);
    // Asks the worker to stop between buffers; results after that are not kept.
    void Stop();
    // True when the worker has ended within the time (or never started).
    bool WaitForEnd(DWORD timeoutMs);

    // The results that arrived since the last call, in list order, and whether the worker had
    // ended by then: both are read at once, for a worker that ends between two separate reads
    // posts no further notice (one is still counted as pending) and its end would go unseen.
    std::vector<CheckedFile> TakeResults(bool& ended);
    // The list's entries (names resolved against the list's folder) and the count of lines
    // that are no checksum lines, once read: they are handed over at the first call that finds
    // the list read. A list whose worker ended unread is Unreadable.
    ListState TakeList(std::vector<ListEntry>& entries, size_t& otherLines);
    CheckProgress Progress() const;

    struct CShared;

private:
    std::shared_ptr<CShared> m_shared;
    vrok::system::thread::CThread m_thread;
};

}

#endif
