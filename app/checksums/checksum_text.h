#ifndef VESTIGON_CHECKSUM_TEXT_H
#define VESTIGON_CHECKSUM_TEXT_H

#include "checksums/algorithm_names.h"

#include <optional>
#include <string>
#include <vector>

// Checksum files as publishers write them. With MD5 alone accepted (the default) they are read
// as they always were: coreutils lines (`<digest>  <name>` or `<digest> *<name>`, a leading
// backslash when the name is escaped) and BSD lines (`MD5 (<name>) = <digest>`) of MD5; every
// other non-blank line is counted. With other algorithms accepted, every form publishers print
// is read:
// - coreutils lines of any algorithm: the file's name says which (SHA256SUMS, x.iso.b2), or
//   else the digest's length (128 digits stay SHA-512 or BLAKE2b-512, marked as such);
// - BSD lines tagged MD5, SHA1 to SHA512, SHA-1 to SHA-512, BLAKE2b or BLAKE2b-<bits>;
// - `gpg --print-md` records: `<name>: ` then upper-case groups of 2, 4 or 8 digits, wrapped
//   over indented lines, with or without an algorithm label (`<name>: SHA256 = ...`);
// - PGP clear-signed text: the armour lines, the headers and the signature are no checksum
//   lines, and dash-escaped lines (`- <line>`) are read without their `- `;
// - comment lines starting with `#`, which are not counted, and among them the size lines
//   `# <name>: <N> bytes`, which are kept.
namespace checksums {

// One checksum line: the name unescaped as the list gives it (empty for a bare digest), the
// digest in lowercase hexadecimal digits and its algorithm; a BLAKE2b digest's length is the
// digest's (digest.size() / 2 bytes).
struct ChecksumLine
{
    std::wstring name;
    std::wstring digest;
    Algorithm algorithm = Algorithm::Md5;
    // 128 digits that neither a tag nor the file's name attributes: SHA-512 (`algorithm`) or
    // BLAKE2b-512; a caller tries both.
    bool mayBeBlake2b = false;
    // Where the line stands in the text, counting from 1 (a gpg record: its first line).
    size_t lineNumber = 0;
};

// A size line: the listed file's size in bytes.
struct ListedSize
{
    std::wstring name;
    unsigned long long bytes = 0;
};

// otherLines: non-empty lines that are no checksum lines of an accepted algorithm (other
// algorithms, garbage, and with MD5 alone accepted also comments). A line of blanks only
// counts as empty. otherLineNumbers says where they stand, counting from 1.
struct ChecksumText
{
    std::vector<ChecksumLine> lines;
    std::vector<ListedSize> sizes;
    size_t otherLines = 0;
    std::vector<size_t> otherLineNumbers;
};

// How a text is read: the algorithms whose lines are taken, and the algorithm the file's name
// gives (AlgorithmOfFileName), which decides untagged lines when other algorithms are taken.
struct ChecksumReading
{
    AlgorithmSet accepted = Md5Only;
    std::optional<Algorithm> named;
};

// Parses the lines of a decoded text, LF or CRLF. With acceptBareDigest a line holding only a
// digest (blanks around allowed; gpg's groups too when other algorithms are taken) is a line
// with no name.
ChecksumText ParseChecksumText(const std::wstring& text, bool acceptBareDigest, const ChecksumReading& reading);

// Decodes the bytes (UTF-8 with or without BOM, UTF-16LE with BOM, the ANSI code page when
// they are not UTF-8) and parses them.
ChecksumText ParseChecksumBytes(const std::string& bytes, bool acceptBareDigest,
                                const ChecksumReading& reading = ChecksumReading());

// Reads and parses a file of at most maxBytes, whose name says the algorithm when it names
// one; false when it cannot be read or is larger.
bool ReadChecksumFile(const std::wstring& path, unsigned long long maxBytes, bool acceptBareDigest,
                      ChecksumText& out, AlgorithmSet accepted = Md5Only);

}

#endif
