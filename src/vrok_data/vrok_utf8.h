#ifndef VROK_DATA_UTF8_H
#define VROK_DATA_UTF8_H

#include <string>

namespace vrok { namespace data { namespace type { namespace string {

// UTF-8 bytes (keys' user ids, what a console or a checksum file receives) as the system's
// UTF-16 text and back. A sequence that is no UTF-8 becomes U+FFFD; a text of more than 2^31
// units comes back empty.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& text);

}}}}

#endif
