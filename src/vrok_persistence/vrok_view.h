#ifndef VROK_PERSISTENCE_VIEW_H
#define VROK_PERSISTENCE_VIEW_H

#include "vrok_persistence/vrok_file.h"

#include <windows.h>

#include <cstdint>

namespace vrok { namespace persistence { namespace file {

// A window of a CVirtualFile mapped into memory (MapViewOfFile), with checked access to the
// positions inside it. The view does not own the file; it owns its window and unmaps it.
template <typename T>
class CView
{
public:
    // Thrown by Map and At when the view has no file.
    class CExceptionNoFile {};
    // Thrown by At for a position outside the mapped window.
    class CExceptionOutboundValue {};

    // A view bound to no file: Map and At throw CExceptionNoFile.
    CView() : m_file(nullptr), m_length(0), m_endReached(false) {}
    explicit CView(CVirtualFile& file) : m_file(&file), m_length(0), m_endReached(false) {}
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    // Maps `length` bytes from `offset`, a multiple of the allocation granularity. A window that
    // would pass the end of the file is shortened to it, and the end flag tells so. False when
    // the offset is at or past the end, or when the platform cannot map the window in one piece.
    bool Map(unsigned long long offset, unsigned long long length)
    {
        if (m_file == nullptr)
            throw CExceptionNoFile();
        Unmap();  // a second request replaces the window instead of losing it
        const unsigned long long size = m_file->GetSize();
        if (offset >= size) {
            m_endReached = true;
            return false;
        }
        if (length >= size - offset) {
            m_endReached = true;
            length = size - offset;
        }
        // A window longer than the address space could hold would be cut short by the size
        // type; it is refused instead, so At never hands out an address past the window.
        if (length > SIZE_MAX)
            return false;
        if (!m_view.Reset(MapViewOfFile(m_file->GetMappingHandle(), FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                                        static_cast<DWORD>(offset), static_cast<SIZE_T>(length))))
            return false;
        m_length = length;
        return true;
    }

    // The address of the byte at `position`, counted from the start of the window.
    const T* At(unsigned long long position) const
    {
        if (m_file == nullptr)
            throw CExceptionNoFile();
        if (position < m_length)
            return reinterpret_cast<const T*>(static_cast<const unsigned char*>(m_view.Get()) + position);
        throw CExceptionOutboundValue();
    }

    void Unmap()
    {
        m_view.Close();
        m_length = 0;
        m_endReached = false;
    }

    unsigned long long GetLength() const { return m_length; }
    bool IsEndReached() const { return m_endReached; }

private:
    CVirtualFile* m_file;
    CMappedView m_view;
    unsigned long long m_length;
    bool m_endReached;
};

}}}

#endif
