#include "hashing/read_ahead.h"

#include <windows.h>

#include <new>

namespace hashing {

namespace {

// How long the read-ahead naps once it is far enough ahead: napping asks nothing of the hasher,
// which a semaphore released for every few MiB hashed would.
const DWORD NapMs = 1;

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
        DWORD got = 0;
        if (m_stop || !ReadFile(m_file.GetHandle(), m_scratch.get(), PieceBytes, &got, nullptr) || got == 0)
            return;
        read += got;
    }
}

}
