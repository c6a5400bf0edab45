#ifndef VESTIGON_CHECKSUM_WRITER_H
#define VESTIGON_CHECKSUM_WRITER_H

#include "checksums/algorithm_names.h"

#include <string>

// Checksum lines as coreutils writes and reads them (md5sum, sha256sum, b2sum and their
// siblings all use one form), and the file that holds one.
namespace checksums {

// `<digest>  <name>` (text mode), whatever the digest's algorithm. A name holding a backslash
// or a line break is escaped the way coreutils escapes it, and the line then starts with a
// backslash.
std::wstring FormatChecksumLine(const std::wstring& digest, const std::wstring& name);

// `<tag> (<name>) = <digest>`, the BSD form (`sha256sum --tag`), escaped the same way.
std::wstring FormatTaggedChecksumLine(Algorithm algorithm, const std::wstring& digest, const std::wstring& name);

// The checksum file Save writes beside a file: `NAME.md5`, `NAME.sha1`, `NAME.sha224`,
// `NAME.sha256`, `NAME.sha384`, `NAME.sha512` or `NAME.b2` for the path `NAME`.
std::wstring ChecksumFilePathFor(const std::wstring& path, Algorithm algorithm);

// The bytes of a checksum file holding that one line: UTF-8 without BOM, ended by CRLF.
std::string ChecksumFileBytes(const std::wstring& digest, const std::wstring& name);

// Writes the bytes to a new file beside `path` and then moves it over `path`, so that a
// failure at any step leaves an earlier file whole. A read-only file is never replaced. False
// when the file was not replaced.
bool ReplaceFileContent(const std::wstring& path, const std::string& bytes);

}

#endif
