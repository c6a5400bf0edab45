#include "vrok_data/vrok_utf8.h"

#include <windows.h>

#include <climits>

namespace vrok { namespace data { namespace type { namespace string {

std::wstring WideFromUtf8(const std::string& utf8)
{
    if (utf8.empty() || utf8.size() > static_cast<size_t>(INT_MAX))
        return std::wstring();
    const int bytes = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, &wide[0], length);
    return wide;
}

std::string Utf8FromWide(const std::wstring& text)
{
    if (text.empty() || text.size() > static_cast<size_t>(INT_MAX))
        return std::string();
    const int units = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), units, &bytes[0], length, nullptr, nullptr);
    return bytes;
}

}}}}
