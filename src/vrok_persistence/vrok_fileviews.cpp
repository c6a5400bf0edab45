#include "vrok_persistence/vrok_fileviews.h"

namespace vrok { namespace persistence { namespace file {

namespace {

// A view being read, as the handler sees it: the handler runs on the reading thread, in the
// middle of a read from the view, so it looks only at these words.
struct CGuard
{
    volatile LONG taken;
    char* volatile base;
    volatile SIZE_T bytes;
    // Set by the handler once the view's place holds zeros instead.
    volatile LONG zeroed;
};

// Views read at once: a list checks one file per processor; more views than this are refused.
const int GuardCount = 64;
CGuard guards[GuardCount];

CGuard* GuardHolding(ULONG_PTR address)
{
    for (CGuard& guard : guards) {
        const ULONG_PTR base = reinterpret_cast<ULONG_PTR>(guard.base);
        if (base != 0 && address >= base && address - base < guard.bytes)
            return &guard;
    }
    return nullptr;
}

// An in-page error in a guarded view: the view is replaced by as many zero-filled bytes at the
// same place, and the read that failed is run again on them. Anything else goes on to the other
// handlers (and ends the program, as it did before).
LONG CALLBACK TakeReadErrorInView(EXCEPTION_POINTERS* pointers)
{
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    if (record.ExceptionCode != EXCEPTION_IN_PAGE_ERROR || record.NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    CGuard* guard = GuardHolding(record.ExceptionInformation[1]);
    if (guard == nullptr || guard->zeroed)
        return EXCEPTION_CONTINUE_SEARCH;
    char* base = guard->base;
    if (!UnmapViewOfFile(base) || VirtualAlloc(base, guard->bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY) != base)
        return EXCEPTION_CONTINUE_SEARCH;
    guard->zeroed = 1;
    return EXCEPTION_CONTINUE_EXECUTION;
}

// Installed before any thread can read a view, and for the whole run.
const PVOID handlerAtStart = AddVectoredExceptionHandler(1, TakeReadErrorInView);

int TakeGuard(void* view, SIZE_T bytes)
{
    for (int index = 0; index < GuardCount; ++index) {
        CGuard& guard = guards[index];
        if (InterlockedCompareExchange(&guard.taken, 1, 0) != 0)
            continue;
        guard.zeroed = 0;
        guard.bytes = bytes;
        guard.base = static_cast<char*>(view);
        return index;
    }
    return -1;
}

}

bool CFileViews::Open(HANDLE file)
{
    Release();
    m_mapping.Reset(CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
    return handlerAtStart != nullptr && m_mapping.IsValid();
}

const unsigned char* CFileViews::View(unsigned long long offset, size_t bytes)
{
    Release();
    if (!m_mapping.IsValid() || offset % Granularity != 0)
        return nullptr;
    void* view = MapViewOfFile(m_mapping.Get(), FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                               static_cast<DWORD>(offset), bytes);
    if (view == nullptr)
        return nullptr;
    m_guard = TakeGuard(view, bytes);
    if (m_guard < 0) {
        UnmapViewOfFile(view);
        return nullptr;
    }
    m_view = view;
    return static_cast<const unsigned char*>(view);
}

bool CFileViews::Failed() const
{
    return m_guard >= 0 && guards[m_guard].zeroed != 0;
}

void CFileViews::Release()
{
    if (m_view == nullptr)
        return;
    CGuard& guard = guards[m_guard];
    guard.base = nullptr;
    if (guard.zeroed)
        VirtualFree(m_view, 0, MEM_RELEASE);
    else
        UnmapViewOfFile(m_view);
    InterlockedExchange(&guard.taken, 0);
    m_view = nullptr;
    m_guard = -1;
}

}}}
