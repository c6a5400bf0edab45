#ifndef VROK_SYSTEM_SEMAPHORE_H
#define VROK_SYSTEM_SEMAPHORE_H

#include "vrok_data/vrok_kernelhandle.h"

#include <windows.h>

namespace vrok { namespace system { namespace thread {

// A counting semaphore that calls on the kernel only when a thread has to wait or to be woken:
// taking a count that is there, or giving one that nobody waits for, is one interlocked
// operation. Threads that hand each other work many times a second thus pay almost nothing for
// it (under Wine every kernel semaphore call is a round trip to its server).
class CSemaphore
{
public:
    explicit CSemaphore(LONG initial);
    CSemaphore(const CSemaphore&) = delete;
    CSemaphore& operator=(const CSemaphore&) = delete;

    // False when the kernel semaphore that waiting threads sleep on could not be had.
    bool IsUsable() const { return m_sleepers.IsValid(); }

    // Takes one count, waiting while there is none.
    void Take();
    // Gives one count back, waking one waiting thread if there is one.
    void Give();

private:
    // Counts left; below zero, minus the number of threads that wait or are about to.
    volatile LONG m_count;
    vrok::data::type::kernelobject::CKernelHandle m_sleepers;
};

}}}

#endif
