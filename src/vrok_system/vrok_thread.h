#ifndef VROK_SYSTEM_THREAD_H
#define VROK_SYSTEM_THREAD_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace system { namespace thread {

// A thread started with CreateThread and the one owner of its handle. The owner never ends the
// thread: it waits for it (Join) or lets it run on when its handle closes, so whatever the
// thread uses must outlive it (or be shared with it) when the owner goes without joining.
class CThread : public data::type::kernelobject::CKernelObject<HANDLE>
{
public:
    typedef DWORD(WINAPI* CStartRoutine)(void* argument);

    CThread() = default;
    ~CThread();

    // CreateThread; false when a thread is already held or none could be started.
    bool Start(CStartRoutine routine, void* argument);

    // WaitForSingleObject for at most `timeoutMs` (INFINITE allowed); true when the thread has
    // ended (or none is held). The handle stays held either way.
    bool Join(DWORD timeoutMs) const;

    // CloseHandle; a thread still running runs on by itself.
    bool Close() override;
};

// A kernel event (CreateEventW) and the one owner of its handle.
class CEvent : public data::type::kernelobject::CKernelObject<HANDLE>
{
public:
    explicit CEvent(bool manualReset = true);
    ~CEvent();

    void Set() const { SetEvent(m_handle); }
    bool IsSet() const { return WaitForSingleObject(m_handle, 0) == WAIT_OBJECT_0; }
    bool Close() override;
};

// A kernel semaphore (CreateSemaphoreW) and the one owner of its handle.
class CSemaphore : public data::type::kernelobject::CKernelObject<HANDLE>
{
public:
    CSemaphore(long initialCount, long maximumCount);
    ~CSemaphore();

    void Release(long count = 1) const { ReleaseSemaphore(m_handle, count, nullptr); }
    // Takes one unit, waiting at most `timeoutMs`; false when the time ran out.
    bool Acquire(DWORD timeoutMs) const { return WaitForSingleObject(m_handle, timeoutMs) == WAIT_OBJECT_0; }
    bool Close() override;
};

}}}

#endif
