#include "vrok_system/vrok_semaphore.h"

namespace vrok { namespace system { namespace thread {

CSemaphore::CSemaphore(LONG initial) : m_count(initial)
{
    m_sleepers.Reset(CreateSemaphoreW(nullptr, 0, 0x7fffffff, nullptr));
}

void CSemaphore::Take()
{
    if (InterlockedDecrement(&m_count) < 0)
        WaitForSingleObject(m_sleepers.Get(), INFINITE);
}

void CSemaphore::Give()
{
    if (InterlockedIncrement(&m_count) <= 0)
        ReleaseSemaphore(m_sleepers.Get(), 1, nullptr);
}

}}}
