#ifndef VROK_PERSISTENCE_FILE_H
#define VROK_PERSISTENCE_FILE_H

#include "vrok_data/vrok_kernelobject.h"

#include <string>

namespace vrok { namespace persistence { namespace file {

// An open file and the path it was opened with. The file is closed by the destructor and is
// never removed from the disk.
class CFile : public data::type::kernelobject::CKernelObject<void*>
{
public:
    CFile() = default;
    ~CFile();

    // CreateFileW for reading, others allowed to read only; false when the file cannot be opened.
    // Every file this program reads is opened here. `sequential` tells the system that the file
    // will be read once from start to end, so it reads ahead further.
    bool OpenForReading(const wchar_t* path, bool sequential = false);

    // CloseHandle; the path is forgotten with the handle.
    bool Close() override;

    const std::wstring& GetPath() const { return m_path; }

private:
    std::wstring m_path;
};

// A file opened for reading with a read-only mapping object over its whole length. The base's
// handle is the mapping object; the file handle belongs to the embedded CFile.
class CVirtualFile : public data::type::kernelobject::CKernelObject<void*>
{
public:
    // The only way this program opens files; 1 and 2 would allow views mapped for writing.
    static const int ReadOnlyMode = 0;

    CVirtualFile();
    ~CVirtualFile();

    // Opens the file and makes the mapping object. False when the file cannot be opened (missing,
    // denied, held open for writing elsewhere), when it is empty (nothing can be mapped over zero
    // bytes) or when the object already holds a file.
    bool Open(const wchar_t* path);

    // CloseHandle of the mapping object; the recorded size becomes 0, the file stays open.
    bool Close() override;

    unsigned long long GetSize() const { return m_size; }
    int GetMode() const { return m_mode; }
    void* GetMappingHandle() const { return m_handle; }
    const CFile& GetFile() const { return m_file; }

private:
    unsigned long long ReadSize() const;

    unsigned long long m_size;
    int m_mode;
    CFile m_file;
};

}}}

#endif
