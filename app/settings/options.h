#ifndef VESTIGON_OPTIONS_H
#define VESTIGON_OPTIONS_H

// The user's options, kept in [OPTIONS] of md5_global.ini in the program folder (null: the
// executable's folder). A missing section or key means the default.
#include <string>

namespace options {

// Whether a hashed file's reference is looked up in the checksum files beside it; on by
// default, off only when the key says 0.
bool LooksForChecksumFiles(const wchar_t* programFolder = nullptr);

// Stores the choice; false when md5_global.ini cannot be located or written.
bool StoreLooksForChecksumFiles(bool on, const wchar_t* programFolder = nullptr);

// The name of the digest chosen in the Digest menu, as stored ("md5", "sha256"); empty when
// none is stored (MD5 then).
std::wstring ChosenDigestName(const wchar_t* programFolder = nullptr);
// Stores the name; false when md5_global.ini cannot be located or written.
bool StoreChosenDigestName(const std::wstring& name, const wchar_t* programFolder = nullptr);

}

#endif
