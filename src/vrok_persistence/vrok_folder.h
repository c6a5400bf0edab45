#ifndef VROK_PERSISTENCE_FOLDER_H
#define VROK_PERSISTENCE_FOLDER_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vrok { namespace persistence { namespace file {

struct CFolderSearchTraits
{
    typedef HANDLE Handle;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static long Release(Handle search) { return FindClose(search); }
};

// A search of a folder's entries (FindFirstFileW), ended with FindClose when the owner goes.
typedef data::type::kernelobject::CUniqueHandle<CFolderSearchTraits> CFolderSearch;

// The names of a folder's plain files (no folders), as they are spelled on disk, in the order
// the system gives them; none when the folder cannot be read. A folder of any path length.
std::vector<std::wstring> ListPlainFiles(const std::wstring& folder);

}}}

#endif
