#ifndef VROK_PERSISTENCE_FILE_H
#define VROK_PERSISTENCE_FILE_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

#include <string>

namespace vrok { namespace persistence { namespace file {

// Open files: none is INVALID_HANDLE_VALUE, as CreateFileW reports a failure.
struct CFileHandleTraits
{
    typedef HANDLE Handle;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static long Release(Handle handle) { return CloseHandle(handle); }
};

typedef data::type::kernelobject::CUniqueHandle<CFileHandleTraits> CFileHandle;

// A file open for reading, or made anew for writing; closed when the object goes, never removed
// from the disk. Every file this program reads or writes is opened here.
class CFile
{
public:
    // CreateFileW for reading, others allowed to read only; false when the file cannot be
    // opened or the object holds one already. `sequential` tells the system that the file will
    // be read once from start to end, so it reads ahead further.
    bool OpenForReading(const wchar_t* path, bool sequential = false);
    // CreateFileW of a file that must not exist yet, for writing; nobody else may open it
    // meanwhile. False when it exists, cannot be made, or the object holds a file already.
    bool CreateNew(const wchar_t* path);
    // False when no file was open.
    bool Close() { return m_handle.Close(); }

    // The file's size in bytes; false when the system cannot tell it.
    bool ReadSize(unsigned long long& size) const;
    // Reads the whole file, when it holds at most maxBytes, from where the reading stands (its
    // start, once opened); a file that shrinks meanwhile gives what it still holds. False when
    // it is larger or a read fails.
    bool ReadAll(unsigned long long maxBytes, std::string& bytes);
    // Writes every byte and then has the system put them on the disk; false when any step fails.
    bool WriteAll(const std::string& bytes);

    // INVALID_HANDLE_VALUE while no file is open.
    HANDLE GetHandle() const { return m_handle.Get(); }
    bool IsNull() const { return !m_handle.IsValid(); }

private:
    CFileHandle m_handle;
};

}}}

#endif
