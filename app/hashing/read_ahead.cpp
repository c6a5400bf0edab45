#include "hashing/read_ahead.h"

#include <windows.h>

#include <new>

namespace hashing {

namespace {

// How long the read-ahead naps once it is far enough ahead: napping asks nothing of the hasher,
// which a semaphore released for every few MiB hashed would.
const DWORD NapMs = 1;

// A piece read faster than any disk delivers it was in memory already (a file just copied or
// hashed before). Then the next piece is only probed, by reading its first bytes: when they come
// as fast, the piece is left to the hasher, whose reads find it without a second copy. A cold
// file is read straight on, piece after piece, with no probe and no seek.
const DWORD ProbeBytes = 64u << 10;
const double InMemoryBytesPerSecond = 2e9;

bool ReadAt(HANDLE file, unsigned long long offset, unsigned char* buffer, DWORD bytes, DWORD& got)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    got = 0;
    return ReadFile(file, buffer, bytes, &got, &at) != FALSE;
}

}

// Reads `bytes` at `offset`; `fromMemory` tells whether all of them came as fast as memory.
bool CReadAhead::ReadTimed(unsigned long long offset, DWORD bytes, DWORD& got, bool& fromMemory)
{
    LARGE_INTEGER frequency, start, end;
    fromMemory = false;
    const bool timed = QueryPerformanceFrequency(&frequency) && QueryPerformanceCounter(&start);
    if (!ReadAt(m_file.GetHandle(), offset, m_scratch.get(), bytes, got))
        return false;
    if (timed && got == bytes && QueryPerformanceCounter(&end)) {
        const double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        fromMemory = bytes > InMemoryBytesPerSecond * seconds;
    }
    return true;
}

// The thread may be inside one read: the scratch buffer must outlive it.
CReadAhead::~CReadAhead()
{
    m_stop = true;
    m_thread.Join(INFINITE);
}

std::unique_ptr<CReadAhead> CReadAhead::StartFor(const std::wstring& path, unsigned long long size)
{
    std::unique_ptr<CReadAhead> readAhead;
    if (size > Distance)
        readAhead.reset(new (std::nothrow) CReadAhead);
    if (readAhead && !readAhead->Start(path))
        readAhead.reset();
    return readAhead;
}

bool CReadAhead::Start(const std::wstring& path)
{
    m_scratch.reset(new (std::nothrow) unsigned char[PieceBytes]);
    return m_scratch && m_file.OpenForReading(path.c_str(), true) && m_thread.Start(&CReadAhead::Run, this);
}

DWORD WINAPI CReadAhead::Run(void* self)
{
    static_cast<CReadAhead*>(self)->ReadToEnd();
    return 0;
}

// Ends at the end of the file or a failed read: the hasher's own read reports the failure.
void CReadAhead::ReadToEnd()
{
    bool lastInMemory = false;
    for (unsigned long long read = 0;;) {
        while (!m_stop && read > m_hashed.load(std::memory_order_relaxed) + Distance)
            Sleep(NapMs);
        if (m_stop)
            return;
        DWORD got = 0;
        if (lastInMemory) {
            if (!ReadTimed(read, ProbeBytes, got, lastInMemory) || got == 0)
                return;
            if (lastInMemory) {
                read += PieceBytes;
                continue;
            }
        }
        if (!ReadTimed(read, PieceBytes, got, lastInMemory) || got == 0)
            return;
        read += got;
    }
}

}
