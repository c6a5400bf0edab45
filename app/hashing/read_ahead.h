#ifndef VESTIGON_READ_AHEAD_H
#define VESTIGON_READ_AHEAD_H

#include "vrok_persistence/vrok_file.h"
#include "vrok_system/vrok_thread.h"

#include <atomic>
#include <memory>
#include <string>

namespace hashing {

// A second thread that reads a file of more than Distance ahead of its hasher, at most Distance
// ahead, in large reads through a handle of its own: a file not yet in memory then comes from
// the disk while the hasher works, and the hasher's own reads find it in the system's cache.
// Destroying it stops and joins the thread.
class CReadAhead
{
public:
    static const unsigned long long Distance = 64u << 20;
    static const unsigned long PieceBytes = 8u << 20;

    CReadAhead() : m_hashed(0), m_stop(false) {}
    ~CReadAhead();
    CReadAhead(const CReadAhead&) = delete;
    CReadAhead& operator=(const CReadAhead&) = delete;

    // None for a file that the system's own read-ahead serves well enough (up to Distance), or
    // when it cannot run (the file cannot be opened a second time, no memory): the hasher then
    // reads without it.
    static std::unique_ptr<CReadAhead> StartFor(const std::wstring& path, unsigned long long size);

    void Hashed(unsigned long long bytesDone) { m_hashed.store(bytesDone, std::memory_order_relaxed); }

private:
    bool Start(const std::wstring& path);
    static unsigned long __stdcall Run(void* self);
    void ReadToEnd();
    bool ReadTimed(unsigned long long offset, unsigned long bytes, unsigned long& got, bool& fromMemory);

    vrok::persistence::file::CFile m_file;
    std::unique_ptr<unsigned char[]> m_scratch;
    std::atomic<unsigned long long> m_hashed;
    std::atomic<bool> m_stop;
    vrok::system::thread::CThread m_thread;
};

}

#endif
