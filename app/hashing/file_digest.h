#ifndef VESTIGON_FILE_DIGEST_H
#define VESTIGON_FILE_DIGEST_H

// The MD5 digest of the file at `path` as 32 lowercase hexadecimal digits, in a new array of 33
// wide characters that the caller frees with delete[]. When the file cannot be opened or read,
// the user is told in the error box "Open file <path> failed !" (a path too long for the box
// shortened in its middle) and the result is null.
wchar_t* ComputeFileDigest(const wchar_t* path);

#endif
