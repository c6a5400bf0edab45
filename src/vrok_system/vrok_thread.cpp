#include "vrok_system/vrok_thread.h"

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

CEvent::CEvent(bool manualReset) : m_handle(CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr))
{
}

CSemaphore::CSemaphore(long initialCount, long maximumCount)
    : m_handle(CreateSemaphoreW(nullptr, initialCount, maximumCount, nullptr))
{
}

}}}
