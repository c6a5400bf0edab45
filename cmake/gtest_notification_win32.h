#ifndef VESTIGON_TESTS_GTEST_NOTIFICATION_WIN32_H
#define VESTIGON_TESTS_GTEST_NOTIFICATION_WIN32_H

// GoogleTest's thread start-up signal for a compiler whose thread model has no std::mutex: the
// 32-bit build uses MinGW's win32 thread model, whose runtime needs nothing newer than Windows
// XP. Included ahead of every test source there, with GTEST_HAS_NOTIFICATION_ set.
#ifdef __cplusplus
#include <windows.h>

namespace testing { namespace internal {

class Notification
{
public:
    Notification() : m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(m_event); }
    void WaitForNotification() { WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

}}
#endif

#endif
