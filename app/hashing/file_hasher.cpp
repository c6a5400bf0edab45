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
using vrok::system::thread::CSemaphore;
using vrok::system::thread::CThread;

namespace hashing {

namespace {

// A few large buffers: one being hashed, the others being filled meanwhile. Large reads keep
// the system's read-ahead busy when the file is not in memory yet.
const DWORD BufferSize = 4u << 20;
const long BufferCount = 4;
// A file of at most this many bytes is read on the calling thread: starting a reader thread
// and its buffers would cost more than the read itself (lists of thousands of small files).
const DWORD SmallFileLimit = 256u << 10;
const DWORD SmallReadSize = 64u << 10;
// While the next buffer is still being read (a slow disk), the hasher asks this often
// whether to stop.
const DWORD StopPollMs = 20;

// A thread that reads the file from start to end into a ring of buffers, each handed to the
// hasher once filled and given back once hashed. Destroying it stops and joins the thread.
class CReadAhead
{
public:
    CReadAhead(HANDLE file, unsigned char* memory)
        : m_file(file), m_memory(memory), m_lengths(), m_failed(), m_free(BufferCount, 2 * BufferCount),
          m_filled(0, BufferCount), m_stop(false)
    {
    }
    ~CReadAhead()
    {
        m_stop = true;
        m_free.Release(BufferCount);
        m_thread.Join(INFINITE);  // it may be inside one read; the buffers must outlive it
    }
    CReadAhead(const CReadAhead&) = delete;
    CReadAhead& operator=(const CReadAhead&) = delete;

    bool Start() { return !m_free.IsNull() && !m_filled.IsNull() && m_thread.Start(&CReadAhead::Run, this); }

    // Waits for the next buffer, asking the observer between waits; false when it says stop.
    bool WaitForFilled(IHashObserver& observer)
    {
        while (!m_filled.Acquire(StopPollMs))
            if (observer.ShouldStop())
                return false;
        return true;
    }
    const unsigned char* Slot(unsigned slot) const { return m_memory + size_t(slot) * BufferSize; }
    DWORD Length(unsigned slot) const { return m_lengths[slot]; }
    bool Failed(unsigned slot) const { return m_failed[slot]; }
    void GiveBack() { m_free.Release(); }

private:
    static DWORD WINAPI Run(void* self)
    {
        static_cast<CReadAhead*>(self)->ReadToEnd();
        return 0;
    }

    // Ends after the buffer that holds the end of the file (a read of 0 bytes) or a failure.
    void ReadToEnd()
    {
        for (unsigned slot = 0;; slot = (slot + 1) % BufferCount) {
            m_free.Acquire(INFINITE);
            if (m_stop)
                return;
            DWORD got = 0;
            const BOOL read = ReadFile(m_file, m_memory + size_t(slot) * BufferSize, BufferSize, &got, nullptr);
            m_lengths[slot] = read ? got : 0;
            m_failed[slot] = !read;
            m_filled.Release();
            if (!read || got == 0)
                return;
        }
    }

    HANDLE m_file;
    unsigned char* m_memory;
    DWORD m_lengths[BufferCount];
    bool m_failed[BufferCount];
    CSemaphore m_free;
    CSemaphore m_filled;
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

// Reads to the end (a file that grew meanwhile included) in small pieces.
Outcome HashSmallFile(HANDLE file, IHashObserver& observer, std::wstring& digest)
{
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[SmallReadSize]);
    if (!buffer)
        return Outcome::ReadFailed;
    CMd5Stream md5;
    unsigned long long done = 0;
    for (DWORD got = 0;; done += got) {
        if (!ReadFile(file, buffer.get(), SmallReadSize, &got, nullptr))
            return Outcome::ReadFailed;
        if (got == 0)
            break;
        md5.Update(buffer.get(), got);
        observer.OnProgress(done + got, done + got);
    }
    md5.Finish();
    digest = FormatDigest(md5.GetDigest());
    return Outcome::Digest;
}

Outcome HashOpenFile(HANDLE file, unsigned long long size, IHashObserver& observer, std::wstring& digest)
{
    if (size <= SmallFileLimit)
        return HashSmallFile(file, observer, digest);
    std::unique_ptr<unsigned char[]> memory(new (std::nothrow) unsigned char[size_t(BufferSize) * BufferCount]);
    if (!memory)
        return Outcome::ReadFailed;
    CReadAhead reader(file, memory.get());
    if (!reader.Start())
        return Outcome::ReadFailed;
    CMd5Stream md5;
    unsigned long long done = 0;
    for (unsigned slot = 0;; slot = (slot + 1) % BufferCount) {
        if (!reader.WaitForFilled(observer))
            return Outcome::Stopped;
        if (reader.Failed(slot))
            return Outcome::ReadFailed;
        const DWORD length = reader.Length(slot);
        if (length == 0)
            break;
        md5.Update(reader.Slot(slot), length);
        reader.GiveBack();
        done += length;
        observer.OnProgress(done, done > size ? done : size);
        if (observer.ShouldStop())
            return Outcome::Stopped;
    }
    md5.Finish();
    digest = FormatDigest(md5.GetDigest());
    return Outcome::Digest;
}

}

const unsigned long long ReadAheadMemory = static_cast<unsigned long long>(BufferSize) * BufferCount;

Outcome HashFile(const std::wstring& path, IHashObserver& observer, std::wstring& digest)
{
    CFile file;
    unsigned long long size = 0;
    if (!file.OpenForReading(path.c_str(), true) || !ReadFileSize(file.GetHandle(), size))
        return Outcome::OpenFailed;
    if (size == 0)
        return Outcome::EmptyFile;
    if (observer.ShouldStop())
        return Outcome::Stopped;
    return HashOpenFile(file.GetHandle(), size, observer, digest);
}

}
