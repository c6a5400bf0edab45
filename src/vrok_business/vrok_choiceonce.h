#ifndef VROK_BUSINESS_CHOICEONCE_H
#define VROK_BUSINESS_CHOICEONCE_H

#include <windows.h>

#include <atomic>
#include <cstddef>

namespace vrok { namespace business { namespace digest {

// A choice made once, by the first thread that needs it, without a lock object (none that
// Windows XP has can be made ready before the first thread runs): that thread claims the choice
// and makes it; threads that ask meanwhile nap until it is there. Constant-initialized, so a
// choice held in a global is ready before any code runs.
class CChoiceOnce
{
public:
    constexpr CChoiceOnce() : m_choice(Unmade) {}
    CChoiceOnce(const CChoiceOnce&) = delete;
    CChoiceOnce& operator=(const CChoiceOnce&) = delete;

    template <typename Make>
    size_t Get(Make make)
    {
        long choice = m_choice.load(std::memory_order_acquire);
        if (choice >= 0)
            return static_cast<size_t>(choice);
        long unmade = Unmade;
        if (m_choice.compare_exchange_strong(unmade, Making, std::memory_order_acquire)) {
            choice = static_cast<long>(make());
            m_choice.store(choice, std::memory_order_release);
            return static_cast<size_t>(choice);
        }
        // The making thread may run at a lower priority: a nap of a tick lets it finish.
        while ((choice = m_choice.load(std::memory_order_acquire)) < 0)
            Sleep(1);
        return static_cast<size_t>(choice);
    }

private:
    static const long Unmade = -1;
    static const long Making = -2;

    std::atomic<long> m_choice;
};

}}}

#endif
