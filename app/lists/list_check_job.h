#ifndef VESTIGON_LIST_CHECK_JOB_H
#define VESTIGON_LIST_CHECK_JOB_H

#include "checksums/algorithm_names.h"
#include "lists/list_results.h"
#include "signatures/keyring.h"
#include "signatures/signature_result.h"
#include "vrok_system/vrok_backgroundjob.h"

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
    hashing::Outcome outcome = hashing::Outcome::Digest;
};

// How far the worker has come with the list file itself.
enum class ListState { Reading, Read, Unreadable };

struct CheckProgress
{
    unsigned long long bytesDone = 0;
    unsigned long long bytesTotal = 0;
    size_t current = 0;      // index of the first file being hashed
};

// What the window takes in one step: the list's entries once read (names resolved against the
// list's folder) with the count of lines that are no checksum lines and where they stand, then
// the results that arrived since the last step, the progress, and whether the worker has ended.
struct ListNews
{
    ListState listState = ListState::Reading;
    bool listHanded = false;
    std::vector<ListEntry> entries;
    size_t otherLines = 0;
    std::vector<size_t> otherLineNumbers;
    // With the list: what its signature says (a job given keys only).
    signatures::SignatureResult signature;
    std::vector<CheckedFile> results;
    CheckProgress progress;
    bool ended = false;
};

class CListCheckWork;

// Reads a checksum list in the background, then hashes the files it names, up to one per
// processor (at most MaxParallelFiles) at a time, each through the file hasher. A list of many
// megabytes takes seconds to read and resolve; the window hears of it through its news message.
class CListCheckJob
{
public:
    // The largest list file read: far more than a list of 100,000 names needs.
    static const unsigned long long MaxListFileBytes = 64ull * 1024 * 1024;
    static const unsigned MaxParallelFiles = 8;

    explicit CListCheckJob(UINT newsMessage);
    ~CListCheckJob();
    CListCheckJob(const CListCheckJob&) = delete;
    CListCheckJob& operator=(const CListCheckJob&) = delete;

    // Starts reading the list and checking the files it names, the lines of the accepted
    // algorithms each by its own; the job's number, or 0 when no thread could be started.
    // Given the keys the program knows, the list's signature is checked too, and a clear-signed
    // list is read only from the text its signature covers.
    unsigned Start(const std::wstring& listPath, HWND window, checksums::AlgorithmSet accepted = checksums::Md5Only,
                   std::shared_ptr<const signatures::CKeyring> keys = nullptr);
    // The same for entries given at once (path, algorithm, expected digest, possibly empty):
    // the news hands them back as the list, and each result carries the computed digest.
    unsigned StartOnEntries(std::vector<ListEntry> entries, HWND window);
    // The worker stops after the pieces it is reading; results after that are not kept.
    void Stop() { m_job.Stop(); }
    // The news of job `number` in one step; false for a message of a stopped job.
    bool TakeNews(WPARAM number, ListNews& news);
    // What the worker handed over before it was stopped, in the same order: the list, then results.
    void TakeRest(ListNews& news);
    bool WaitForEnd(DWORD timeoutMs) const { return m_job.WaitForEnd(timeoutMs); }

private:
    vrok::system::job::CBackgroundJob m_job;
    std::shared_ptr<CListCheckWork> m_work;
};

}

#endif
