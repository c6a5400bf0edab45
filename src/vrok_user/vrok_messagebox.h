#ifndef VROK_USER_MESSAGEBOX_H
#define VROK_USER_MESSAGEBOX_H

#include <windows.h>

#include <string>

namespace vrok { namespace user { namespace messagebox {

// Longest message text a box shows; a longer formatted text shows no box at all.
const int MaxMessageLength = 511;

// The captions of the two kinds of box; the program gives its own (none until it does).
void SetCaptions(const wchar_t* errorCaption, const wchar_t* infoCaption);

// printf-style modal boxes owned by the application's main window (when it has one), topmost
// and brought to the foreground, with the captions given above. %s takes a wide string. The result is the button
// pressed (IDOK), or 0 when the text did not fit and no box was shown.
int ShowErrorMessage(const wchar_t* format, ...);
int ShowInfoMessage(const wchar_t* format, ...);

// The error box of a format holding one %s for a path. A path too long for the box is shown with
// its middle replaced by "...", so that the box always appears with the path's start and end.
int ShowPathErrorMessage(const wchar_t* format, const wchar_t* path);

// The same for a text from outside the program (a language file): the path goes in at its first
// %s, or on a line of its own after it; any other % shows as it stands, so the text can never
// ask for arguments that are not there.
int ShowPathErrorText(const std::wstring& text, const wchar_t* path);

// The owner of the program's boxes and dialogs: the application's main window while it lives,
// otherwise none. An owned box or dialog keeps the system from giving its owner any input.
HWND ModalOwner();

// Marks a box or dialog of the program as open for as long as the object lives. Messages that
// other programs post to the main window still arrive meanwhile; IsAnyOpen lets their handlers
// refuse to open a second one.
class CModalScope
{
public:
    CModalScope() { ++s_open; }
    ~CModalScope() { --s_open; }
    CModalScope(const CModalScope&) = delete;
    CModalScope& operator=(const CModalScope&) = delete;

    static bool IsAnyOpen() { return s_open > 0; }

private:
    static int s_open;
};

}}}

#endif
