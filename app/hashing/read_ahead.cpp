#include "hashing/read_ahead.h"

#include <windows.h>

#include <new>

namespace hashing {

namespace {

// How long the read-ahead naps once it is far enough ahead: napping asks nothing of the hasher,
// which a semaphore released for every few MiB hashed would.
const DWORD NapMs = 1;

// Before each piece, the read-ahead reads the piece's last bytes: when they come faster than
// any disk delivers them, the piece is taken to be in memory already (a file just copied or
// hashed before) and is left to the hasher, whose reads then find it without a second copy.
// A slow probe, or one that cannot be timed, reads the whole piece as before. The probe is at
// the piece's end, where the system's own read-ahead behind the previous piece does not reach.
const DWORD ProbeBytes = 64u << 10;
const unsigned long long InMemoryBytesPerSecond = 2000000000ull;

bool ReadAt(HANDLE file, unsigned long long offset, unsigned char* buffer, DWORD bytes, DWORD& got)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    got = 0;
    return ReadFile(file, buffer, bytes, &got, &at) != FALSE;
}

}

// True when the probe at the end of the piece at `offset` came as fast as memory.
bool CReadAhead::PieceIsInMemory(unsigned long long offset)
{
    LARGE_INTEGER frequency, start, end;
    if (!QueryPerformanceFrequency(&frequency) || !QueryPerformanceCounter(&start))
        return false;
    DWORD got = 0;
    if (!ReadAt(m_file.GetHandle(), offset + PieceBytes - ProbeBytes, m_scratch.get(), ProbeBytes, got) ||
        got != ProbeBytes || !QueryPerformanceCounter(&end))
        return false;
    const unsigned long long ticks = static_cast<unsigned long long>(end.QuadPart - start.QuadPart);
    return ticks * InMemoryBytesPerSecond < static_cast<unsigned long long>(frequency.QuadPart) * ProbeBytes;
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
    for (unsigned long long read = 0;;) {
        while (!m_stop && read > m_hashed.load(std::memory_order_relaxed) + Distance)
            Sleep(NapMs);
        if (m_stop)
            return;
        if (PieceIsInMemory(read)) {
            read += PieceBytes;
            continue;
        }
        DWORD got = 0;
        if (!ReadAt(m_file.GetHandle(), read, m_scratch.get(), PieceBytes, got) || got == 0)
            return;
        read += got;
    }
}

}
