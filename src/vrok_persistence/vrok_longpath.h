#ifndef VROK_PERSISTENCE_LONGPATH_H
#define VROK_PERSISTENCE_LONGPATH_H

#include <string>

namespace vrok { namespace persistence { namespace file {

// The path in the form the file functions take at any length (up to 32,767 characters):
// "\\?\C:\folder\name" for a drive path, "\\?\UNC\server\share\name" for a network path.
// A relative path is first made full against the working folder, with "." and ".." resolved
// and "/" turned into "\" (the prefixed form is taken literally by the system). A path in
// that form already, or a device path ("\\.\"), comes back unchanged; so does an empty path,
// and a path the system cannot make full.
std::wstring ToLongPathForm(const wchar_t* path);

// The full path of a path given relative to the working folder (or to the current drive's
// root), "." and ".." resolved and "/" turned into "\"; a full path comes back in its usual
// form. The path unchanged when the system cannot make it full; empty for an empty path.
std::wstring MakeFullPath(const wchar_t* path);

// For the functions that still stop at MAX_PATH (the profile functions): a path of MAX_PATH
// characters or more in its short (8.3) form, when the file exists and the short form is
// shorter than MAX_PATH; any other path unchanged.
std::wstring FitToMaxPath(const std::wstring& path);

}}}

#endif
