#ifndef VESTIGON_TESTS_DIGIT_PATTERNS_H
#define VESTIGON_TESTS_DIGIT_PATTERNS_H

#include <string>

// Digests of any length for the tables: 0-9a-f over and over, so that a digest read tells how
// many digits it has and that none was lost or moved.
inline std::string Digits(size_t count)
{
    std::string digits;
    while (digits.size() < count)
        digits += "0123456789abcdef";
    return digits.substr(0, count);
}

inline std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// A digest as the tables write it: its count of digits when it is Digits(count), else itself.
inline std::string CountOrDigits(const std::wstring& digest)
{
    const std::string digits(digest.begin(), digest.end());
    return digits == Digits(digest.size()) ? std::to_string(digest.size()) : digits;
}

// The digits in upper case in groups, as gpg and web pages write them.
inline std::string Grouped(const std::string& digits, size_t size, const std::string& separator = " ")
{
    std::string grouped;
    for (size_t at = 0; at < digits.size(); at += size)
        grouped += (at == 0 ? "" : separator) + UpperCase(digits.substr(at, size));
    return grouped;
}

#endif
