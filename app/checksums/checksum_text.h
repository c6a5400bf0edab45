#ifndef VESTIGON_CHECKSUM_TEXT_H
#define VESTIGON_CHECKSUM_TEXT_H

#include <string>
#include <vector>

// Checksum files as publishers write them: one line per file, either in coreutils' form
// (`<digest>  <name>` or `<digest> *<name>`, a leading backslash when the name is escaped) or
// in BSD's form (`MD5 (<name>) = <digest>`). Only MD5 lines are taken; the rest is counted.
namespace checksums {

// One MD5 line of a list: the name unescaped as the list gives it (empty for a bare digest)
// and the digest as 32 lowercase hexadecimal digits.
struct ChecksumLine
{
    std::wstring name;
    std::wstring digest;
};

// otherLines: non-empty lines that are not MD5 checksum lines (other algorithms, comments,
// garbage). A line of blanks only counts as empty.
struct ChecksumText
{
    std::vector<ChecksumLine> lines;
    size_t otherLines = 0;
};

// Decodes the bytes (UTF-8 with or without BOM, UTF-16LE with BOM, the ANSI code page when
// they are not UTF-8) and parses coreutils and BSD lines, LF or CRLF. With acceptBareDigest a
// line holding only 32 hexadecimal digits (blanks around allowed) is a line with no name.
ChecksumText ParseChecksumBytes(const std::string& bytes, bool acceptBareDigest);

// Reads and parses a file of at most maxBytes; false when it cannot be read or is larger.
bool ReadChecksumFile(const std::wstring& path, unsigned long long maxBytes, bool acceptBareDigest,
                      ChecksumText& out);

// Reads a whole file of at most maxBytes into `bytes`; false when it cannot be opened or read,
// or is larger.
bool ReadFileBytes(const std::wstring& path, unsigned long long maxBytes, std::string& bytes);

// The full path a listed name stands for: the name's folder parts (separated by `/` or `\`,
// `.` and `..` included) taken relative to the list's folder. Empty when the name is empty,
// rooted (`/x`, `\x`, `C:x`) or climbs above the folder's root.
std::wstring ResolveListedName(const std::wstring& listFolder, const std::wstring& listedName);

// True when two paths name the same file on a file system that ignores case.
bool SamePathIgnoringCase(const std::wstring& first, const std::wstring& second);

// The 32-digit digest in lower case when the text is exactly 32 hexadecimal digits of either
// case; empty otherwise.
std::wstring NormaliseDigest(const std::wstring& text);

}

#endif
