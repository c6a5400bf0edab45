#ifndef VROK_SYSTEM_THREAD_H
#define VROK_SYSTEM_THREAD_H

#include "vrok_data/vrok_kernelhandle.h"

#include <windows.h>

namespace vrok { namespace system { namespace thread {

// A thread started with CreateThread and the one owner of its handle. The owner never ends the
// thread: it waits for it (Join) or lets it run on when its handle closes, so whatever the
// thread uses must outlive it (or be shared with it) when the owner goes without joining.
class CThread
{
public:
    typedef DWORD(WINAPI* CStartRoutine)(void* argument);

    // CreateThread; false when a thread is already held or none could be started.
    bool Start(CStartRoutine routine, void* argument);

    // WaitForSingleObject for at most `timeoutMs` (INFINITE allowed); true when the thread has
    // ended (or none is held). The handle stays held either way.
    bool Join(DWORD timeoutMs) const;

    // CloseHandle; a thread still running runs on by itself.
    bool Close() { return m_handle.Close(); }
    bool IsNull() const { return !m_handle.IsValid(); }

private:
    data::type::kernelobject::CKernelHandle m_handle;
};

// A kernel event (CreateEventW) and the one owner of its handle.
class CEvent
{
public:
    explicit CEvent(bool manualReset = true);

    void Set() const { SetEvent(m_handle.Get()); }
    bool IsSet() const { return WaitForSingleObject(m_handle.Get(), 0) == WAIT_OBJECT_0; }
    bool Close() { return m_handle.Close(); }
    bool IsNull() const { return !m_handle.IsValid(); }
    HANDLE GetHandle() const { return m_handle.Get(); }

private:
    data::type::kernelobject::CKernelHandle m_handle;
};

// A kernel semaphore (CreateSemaphoreW) and the one owner of its handle.
class CSemaphore
{
public:
    CSemaphore(long initialCount, long maximumCount);

    void Release(long count = 1) const { ReleaseSemaphore(m_handle.Get(), count, nullptr); }
    // Takes one unit, waiting at most `timeoutMs`; false when the time ran out.
    bool Acquire(DWORD timeoutMs) const
    {
        return WaitForSingleObject(m_handle.Get(), timeoutMs) == WAIT_OBJECT_0;
    }
    bool Close() { return m_handle.Close(); }
    bool IsNull() const { return !m_handle.IsValid(); }

private:
    data::type::kernelobject::CKernelHandle m_handle;
};

}}}

#endif
