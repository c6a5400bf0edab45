#ifndef VROK_USER_MESSAGEBOX_H
#define VROK_USER_MESSAGEBOX_H

namespace vrok { namespace user { namespace messagebox {

// Longest message text a box shows; a longer formatted text shows no box at all.
const int MaxMessageLength = 511;

// printf-style modal boxes without an owner, topmost and brought to the foreground, with the
// captions "Erreur" and "Information". %s takes a wide string. The result is the button
// pressed (IDOK), or 0 when the text did not fit and no box was shown.
int ShowErrorMessage(const wchar_t* format, ...);
int ShowInfoMessage(const wchar_t* format, ...);

// The error box of a format holding one %s for a path. A path too long for the box is shown with
// its middle replaced by "...", so that the box always appears with the path's start and end.
int ShowPathErrorMessage(const wchar_t* format, const wchar_t* path);

}}}

#endif
