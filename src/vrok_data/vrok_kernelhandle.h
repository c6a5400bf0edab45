#ifndef VROK_DATA_KERNELHANDLE_H
#define VROK_DATA_KERNELHANDLE_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace data { namespace type { namespace kernelobject {

// Kernel objects (mappings, threads, events, semaphores): none is null, CloseHandle lets them go.
struct CKernelHandleTraits
{
    typedef HANDLE Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle handle) { return CloseHandle(handle); }
};

typedef CUniqueHandle<CKernelHandleTraits> CKernelHandle;

}}}}

#endif
