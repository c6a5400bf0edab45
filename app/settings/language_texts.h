#ifndef VESTIGON_LANGUAGE_TEXTS_H
#define VESTIGON_LANGUAGE_TEXTS_H

#include "settings/profile_files.h"

#include <string>

// The texts of the current language file, each read at the moment it is shown, so that a
// language switch applies to every later text. A text that is missing, or a language file that
// cannot be located, gives an empty text.
namespace languagetexts {

// A text of a section of the given language file, at most `length` - 1 characters.
std::wstring ReadLanguageText(const wchar_t* languageFilePath, const wchar_t* section, const wchar_t* key,
                              int length = profile::ValueBufferLength);

// A [SENTENCES] text of the current language (the strip's sentences), at most 49 characters.
std::wstring ReadSentence(const wchar_t* key, const wchar_t* programFolder);

// A [MESSAGES] text of the current language (for boxes), at most 259 characters.
std::wstring ReadMessage(const wchar_t* key, const wchar_t* programFolder);

}

#endif
