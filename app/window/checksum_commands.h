#ifndef VESTIGON_CHECKSUM_COMMANDS_H
#define VESTIGON_CHECKSUM_COMMANDS_H

#include <windows.h>

#include <initializer_list>
#include <string>

// What the main window needs for checksum files: sentences of the current language with names
// filled in, the checksum line on the clipboard and the checksum file saved beside the file.
namespace checksumcommands {

// The file name after the last folder separator.
std::wstring FileNameOf(const std::wstring& path);

// A [SENTENCES] text of the current language file, at most 49 characters; empty when missing.
std::wstring ReadSentence(const wchar_t* key, const wchar_t* programFolder);
// A [MESSAGES] text (for boxes), at most 259 characters; empty when missing.
std::wstring ReadMessage(const wchar_t* key, const wchar_t* programFolder);

// The text with each %s replaced by the next name, in order; a %s without a name stays out.
// Nothing else in the text is interpreted, so a language file cannot inject formats.
std::wstring FillIn(const std::wstring& text, std::initializer_list<std::wstring> names);

// Puts the text on the clipboard as Unicode text; false when the clipboard cannot be had.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);

// Writes FILE.md5 beside the file, holding the file's checksum line. A file of that name with
// other content is replaced only when the user says yes; a failure is told in a box that
// names the file. True when the file holds the line afterwards.
bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            const wchar_t* programFolder);

}

#endif
