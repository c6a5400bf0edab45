#include "settings/menu_entries.h"

#include <windows.h>

using namespace profile;

namespace menuentries {

EntryStyle StyleOfKind(int kind)
{
    switch (kind) {
    case KindSeparator:
        return EntryStyle::Separator;
    case 0:
    case 5:
        return EntryStyle::Text;
    case 1:
    case 3:
        return EntryStyle::Checkable;
    case 2:
    case 4:
        return EntryStyle::Checked;
    default:
        return EntryStyle::None;
    }
}

CMenuEntryReader::CMenuEntryReader(const wchar_t* section, const wchar_t* globalIniPath,
                                   const wchar_t* languageFilePath)
    : m_section(section), m_globalIniPath(globalIniPath), m_languageFilePath(languageFilePath),
      m_current(), m_started(false), m_ended(false)
{
}

// A separator keeps the id and label of the entry before it: they are not read for it.
void CMenuEntryReader::ReadEntry(unsigned char index)
{
    wchar_t key[KeyBufferLength];
    m_current.index = index;
    FormatNumberedKey(key, StemMenuType, index);
    m_current.kind = ReadProfileInteger(m_globalIniPath, m_section, key);
    if (m_current.kind == KindSeparator)
        return;
    FormatNumberedKey(key, StemMenuId, index);
    m_current.id = ReadProfileWord(m_globalIniPath, m_section, key);
    FormatNumberedKey(key, StemMenuText, index);
    GetPrivateProfileStringW(m_section, key, L"", m_current.label, LabelBufferLength, m_languageFilePath);
}

bool CMenuEntryReader::Next(CMenuEntry& entry)
{
    if (m_ended)
        return false;
    if (!m_started) {
        m_started = true;
        ReadEntry(0);
    } else if (m_current.index == 255) {
        m_ended = true;
        return false;
    } else {
        ReadEntry(static_cast<unsigned char>(m_current.index + 1));
        if (m_current.kind != KindSeparator && m_current.label[0] == L'\0') {
            m_ended = true;
            return false;
        }
    }
    entry = m_current;
    return true;
}

}
