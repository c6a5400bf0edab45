#ifndef VROK_PERSISTENCE_FILEVIEWS_H
#define VROK_PERSISTENCE_FILEVIEWS_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace persistence { namespace file {

// File mappings: none is a null handle, as CreateFileMappingW reports a failure.
struct CMappingHandleTraits
{
    typedef HANDLE Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle handle) { return CloseHandle(handle); }
};

typedef data::type::kernelobject::CUniqueHandle<CMappingHandleTraits> CMappingHandle;

// An open file read through read-only views of it, one at a time, so that its bytes are read
// where the system keeps them rather than copied out first. A read error inside a view (a disk
// removed, a share lost, a bad sector) reaches the reading thread as an exception, where ReadFile
// would have returned an error: a handler of the program's own takes it for a view made here,
// puts zero-filled memory where the view was, so that the interrupted read ends harmlessly, and
// marks the view failed, which its reader asks once done with it.
class CFileViews
{
public:
    // Views start at multiples of this many bytes.
    static const unsigned long Granularity = 64u << 10;

    CFileViews() : m_view(nullptr), m_guard(-1) {}
    ~CFileViews() { Release(); }
    CFileViews(const CFileViews&) = delete;
    CFileViews& operator=(const CFileViews&) = delete;

    // False when the file cannot be mapped (an empty file, or one the system will not map):
    // it is then to be read otherwise.
    bool Open(HANDLE file);
    // The bytes from `offset` (a multiple of Granularity) on, `bytes` of them, all within the
    // file; null when the view cannot be had (no room left in the address space, say). The
    // previous view goes.
    const unsigned char* View(unsigned long long offset, size_t bytes);
    // Whether a read error hit the current view: its bytes are then zeros, not the file's.
    bool Failed() const;

private:
    void Release();

    CMappingHandle m_mapping;
    // The view and its place among the guarded ones; owned here, released by Release.
    void* m_view;
    int m_guard;
};

}}}

#endif
