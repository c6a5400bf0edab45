#ifndef VESTIGON_TESTS_PROFILE_TEST_SUPPORT_H
#define VESTIGON_TESTS_PROFILE_TEST_SUPPORT_H

#include <memory>
#include <string>

namespace profiletest {

// Profile buffers are the caller's, released with delete[].
struct CArrayDelete
{
    void operator()(wchar_t* buffer) const { delete[] buffer; }
};
using CProfileText = std::unique_ptr<wchar_t[], CArrayDelete>;

// Text of a buffer returned by the profile helpers; "<null>" when there was none.
std::wstring Take(wchar_t* buffer);

// The bytes of a profile file as the program ships it: a UTF-16LE byte-order mark and the text.
std::string Utf16Profile(const std::wstring& text);

// The text of a UTF-16LE profile file without its byte-order mark; empty when unreadable.
std::wstring ReadUtf16Profile(const std::wstring& path);

// All key=value lines of a section as the platform reads them, one per line.
std::wstring SectionLines(const std::wstring& file, const wchar_t* section);

}

#endif
