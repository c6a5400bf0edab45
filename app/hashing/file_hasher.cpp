#include "hashing/file_hasher.h"

#include "vrok_business/vrok_md5stream.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_system/vrok_thread.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <new>

using vrok::business::md5::CMd5Stream;
using vrok::persistence::file::CFile;
using vrok::system::thread::CThread;

namespace hashing {

namespace {

// The hasher reads pieces small enough to be hashed while the read has just left them in the
// processor's cache. Large buffers filled by a reader thread and hashed on this one measured a
// tenth slower: the hasher then fetched every byte from the other core.
const DWORD PieceSize = 256u << 10;
// A file larger than ReadAheadDistance gets a second thread that reads ahead of the hasher, at
// most that far, with large reads: a file not yet in memory then comes from the disk while the
// hasher works, and the hasher's own reads find it in the system's cache. Reads of 8 MiB kept a
// cold file coming faster than reads of 1 MiB did.
const unsigned long long ReadAheadDistance = 64u << 20;
const DWORD ReadAheadPiece = 8u << 20;
// How long the read-ahead naps once it is far enough ahead. Napping costs the hasher nothing;
// a semaphore it had to release for every few MiB hashed cost it 3 % under Wine.
const DWORD ReadAheadNapMs = 1;

// Reads the file through a handle of its own into a scratch buffer, never further than
// ReadAheadDistance beyond what the hasher has hashed. Destroying it stops and joins the thread.
class CReadAhead
{
public:
    CReadAhead() : m_hashed(0), m_stop(false) {}
    ~CReadAhead()
    {
        m_stop = true;
        m_thread.Join(INFINITE);  // it may be inside one read; the scratch buffer must outlive it
    }
    CReadAhead(const CReadAhead&) = delete;
    CReadAhead& operator=(const CReadAhead&) = delete;

    // False when it cannot run (the file cannot be opened a second time, no memory): the
    // hasher then reads without it, at the pace of the system's own read-ahead.
    bool Start(const std::wstring& path)
    {
        m_scratch.reset(new (std::nothrow) unsigned char[ReadAheadPiece]);
        return m_scratch && m_file.OpenForReading(path.c_str(), true) && m_thread.Start(&CReadAhead::Run, this);
    }

    void Hashed(unsigned long long bytesDone) { m_hashed.store(bytesDone, std::memory_order_relaxed); }

private:
    static DWORD WINAPI Run(void* self)
    {
        static_cast<CReadAhead*>(self)->ReadToEnd();
        return 0;
    }

    // Ends at the end of the file or a failed read: the hasher's own read reports the failure.
    void ReadToEnd()
    {
        for (unsigned long long read = 0;;) {
            while (!m_stop && read > m_hashed.load(std::memory_order_relaxed) + ReadAheadDistance)
                Sleep(ReadAheadNapMs);
            DWORD got = 0;
            if (m_stop || !ReadFile(m_file.GetHandle(), m_scratch.get(), ReadAheadPiece, &got, nullptr) || got == 0)
                return;
            read += got;
        }
    }

    CFile m_file;
    std::unique_ptr<unsigned char[]> m_scratch;
    std::atomic<unsigned long long> m_hashed;
    std::atomic<bool> m_stop;
    CThread m_thread;
};

bool ReadFileSize(HANDLE file, unsigned long long& size)
{
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file, &value))
        return false;
    size = static_cast<unsigned long long>(value.QuadPart);
    return true;
}

std::wstring FormatDigest(const unsigned char* bytes)
{
    static const wchar_t Hex[] = L"0123456789abcdef";
    std::wstring text(32, L'0');
    for (int i = 0; i < 16; ++i) {
        text[2 * i] = Hex[bytes[i] >> 4];
        text[2 * i + 1] = Hex[bytes[i] & 15];
    }
    return text;
}

// None for a file that the system's own read-ahead serves well enough, or when it cannot start.
std::unique_ptr<CReadAhead> StartReadAhead(const std::wstring& path, unsigned long long size)
{
    std::unique_ptr<CReadAhead> readAhead;
    if (size > ReadAheadDistance)
        readAhead.reset(new (std::nothrow) CReadAhead);
    if (readAhead && !readAhead->Start(path))
        readAhead.reset();
    return readAhead;
}

// Reads to the end, a file that grew meanwhile included.
Outcome HashOpenFile(const std::wstring& path, HANDLE file, unsigned long long size, IHashObserver& observer,
                     std::wstring& digest)
{
    std::unique_ptr<unsigned char[]> piece(new (std::nothrow) unsigned char[PieceSize]);
    if (!piece)
        return Outcome::ReadFailed;
    const std::unique_ptr<CReadAhead> readAhead = StartReadAhead(path, size);
    CMd5Stream md5;
    unsigned long long done = 0;
    for (DWORD got = 0;;) {
        if (!ReadFile(file, piece.get(), PieceSize, &got, nullptr))
            return Outcome::ReadFailed;
        if (got == 0)
            break;
        md5.Update(piece.get(), got);
        done += got;
        if (readAhead)
            readAhead->Hashed(done);
        observer.OnProgress(done, done > size ? done : size);
        if (observer.ShouldStop())
            return Outcome::Stopped;
    }
    md5.Finish();
    digest = FormatDigest(md5.GetDigest());
    return Outcome::Digest;
}

}

Outcome HashFile(const std::wstring& path, IHashObserver& observer, std::wstring& digest)
{
    CFile file;
    unsigned long long size = 0;
    if (!file.OpenForReading(path.c_str(), true) || !ReadFileSize(file.GetHandle(), size))
        return Outcome::OpenFailed;
    if (observer.ShouldStop())
        return Outcome::Stopped;
    return HashOpenFile(path, file.GetHandle(), size, observer, digest);
}

}
