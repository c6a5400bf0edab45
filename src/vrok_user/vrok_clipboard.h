#ifndef VROK_USER_CLIPBOARD_H
#define VROK_USER_CLIPBOARD_H

#include <windows.h>

#include <string>

// The clipboard's Unicode text, written and read; the clipboard is held only for the call, so
// other programs are never kept from it while a box shows.
namespace vrok { namespace user { namespace clipboard {

// Puts the text on the clipboard as Unicode text; false when the clipboard cannot be had.
bool PutText(HWND owner, const std::wstring& text);

enum class Reading { Text, NoText, Busy, MemoryUnusable };

// The clipboard's Unicode text, never read past the end of its memory block (another program
// may have put text there without a terminator). `text` is set only for Reading::Text.
Reading ReadText(HWND owner, std::wstring& text);

}}}

#endif
