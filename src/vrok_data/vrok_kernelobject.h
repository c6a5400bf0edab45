#ifndef VROK_DATA_KERNELOBJECT_H
#define VROK_DATA_KERNELOBJECT_H

namespace vrok { namespace data { namespace type { namespace kernelobject {

// The one base of every owner of a platform handle. T is the handle type; a null handle means
// nothing is held. Close() releases the handle: false when nothing was held, otherwise the
// handle becomes null whatever the release call said, and the result is true only when the
// call returned exactly 1. Derived destructors release their handle directly.
//
// Handle owners are never copied or moved, so a handle can only be released once.
template <typename T>
class CKernelObject
{
public:
    CKernelObject() : m_handle(nullptr) {}
    CKernelObject(const CKernelObject&) = delete;
    CKernelObject& operator=(const CKernelObject&) = delete;

    virtual bool Close() = 0;

    T GetHandle() const { return m_handle; }
    bool IsNull() const { return m_handle == nullptr; }

protected:
    ~CKernelObject() = default;

    T m_handle;
};

}}}}

#endif
