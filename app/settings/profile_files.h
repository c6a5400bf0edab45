#ifndef VESTIGON_PROFILE_FILES_H
#define VESTIGON_PROFILE_FILES_H

// The program's two kinds of profile file: md5_global.ini beside the executable (languages,
// menu structure, current language) and the current language file that it names (every text
// the window shows). Nothing read here is kept: callers locate the files and read the values
// at the moment they need them, so a language switch applies to every later read.
//
// Texts come back as owned strings; an empty one stands for a value or path that is missing.
//
// Every locating function takes an optional program folder. The program leaves it null,
// which means the folder of the running executable; tests pass a folder of their own so they
// never touch the shipped files.

namespace profile {

// Path buffers hold 260 characters and a terminator; values are fetched with a limit of 260
// characters, so a value keeps at most 259.
const int PathBufferLength = 261;
const int ValueBufferLength = 260;
const int ProgramPathLimit = 260;

// Buffer sizes of the texts the window reads (each keeps one character less).
const int LabelBufferLength = 25;      // menu entry labels, popup titles on a language switch
const int TitleBufferLength = 50;      // popup titles when the window is created
const int SentenceBufferLength = 50;   // verdict sentences of the comparison
const int ControlTextBufferLength = 100; // panel title and button caption at creation

const wchar_t* const GlobalIniName = L"md5_global.ini";

// md5_global.ini
const wchar_t* const SectionCurrentLanguage = L"CURRENT_LANGUAGE";
const wchar_t* const KeyIniFile = L"_ini_file";
const wchar_t* const KeyHelpFile = L"_help_file";
const wchar_t* const KeyCheckedMenuIndex = L"checked_menu_index";
const wchar_t* const SectionLanguageList = L"MENU_LANGUAGE_LIST";
const wchar_t* const KeyMenuType = L"menu_type";
const wchar_t* const KeyMenuPosition = L"menu_position";
const wchar_t* const StemIniFile = L"_ini_file_%d";
const wchar_t* const StemHelpFile = L"_help_file_%d";
const wchar_t* const StemMenuType = L"menu_type_%d";
const wchar_t* const StemMenuId = L"menu_id_%d";

// Sections found in both files: structure in md5_global.ini, words in the language file.
const wchar_t* const SectionMenuFile = L"MENU_FILE";
const wchar_t* const SectionMenuEdit = L"MENU_EDIT";
const wchar_t* const SectionMenuHelp = L"MENU_HELP";
const wchar_t* const SectionContextMenu = L"CONTEXT_MENU";
const wchar_t* const StemMenuText = L"menu_text_%d";

// Language file
const wchar_t* const SectionMenuLanguage = L"MENU_LANGUAGE";
const wchar_t* const SectionMenuDigest = L"MENU_DIGEST";
const wchar_t* const KeyMenuTitle = L"menu_title";
const wchar_t* const SectionWindowText = L"WINDOW_TEXT";
const wchar_t* const SectionButtonCompare = L"BUTTON_COMPARE";
const wchar_t* const KeyText = L"text";
// The panel's title when the digest in use is not MD5's: %s is the algorithm's name.
const wchar_t* const KeyTextNamed = L"text_named";
const wchar_t* const SectionSentences = L"SENTENCES";
const wchar_t* const KeyEmptyString = L"string_empty_string";
const wchar_t* const KeyTooLong = L"string_too_long";
const wchar_t* const KeyTooShort = L"string_too_short";
const wchar_t* const KeyNotHexadecimal = L"string_not_hexacecimal";
const wchar_t* const KeyHashEqual = L"hash_equal";
const wchar_t* const KeyHashDifferent = L"hash_different";
const wchar_t* const KeyChecksumList = L"string_checksum_list";
const wchar_t* const KeyHashingProgress = L"hashing_progress";
const wchar_t* const KeyHashingStopped = L"hashing_stopped";
// Sentences with a name filled in where the text says %s.
const wchar_t* const KeyHashEqualNamed = L"hash_equal_named";
const wchar_t* const KeyHashDifferentNamed = L"hash_different_named";
const wchar_t* const KeySizeDiffers = L"size_differs";
const wchar_t* const KeyPastedNameDiffers = L"pasted_name_differs";
// What a signature says, in [SIGNATURES]: longer than the digest's sentences, read as messages.
const wchar_t* const SectionSignatures = L"SIGNATURES";
const wchar_t* const KeySignedBy = L"signed_by";
const wchar_t* const KeySignedByKeyBeside = L"signed_by_key_beside";
const wchar_t* const KeySignedByUnknownKey = L"signed_by_unknown_key";
const wchar_t* const KeySignatureWeak = L"signature_weak";
const wchar_t* const KeySignatureExpired = L"signature_expired";
const wchar_t* const KeySignatureRevoked = L"signature_revoked";
const wchar_t* const KeySignatureBadList = L"signature_bad_list";
const wchar_t* const KeySignatureBadFile = L"signature_bad_file";
const wchar_t* const KeySignatureNotCheckable = L"signature_not_checkable";
const wchar_t* const KeyReferenceFrom = L"reference_from_file";
const wchar_t* const KeyReferenceConflict = L"reference_conflict";
const wchar_t* const SectionMessages = L"MESSAGES";
const wchar_t* const KeyLanguageNotRemembered = L"language_not_remembered";
const wchar_t* const KeyDigestNotRemembered = L"digest_not_remembered";
const wchar_t* const KeyLookupNotRemembered = L"lookup_not_remembered";
const wchar_t* const KeyKeyAddQuestion = L"key_add_question";
const wchar_t* const KeyKeyNoneFound = L"key_none_found";
const wchar_t* const KeyKeyNotStored = L"key_not_stored";
const wchar_t* const KeyKeyNotRemoved = L"key_not_removed";
const wchar_t* const SectionKeysWindow = L"KEYS_WINDOW";
// Box texts with the checksum file's name filled in where the text says %s.
const wchar_t* const KeyReplaceQuestion = L"checksum_file_replace";
const wchar_t* const KeyCannotWrite = L"checksum_file_not_written";

// md5_global.ini: the user's options; a missing section or key means the default.
const wchar_t* const SectionOptions = L"OPTIONS";
const wchar_t* const KeyLookForChecksumFiles = L"look_for_checksum_files";
const wchar_t* const KeyDigest = L"digest";

// Longest numbered key: a stem and an index of up to five digits (a 16-bit index).
const int KeyBufferLength = 32;

}

#include <string>

// Full path of md5_global.ini in the program folder; empty when the path does not fit in 259
// characters.
std::wstring GetGlobalIniPath(const wchar_t* programFolder = nullptr);

// A file named by a profile value, resolved against the program folder by the one rule every
// profile value follows: a fully qualified value is used as it is; any other lands under the
// folder, a leading backslash dropped; an empty one names the folder itself. In a deep folder
// the path of an existing file comes in its short form where that is shorter than MAX_PATH, so
// that the profile functions can read it.
std::wstring GetPathBesideProgram(const wchar_t* value, const wchar_t* programFolder = nullptr);

// The folder part of a path (a drive's root with its backslash); empty for a bare name.
std::wstring FolderOfPath(const std::wstring& path);

// Full path of the current language file (_ini_file of the current language, resolved as
// above). Whether the file exists is not tested. Empty when it does not fit.
std::wstring GetLanguageFilePath(const wchar_t* programFolder = nullptr);

// The value of a key, at most `length` - 1 characters (259 unless told); empty when the file,
// section or key is missing.
// Writes one value of md5_global.ini; false when the file is marked read-only (the system would
// write it all the same for an administrator) or cannot be written.
bool WriteSetting(const wchar_t* globalIniPath, const wchar_t* section, const wchar_t* key, const std::wstring& value);

std::wstring ReadProfileString(const wchar_t* file, const wchar_t* section, const wchar_t* key,
                               int length = profile::ValueBufferLength);

// Integer values: decimal with an optional minus sign, 0 when missing. Some keys keep only
// their low 8 bits (indices, menu positions) or low 16 bits (command ids).
int ReadProfileInteger(const wchar_t* file, const wchar_t* section, const wchar_t* key);
unsigned char ReadProfileByte(const wchar_t* file, const wchar_t* section, const wchar_t* key);
unsigned short ReadProfileWord(const wchar_t* file, const wchar_t* section, const wchar_t* key);

// A numbered key such as menu_text_12 from its stem ("menu_text_%d") and the index.
void FormatNumberedKey(wchar_t (&key)[profile::KeyBufferLength], const wchar_t* stem, int index);

// The current language as the program uses it: [CURRENT_LANGUAGE] of the given md5_global.ini,
// or the language chosen in this run when that choice could not be stored there.
std::wstring ReadCurrentLanguage(const wchar_t* globalIniPath, const wchar_t* key);
unsigned char CurrentLanguageIndex(const wchar_t* globalIniPath);

// Makes language n the current one in [CURRENT_LANGUAGE] of the given md5_global.ini:
// checked_menu_index = n, then _ini_file and _help_file copied from the language list's
// _ini_file_<n> and _help_file_<n> (written empty when the list has none). False when the file
// cannot be written: it is then left as it was, and the choice holds for this run only.
bool StoreCurrentLanguage(unsigned short index, const wchar_t* globalIniPath);

#endif
