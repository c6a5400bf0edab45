#ifndef VROK_DATA_ENTERED_H
#define VROK_DATA_ENTERED_H

namespace vrok { namespace data { namespace type { namespace kernelobject {

// A state of the platform entered for as long as the object lives (the clipboard opened, COM's
// apartment joined): left again by the call given when the object goes, and only when it was
// entered.
template <typename Leave>
class CEntered
{
public:
    CEntered(bool entered, Leave leave) : m_entered(entered), m_leave(leave) {}
    ~CEntered()
    {
        if (m_entered)
            m_leave();
    }
    CEntered(const CEntered&) = delete;
    CEntered& operator=(const CEntered&) = delete;

    bool IsEntered() const { return m_entered; }

private:
    bool m_entered;
    Leave m_leave;
};

}}}}

#endif
