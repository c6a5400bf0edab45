#ifndef VESTIGON_MENU_ENTRIES_H
#define VESTIGON_MENU_ENTRIES_H

#include "settings/profile_files.h"

// The entries of one popup section, read the way both the menu builder and the language switch
// walk them: kinds and command ids from md5_global.ini, labels from the language file.
//
// Entry 0 is always given. After it, entry n is read and given when its kind is -1 (separator;
// its id and label are not read) or its label is not empty; the first other entry ends the walk
// and is not given. The index is 8 bits wide; the walk also ends after index 255 instead of
// starting over at 0, so a section whose every index is a separator or labelled cannot loop
// for ever.
namespace menuentries {

// Kinds of menu_type_%d.
const int KindSeparator = -1;

enum class EntryStyle { None, Separator, Text, Checkable, Checked };

// What a kind inserts: -1 separator, 0 or 5 plain text, 1 or 3 text with check-mark
// space, unchecked, 2 or 4 checked; any other kind nothing.
EntryStyle StyleOfKind(int kind);

struct CMenuEntry
{
    unsigned char index;
    int kind;
    unsigned short id;
    wchar_t label[profile::LabelBufferLength];
};

class CMenuEntryReader
{
public:
    // The paths are borrowed and must outlive the reader.
    CMenuEntryReader(const wchar_t* section, const wchar_t* globalIniPath, const wchar_t* languageFilePath);
    CMenuEntryReader(const CMenuEntryReader&) = delete;
    CMenuEntryReader& operator=(const CMenuEntryReader&) = delete;

    // Fills the next entry; false when the walk has ended.
    bool Next(CMenuEntry& entry);

private:
    void ReadEntry(unsigned char index);

    const wchar_t* m_section;
    const wchar_t* m_globalIniPath;
    const wchar_t* m_languageFilePath;
    CMenuEntry m_current;
    bool m_started;
    bool m_ended;
};

}

#endif
