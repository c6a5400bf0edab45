#ifndef VROK_DATA_KERNELOBJECT_H
#define VROK_DATA_KERNELOBJECT_H

namespace vrok { namespace data { namespace type { namespace kernelobject {

// The one owner of a platform handle. The traits say what the handle is and how it is let go:
//     typedef ... Handle;            the handle type
//     static Handle Invalid();       the value that means "nothing held"
//     static long Release(Handle);   the release call (CloseHandle, DeleteObject, ...)
// so that each kind of handle is released in exactly one place. An owner is never copied; moved,
// the handle goes with it.
template <typename Traits>
class CUniqueHandle
{
public:
    typedef typename Traits::Handle Handle;

    CUniqueHandle() : m_handle(Traits::Invalid()) {}
    explicit CUniqueHandle(Handle handle) : m_handle(handle) {}
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    ~CUniqueHandle() { Close(); }

    // Releases the handle: false when nothing was held; otherwise nothing is held afterwards,
    // whatever the release call said, and the result is true only when it returned exactly 1.
    bool Close()
    {
        if (!IsValid())
            return false;
        const Handle handle = Detach();
        return Traits::Release(handle) == 1;
    }

    // Takes a new handle, releasing the one held before; true when the new one is valid.
    bool Reset(Handle handle)
    {
        Close();
        m_handle = handle;
        return IsValid();
    }

    // Gives the handle up without releasing it: its new owner releases it.
    Handle Detach()
    {
        const Handle handle = m_handle;
        m_handle = Traits::Invalid();
        return handle;
    }

    Handle Get() const { return m_handle; }
    bool IsValid() const { return m_handle != Traits::Invalid(); }

private:
    Handle m_handle;
};

}}}}

#endif
