#ifndef VROK_SYSTEM_LOCK_H
#define VROK_SYSTEM_LOCK_H

#include <windows.h>

namespace vrok { namespace system { namespace thread {

// A critical section (InitializeCriticalSection), held by one thread at a time.
class CLock
{
public:
    CLock() { InitializeCriticalSection(&m_section); }
    ~CLock() { DeleteCriticalSection(&m_section); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;

    void Enter() { EnterCriticalSection(&m_section); }
    void Leave() { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

// Holds a lock for as long as it lives.
class CLockHolder
{
public:
    explicit CLockHolder(CLock& lock) : m_lock(lock) { m_lock.Enter(); }
    ~CLockHolder() { m_lock.Leave(); }
    CLockHolder(const CLockHolder&) = delete;
    CLockHolder& operator=(const CLockHolder&) = delete;

private:
    CLock& m_lock;
};

}}}

#endif
