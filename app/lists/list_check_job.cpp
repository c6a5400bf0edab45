#include "lists/list_check_job.h"

#include "checksums/checksum_text.h"
#include "hashing/file_hasher.h"
#include "vrok_persistence/vrok_longpath.h"

#include <new>

namespace lists {

namespace {

// The digest of no bytes at all: an empty file listed with it is intact.
const wchar_t EmptyFileDigest[] = L"d41d8cd98f00b204e9800998ecf8427e";

class CLock
{
public:
    CLock() { InitializeCriticalSection(&m_section); }
    ~CLock() { DeleteCriticalSection(&m_section); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;
    void Enter() { EnterCriticalSection(&m_section); }
    void Leave() { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

class CHeld
{
public:
    explicit CHeld(CLock& lock) : m_lock(lock) { m_lock.Enter(); }
    ~CHeld() { m_lock.Leave(); }
    CHeld(const CHeld&) = delete;
    CHeld& operator=(const CHeld&) = delete;

private:
    CLock& m_lock;
};

bool IsAbsent(const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH;
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

bool SizeOf(const std::wstring& path, unsigned long long& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

}

struct CListCheckJob::CShared
{
    std::wstring listPath;
    std::vector<std::wstring> paths;
    std::vector<std::wstring> expected;
    HWND window = nullptr;
    UINT notice = 0;
    WPARAM number = 0;
    volatile LONG stop = 0;

    CLock lock;
    std::vector<CheckedFile> waiting;
    bool noticePending = false;
    CheckProgress progress;
    ListState listState = ListState::Reading;
    std::vector<ListEntry> listed;
    bool listHanded = false;
    size_t otherLines = 0;

    bool Stopping() const { return stop != 0; }
    void Hand(CheckedFile&& file);
    void SetBytesDone(unsigned long long bytes);
    void End();
    void Notify();
    bool ReadList();
    void MeasureSizes(std::vector<unsigned long long>& sizes, std::vector<bool>& known);
    CheckedFile CheckOne(size_t index, unsigned long long bytesBefore);
    void Run();
};

namespace {

// Adds one file's progress to the bytes of the files before it.
class CProgressObserver : public hashing::IHashObserver
{
public:
    CProgressObserver(CListCheckJob::CShared& shared, unsigned long long bytesBefore)
        : m_shared(shared), m_bytesBefore(bytesBefore)
    {
    }
    bool ShouldStop() override { return m_shared.Stopping(); }
    void OnProgress(unsigned long long bytesDone, unsigned long long) override
    {
        m_shared.SetBytesDone(m_bytesBefore + bytesDone);
    }

private:
    CListCheckJob::CShared& m_shared;
    unsigned long long m_bytesBefore;
};

}

// Called with the lock held: one notice at a time waits in the window's queue.
void CListCheckJob::CShared::Notify()
{
    if (noticePending)
        return;
    noticePending = true;
    PostMessageW(window, notice, number, 0);
}

void CListCheckJob::CShared::Hand(CheckedFile&& file)
{
    CHeld held(lock);
    if (Stopping())
        return;
    waiting.push_back(std::move(file));
    Notify();
}

void CListCheckJob::CShared::SetBytesDone(unsigned long long bytes)
{
    CHeld held(lock);
    progress.bytesDone = bytes;
}

// A worker that ends before the list is read (out of memory) leaves it unreadable.
void CListCheckJob::CShared::End()
{
    CHeld held(lock);
    if (listState == ListState::Reading)
        listState = ListState::Unreadable;
    progress.ended = true;
    Notify();
}

// The entries for the window, and the paths in their long form for the worker, so that names
// deep in folders are found as well.
bool CListCheckJob::CShared::ReadList()
{
    checksums::ChecksumText text;
    if (!checksums::ReadChecksumFile(listPath, MaxListBytes, false, text))
        return false;
    const std::wstring folder = FolderOf(listPath);
    std::vector<ListEntry> entries(text.lines.size());
    paths.reserve(entries.size());
    expected.reserve(entries.size());
    for (size_t index = 0; index < entries.size(); ++index) {
        ListEntry& entry = entries[index];
        entry.name = std::move(text.lines[index].name);
        entry.path = checksums::ResolveListedName(folder, entry.name);
        entry.expected = std::move(text.lines[index].digest);
        paths.push_back(vrok::persistence::file::ToLongPathForm(entry.path.c_str()));
        expected.push_back(entry.expected);
    }
    CHeld held(lock);
    listed.swap(entries);
    otherLines = text.otherLines;
    listState = ListState::Read;
    Notify();
    return true;
}

void CListCheckJob::CShared::MeasureSizes(std::vector<unsigned long long>& sizes, std::vector<bool>& known)
{
    unsigned long long total = 0;
    for (size_t index = 0; index < paths.size() && !Stopping(); ++index) {
        unsigned long long size = 0;
        known[index] = SizeOf(paths[index], size);
        sizes[index] = size;
        total += size;
    }
    CHeld held(lock);
    progress.bytesTotal = total;
}

CheckedFile CListCheckJob::CShared::CheckOne(size_t index, unsigned long long bytesBefore)
{
    CheckedFile file;
    file.index = index;
    // A name that leads nowhere (rooted, or above the folder's root) names no file here.
    if (paths[index].empty()) {
        file.result = Result::Missing;
        return file;
    }
    CProgressObserver observer(*this, bytesBefore);
    std::wstring digest;
    switch (hashing::HashFile(paths[index], observer, digest)) {
    case hashing::Outcome::Digest:
        file.digest = digest;
        break;
    case hashing::Outcome::EmptyFile:
        file.digest = EmptyFileDigest;
        break;
    case hashing::Outcome::Stopped:
        return file;
    case hashing::Outcome::OpenFailed:
        file.result = IsAbsent(paths[index]) ? Result::Missing : Result::Unreadable;
        return file;
    case hashing::Outcome::ReadFailed:
        file.result = Result::Unreadable;
        return file;
    }
    file.result = file.digest == expected[index] ? Result::Ok : Result::Differs;
    return file;
}

void CListCheckJob::CShared::Run()
{
    if (!ReadList()) {
        End();
        return;
    }
    std::vector<unsigned long long> sizes(paths.size());
    std::vector<bool> known(paths.size());
    MeasureSizes(sizes, known);
    unsigned long long bytesBefore = 0;
    for (size_t index = 0; index < paths.size() && !Stopping(); ++index) {
        {
            CHeld held(lock);
            progress.current = index;
            progress.bytesDone = bytesBefore;
        }
        CheckedFile file = CheckOne(index, bytesBefore);
        if (file.result == Result::Pending)
            break;
        file.size = sizes[index];
        file.sizeKnown = known[index] && file.result != Result::Missing;
        bytesBefore += sizes[index];
        Hand(std::move(file));
    }
    SetBytesDone(bytesBefore);
    End();
}

namespace {

// The thread's own share of the state; it goes when the thread ends. Nothing thrown leaves.
DWORD WINAPI RunCheckThread(void* parameter)
{
    std::shared_ptr<CListCheckJob::CShared>* shared = static_cast<std::shared_ptr<CListCheckJob::CShared>*>(parameter);
    try {
        (*shared)->Run();
    } catch (...) {
        (*shared)->End();
    }
    delete shared;
    return 0;
}

}

CListCheckJob::CListCheckJob() = default;

// A worker still inside a read that hangs runs on with its own share of the state.
CListCheckJob::~CListCheckJob()
{
    Stop();
    WaitForEnd(StopWaitMs);
}

bool CListCheckJob::Start(const std::wstring& listPath, HWND window, UINT notice, WPARAM jobNumber)
{
    if (m_shared)
        return false;
    std::shared_ptr<CShared> shared = std::make_shared<CShared>();
    shared->listPath = listPath;
    shared->window = window;
    shared->notice = notice;
    shared->number = jobNumber;
    std::shared_ptr<CShared>* threadShare = new std::shared_ptr<CShared>(shared);
    if (!m_thread.Start(RunCheckThread, threadShare)) {
        delete threadShare;
        return false;
    }
    m_shared = shared;
    return true;
}

void CListCheckJob::Stop()
{
    if (m_shared)
        InterlockedExchange(&m_shared->stop, 1);
}

bool CListCheckJob::WaitForEnd(DWORD timeoutMs)
{
    return m_thread.Join(timeoutMs);
}

std::vector<CheckedFile> CListCheckJob::TakeResults(bool& ended)
{
    std::vector<CheckedFile> taken;
    ended = true;
    if (!m_shared)
        return taken;
    CHeld held(m_shared->lock);
    ended = m_shared->progress.ended;
    m_shared->noticePending = false;
    taken.swap(m_shared->waiting);
    return taken;
}

ListState CListCheckJob::TakeList(std::vector<ListEntry>& entries, size_t& otherLines)
{
    if (!m_shared)
        return ListState::Unreadable;
    CHeld held(m_shared->lock);
    if (m_shared->listState == ListState::Read && !m_shared->listHanded) {
        m_shared->listHanded = true;
        entries.swap(m_shared->listed);
        otherLines = m_shared->otherLines;
    }
    return m_shared->listState;
}

CheckProgress CListCheckJob::Progress() const
{
    if (!m_shared)
        return CheckProgress();
    CHeld held(m_shared->lock);
    return m_shared->progress;
}

}
