#ifndef VROK_SYSTEM_THREAD_H
#define VROK_SYSTEM_THREAD_H

#include "vrok_data/vrok_kernelhandle.h"

#include <windows.h>

#include <functional>

namespace vrok { namespace system { namespace thread {

// A thread started with CreateThread and the one owner of its handle. The owner never ends the
// thread and never lets it run on alone: its destructor waits for it, so that whatever the
// thread uses may live in the owner's scope.
class CThread
{
public:
    typedef DWORD(WINAPI* CStartRoutine)(void* argument);

    CThread() = default;
    ~CThread() { Join(INFINITE); }
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // CreateThread; false when a thread is already held or none could be started.
    bool Start(CStartRoutine routine, void* argument);

    // WaitForSingleObject for at most `timeoutMs` (INFINITE allowed); true when the thread has
    // ended (or none is held).
    bool Join(DWORD timeoutMs) const;
    bool IsNull() const { return !m_handle.IsValid(); }

private:
    data::type::kernelobject::CKernelHandle m_handle;
};

// The number of processors the system schedules threads on (at least 1).
unsigned ProcessorCount();

// Runs `work(slot)` for slot 0 to count - 1 at once, slot 0 on the calling thread and the others
// on threads of their own, and returns when every one has returned. A thread that cannot be
// started leaves its slot out: work shared through a common counter is then done by the others.
// What `work` throws on another thread is caught there and ends only that slot.
void RunOnThreads(unsigned count, const std::function<void(unsigned slot)>& work);

}}}

#endif
