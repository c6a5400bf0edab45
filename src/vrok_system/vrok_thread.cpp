#include "vrok_system/vrok_thread.h"

#include <memory>
#include <new>

namespace vrok { namespace system { namespace thread {

bool CThread::Start(CStartRoutine routine, void* argument)
{
    if (m_handle.IsValid())
        return false;
    return m_handle.Reset(CreateThread(nullptr, 0, routine, argument, 0, nullptr));
}

bool CThread::Join(DWORD timeoutMs) const
{
    return !m_handle.IsValid() || WaitForSingleObject(m_handle.Get(), timeoutMs) == WAIT_OBJECT_0;
}

unsigned ProcessorCount()
{
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    return system.dwNumberOfProcessors > 0 ? system.dwNumberOfProcessors : 1;
}

namespace {

struct CSlot
{
    const std::function<void(unsigned)>* work;
    unsigned slot;
};

DWORD WINAPI RunSlot(void* argument)
{
    const CSlot* slot = static_cast<const CSlot*>(argument);
    try {
        (*slot->work)(slot->slot);
    } catch (...) {
    }
    return 0;
}

}

// The threads are joined by their owners going out of scope, after the calling thread's slot.
void RunOnThreads(unsigned count, const std::function<void(unsigned slot)>& work)
{
    if (count == 0)
        return;
    std::unique_ptr<CSlot[]> slots(new CSlot[count]);
    std::unique_ptr<CThread[]> threads(new (std::nothrow) CThread[count - 1]);
    for (unsigned slot = 1; threads && slot < count; ++slot) {
        slots[slot] = CSlot{ &work, slot };
        threads[slot - 1].Start(&RunSlot, &slots[slot]);
    }
    work(0);
}

}}}
