#ifndef VESTIGON_OPTIONS_H
#define VESTIGON_OPTIONS_H

// The user's options, kept in [OPTIONS] of md5_global.ini in the program folder (null: the
// executable's folder). A missing section or key means the default.
namespace options {

// Whether a hashed file's reference is looked up in the checksum files beside it; on by
// default, off only when the key says 0.
bool LooksForChecksumFiles(const wchar_t* programFolder = nullptr);

// Stores the choice; false when md5_global.ini cannot be located or written.
bool StoreLooksForChecksumFiles(bool on, const wchar_t* programFolder = nullptr);

}

#endif
