#ifndef VESTIGON_CHECKSUM_WRITER_H
#define VESTIGON_CHECKSUM_WRITER_H

#include <string>

// Checksum lines as coreutils md5sum writes and reads them, and the file that holds one.
namespace checksums {

// `<digest>  <name>` (text mode). A name holding a backslash or a line break is escaped the
// way md5sum escapes it, and the line then starts with a backslash.
std::wstring FormatChecksumLine(const std::wstring& digest, const std::wstring& name);

// The bytes of a checksum file holding that one line: UTF-8 without BOM, ended by CRLF.
std::string ChecksumFileBytes(const std::wstring& digest, const std::wstring& name);

// Writes the bytes to a new file beside `path` and then moves it over `path`, so that a
// failure at any step leaves an earlier file whole. A read-only file is never replaced. False
// when the file was not replaced.
bool ReplaceFileContent(const std::wstring& path, const std::string& bytes);

}

#endif
