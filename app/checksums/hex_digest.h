#ifndef VESTIGON_HEX_DIGEST_H
#define VESTIGON_HEX_DIGEST_H

#include <string>

// Digests written as hexadecimal digits: the one test of what a digit is, for every part of the
// program that reads a digest. Only 0-9, a-f and A-F count; digits of other scripts (Arabic-Indic,
// full-width) that the C library's digit test also accepts do not.
namespace checksums {

bool IsHexDigit(wchar_t character);
bool IsLowerHexDigit(wchar_t character);

// True when the text is not empty and holds only 0-9 and a-f.
bool IsLowerHex(const std::wstring& text);

// The text in lower case when it is not empty and holds only hexadecimal digits; empty otherwise.
std::wstring LowerCaseHex(const std::wstring& text);

// How many hexadecimal digits follow one another from `start`.
size_t HexRunLength(const std::wstring& text, size_t start);

}

#endif
