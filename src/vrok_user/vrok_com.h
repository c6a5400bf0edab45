#ifndef VROK_USER_COM_H
#define VROK_USER_COM_H

#include "vrok_data/vrok_entered.h"
#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>
#include <objbase.h>

namespace vrok { namespace user { namespace com {

template <typename Interface>
struct CInterfaceTraits
{
    typedef Interface* Handle;
    static Handle Invalid() { return nullptr; }
    // What Release returns is the count of references left, not a success: any count will do.
    static long Release(Handle object)
    {
        object->Release();
        return 1;
    }
};

// One reference to a COM object's interface, released when the owner goes.
template <typename Interface>
using CInterface = data::type::kernelobject::CUniqueHandle<CInterfaceTraits<Interface>>;

// The calling thread in COM's single-threaded apartment (CoInitialize) for as long as the object
// lives; left again (CoUninitialize) only when the entry succeeded.
class CApartment final : public data::type::kernelobject::CEntered<void(WINAPI*)()>
{
public:
    CApartment() : CEntered(SUCCEEDED(CoInitialize(nullptr)), &CoUninitialize) {}
};

// CoCreateInstance of an in-process object for one of its interfaces; none when the system has
// no such object or interface.
template <typename Interface>
CInterface<Interface> CreateInProcess(const CLSID& objectClass, const IID& interfaceId)
{
    void* created = nullptr;
    if (FAILED(CoCreateInstance(objectClass, nullptr, CLSCTX_INPROC_SERVER, interfaceId, &created)))
        created = nullptr;
    return CInterface<Interface>(static_cast<Interface*>(created));
}

}}}

#endif
