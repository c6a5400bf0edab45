#include "settings/menu_builder.h"

#include "settings/menu_entries.h"
#include "settings/profile_files.h"
#include "vrok_user/vrok_messagebox.h"

#include <windows.h>

#include <string>

using namespace profile;
using menuentries::CMenuEntry;
using menuentries::CMenuEntryReader;
using menuentries::EntryStyle;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupMenu;

namespace {

const wchar_t CannotOpenIniMessage[] = L"Cannot open initialization file";
// The language list's style that shows the ordinary check mark; others show a bullet.
const int CheckMarkStyle = 2;

void InsertEntry(CPopupMenu& popup, const CMenuEntry& entry)
{
    switch (menuentries::StyleOfKind(entry.kind)) {
    case EntryStyle::Separator:
        popup.InsertSeparator();
        break;
    case EntryStyle::Text:
        popup.InsertTextEntry(entry.id, entry.label);
        break;
    case EntryStyle::Checkable:
        popup.InsertCheckableEntry(entry.id, entry.label, MFT_STRING, 0);
        break;
    case EntryStyle::Checked:
        popup.InsertCheckableEntry(entry.id, entry.label, MFT_STRING, MFS_CHECKED);
        break;
    case EntryStyle::None:
        break;
    }
}

// Both profile paths; false when either is missing.
bool LocateProfileFiles(std::wstring& globalIniPath, std::wstring& languageFilePath, const wchar_t* programFolder)
{
    globalIniPath = GetGlobalIniPath(programFolder);
    languageFilePath = GetLanguageFilePath(programFolder);
    return !globalIniPath.empty() && !languageFilePath.empty();
}

// The popup goes to the bar under the title of its section in the language file; a popup the
// bar refuses is destroyed.
void AppendTitledPopup(CMenu& menu, CPopupMenu& popup, const wchar_t* section, unsigned short position,
                       const wchar_t* languageFilePath)
{
    const std::wstring title = ReadProfileString(languageFilePath, section, KeyMenuTitle, TitleBufferLength);
    menu.AppendPopup(title.c_str(), popup, position);
}

void AppendSectionPopup(CMenu& menu, const wchar_t* section, unsigned short position,
                        const wchar_t* globalIniPath, const wchar_t* languageFilePath)
{
    CPopupMenu popup;
    if (BuildPopup(section, popup, globalIniPath, languageFilePath))
        AppendTitledPopup(menu, popup, section, position, languageFilePath);
}

void AppendLanguagePopup(CMenu& menu, unsigned short position, const wchar_t* globalIniPath,
                         const wchar_t* languageFilePath)
{
    CPopupMenu popup;
    if (BuildLanguagePopup(popup, globalIniPath))
        AppendTitledPopup(menu, popup, SectionMenuLanguage, position, languageFilePath);
}

void AppendDigestPopup(CMenu& menu, const DigestMenu& digests, unsigned short position,
                       const wchar_t* languageFilePath)
{
    CPopupMenu popup;
    if (BuildDigestPopup(popup, digests))
        AppendTitledPopup(menu, popup, SectionMenuDigest, position, languageFilePath);
}

}

bool BuildPopup(const wchar_t* section, CPopupMenu& popup, const wchar_t* globalIniPath,
                const wchar_t* languageFilePath)
{
    if (!popup.Create())
        return false;
    CMenuEntryReader reader(section, globalIniPath, languageFilePath);
    CMenuEntry entry;
    while (reader.Next(entry))
        InsertEntry(popup, entry);
    return true;
}

bool BuildLanguagePopup(CPopupMenu& popup, const wchar_t* globalIniPath)
{
    if (!popup.Create())
        return false;
    const int style = ReadProfileInteger(globalIniPath, SectionLanguageList, KeyMenuType);
    const unsigned char checkedIndex = CurrentLanguageIndex(globalIniPath);
    const UINT type = style == CheckMarkStyle ? MFT_STRING : MFT_RADIOCHECK;

    // Entry 0 always; then one entry per label up to the first empty one. The 8-bit index ends
    // the list after 255 rather than wrapping round to 0.
    unsigned index = 0;
    do {
        wchar_t key[KeyBufferLength];
        FormatNumberedKey(key, StemMenuText, static_cast<int>(index));
        const std::wstring label = ReadProfileString(globalIniPath, SectionLanguageList, key, LabelBufferLength);
        if (index > 0 && label.empty())
            break;
        popup.InsertCheckableEntry(index, label.c_str(), type, index == checkedIndex ? MFS_CHECKED : 0);
    } while (++index <= 255);
    return true;
}

bool BuildDigestPopup(CPopupMenu& popup, const DigestMenu& digests)
{
    if (!popup.Create())
        return false;
    for (size_t index = 0; index < digests.labels.size(); ++index)
        popup.InsertCheckableEntry(digests.firstId + static_cast<UINT>(index), digests.labels[index].c_str(),
                                   MFT_RADIOCHECK, index == digests.checked ? MFS_CHECKED : 0);
    return true;
}

CMenu* BuildMenuBar(CBaseWindow& window, const DigestMenu& digests, const wchar_t* programFolder)
{
    std::wstring global;
    std::wstring language;
    if (!LocateProfileFiles(global, language, programFolder))
        return nullptr;
    const wchar_t* globalIniPath = global.c_str();
    const wchar_t* languageFilePath = language.c_str();

    CMenu* menu = new CMenu(&window);
    AppendSectionPopup(*menu, SectionMenuFile, 0, globalIniPath, languageFilePath);
    AppendSectionPopup(*menu, SectionMenuEdit, 1, globalIniPath, languageFilePath);
    AppendLanguagePopup(*menu, 2, globalIniPath, languageFilePath);
    AppendDigestPopup(*menu, digests, DigestPopupPosition, languageFilePath);
    AppendSectionPopup(*menu, SectionMenuHelp, 4, globalIniPath, languageFilePath);
    menu->Attach();
    return menu;
}

void ShowContextMenu(CBaseWindow& window, const wchar_t* programFolder)
{
    std::wstring globalIniPath;
    std::wstring languageFilePath;
    if (!LocateProfileFiles(globalIniPath, languageFilePath, programFolder)) {
        vrok::user::messagebox::ShowInfoMessage(CannotOpenIniMessage);
        return;
    }
    CPopupMenu popup;
    if (!BuildPopup(SectionContextMenu, popup, globalIniPath.c_str(), languageFilePath.c_str()))
        return;
    // Where the pointer is now, which may differ from where the button went down.
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackPopupMenu(popup.GetHandle(), 0, cursor.x, cursor.y, 0, window.GetHandle(), nullptr);
}
