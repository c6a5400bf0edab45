#include "vrok_system/vrok_thread.h"

namespace vrok { namespace system { namespace thread {

namespace {

bool CloseHeld(HANDLE& handle)
{
    if (handle == nullptr)
        return false;
    const BOOL closed = CloseHandle(handle);
    handle = nullptr;
    return closed == 1;
}

}

CThread::~CThread()
{
    Close();
}

bool CThread::Start(CStartRoutine routine, void* argument)
{
    if (m_handle != nullptr)
        return false;
    m_handle = CreateThread(nullptr, 0, routine, argument, 0, nullptr);
    return m_handle != nullptr;
}

bool CThread::Join(DWORD timeoutMs) const
{
    return m_handle == nullptr || WaitForSingleObject(m_handle, timeoutMs) == WAIT_OBJECT_0;
}

bool CThread::Close()
{
    return CloseHeld(m_handle);
}

CEvent::CEvent(bool manualReset)
{
    m_handle = CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr);
}

CEvent::~CEvent()
{
    Close();
}

bool CEvent::Close()
{
    return CloseHeld(m_handle);
}

CSemaphore::CSemaphore(long initialCount, long maximumCount)
{
    m_handle = CreateSemaphoreW(nullptr, initialCount, maximumCount, nullptr);
}

CSemaphore::~CSemaphore()
{
    Close();
}

bool CSemaphore::Close()
{
    return CloseHeld(m_handle);
}

}}}
