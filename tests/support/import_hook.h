#ifndef VESTIGON_TESTS_IMPORT_HOOK_H
#define VESTIGON_TESTS_IMPORT_HOOK_H

#include <windows.h>

namespace testsupport {

// While it lives, calls that this test program makes to one imported system function go to a
// replacement instead, so that a test reads exactly what the program handed to the system.
// The import table entry is put back when the object goes.
class CImportHook
{
public:
    CImportHook(const char* dllName, const char* functionName, void* replacement);
    ~CImportHook();
    CImportHook(const CImportHook&) = delete;
    CImportHook& operator=(const CImportHook&) = delete;

    // The function the entry held before: the replacement calls it on. Null when not imported.
    void* Original() const { return m_original; }

private:
    void** m_entry;
    void* m_original;
};

}

#endif
