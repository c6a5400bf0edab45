#include "window/language_commands.h"

#include "settings/menu_entries.h"
#include "settings/profile_files.h"
#include "vrok_user/vrok_dll.h"
#include "vrok_user/vrok_messagebox.h"

#include <windows.h>
#include <shlwapi.h>

using namespace profile;
using menuentries::CMenuEntry;
using menuentries::CMenuEntryReader;
using menuentries::EntryStyle;
using vrok::data::type::kernelobject::CDll;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupMenu;
using vrok::user::messagebox::ShowInfoMessage;

namespace {

const wchar_t CannotOpenIniMessage[] = L"Cannot open initialization file";
const wchar_t MissingLanguageMessage[] = L"The language file doesn't exist !";

const UINT HelpDisplayTableOfContents = 1; // HH_DISPLAY_TOC
typedef HWND(WINAPI* HtmlHelpFunction)(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

// A profile buffer of the helpers, freed when this goes.
class CProfileText
{
public:
    explicit CProfileText(wchar_t* text) : m_text(text) {}
    ~CProfileText() { delete[] m_text; }
    CProfileText(const CProfileText&) = delete;
    CProfileText& operator=(const CProfileText&) = delete;

    const wchar_t* Get() const { return m_text != nullptr ? m_text : L""; }
    bool IsNull() const { return m_text == nullptr; }

private:
    wchar_t* m_text;
};

unsigned char StoredLanguageIndex(const wchar_t* globalIniPath)
{
    return ReadProfileByte(globalIniPath, SectionCurrentLanguage, KeyCheckedMenuIndex);
}

unsigned char LanguagePopupPosition(const wchar_t* globalIniPath)
{
    return ReadProfileByte(globalIniPath, SectionLanguageList, KeyMenuPosition);
}

// The file that a profile value names, appended under the folder of md5_global.ini, in the
// caller's 261-character buffer. True only for an existing file: an empty value names the
// folder itself, which is no language file.
bool FindFileBesideProgram(const wchar_t* value, const wchar_t* globalIniPath, wchar_t* path)
{
    wchar_t folder[PathBufferLength];
    CopyPath(folder, globalIniPath);
    PathRemoveFileSpecW(folder);
    CProfileText found(GetPathBesideProgram(value, folder));
    CopyPath(path, found.Get());
    return !found.IsNull() && PathFileExistsW(path) && !PathIsDirectoryW(path);
}

bool ListedLanguageFileExists(unsigned short index, const wchar_t* globalIniPath)
{
    wchar_t key[KeyBufferLength];
    FormatNumberedKey(key, StemIniFile, index);
    CProfileText value(ReadProfileString(globalIniPath, SectionLanguageList, key));
    wchar_t path[PathBufferLength];
    return !value.IsNull() && FindFileBesideProgram(value.Get(), globalIniPath, path);
}

// Makes `index` the stored choice and moves the check mark to it. The language popup is looked
// up first, so a position outside the menu bar is raised before anything is written; a missing
// language file is found before anything is written too, so a refused switch leaves
// md5_global.ini exactly as it was.
bool MakeStoredChoice(unsigned short index, CMenu& menu, const wchar_t* globalIniPath)
{
    const unsigned char stored = StoredLanguageIndex(globalIniPath);
    CPopupMenu& languagePopup = menu.GetPopup(LanguagePopupPosition(globalIniPath));
    if (stored == index)
        return true;
    if (!ListedLanguageFileExists(index, globalIniPath))
        return false;
    StoreCurrentLanguage(index, globalIniPath);
    languagePopup.SetEntryState(stored, 0);
    languagePopup.SetEntryState(index, MFS_CHECKED);
    return true;
}

// The entries of a section take their labels from the language file by command id; separators
// and kinds that inserted nothing have no entry to re-label.
void RelabelEntries(CMenu& menu, const wchar_t* section, const wchar_t* globalIniPath,
                    const wchar_t* languageFilePath)
{
    CMenuEntryReader reader(section, globalIniPath, languageFilePath);
    CMenuEntry entry;
    while (reader.Next(entry)) {
        const EntryStyle style = menuentries::StyleOfKind(entry.kind);
        if (style != EntryStyle::Separator && style != EntryStyle::None)
            menu.SetEntryLabel(entry.id, entry.label);
    }
}

// The drop panel's title and the compare button's caption, and a repaint of the panel's title.
void ApplyControlTexts(CCoolControl* dropPanel, const wchar_t* languageFilePath)
{
    if (dropPanel == nullptr || dropPanel->IsNull())
        return;
    CProfileText buttonText(ReadProfileString(languageFilePath, SectionButtonCompare, KeyText));
    CProfileText windowText(ReadProfileString(languageFilePath, SectionWindowText, KeyText));
    if (dropPanel->GetCompareButton() != nullptr && !dropPanel->GetCompareButton()->IsNull())
        SetWindowTextW(dropPanel->GetCompareButton()->GetHandle(), buttonText.Get());
    SetWindowTextW(dropPanel->GetHandle(), windowText.Get());
    InvalidateRect(dropPanel->GetHandle(), nullptr, TRUE);
}

// The viewer runs in this process, on the library's code, for as long as it is open: the
// library is loaded on first use and stays until the process ends.
HtmlHelpFunction FindHtmlHelp()
{
    static CDll helpLibrary;
    if (helpLibrary.IsNull() && !helpLibrary.Load(L"hhctrl.ocx"))
        return nullptr;
    return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(helpLibrary.FindEntryPoint("HtmlHelpW")));
}

}

bool RelabelPopup(unsigned short index, CMenu& menu, const wchar_t* globalIniPath, const wchar_t* section)
{
    if (!MakeStoredChoice(index, menu, globalIniPath))
        return false;
    CProfileText value(ReadProfileString(globalIniPath, SectionCurrentLanguage, KeyIniFile));
    wchar_t languageFilePath[PathBufferLength];
    if (value.IsNull() || !FindFileBesideProgram(value.Get(), globalIniPath, languageFilePath))
        return false;

    wchar_t title[LabelBufferLength] = {};
    GetPrivateProfileStringW(section, KeyMenuTitle, L"", title, LabelBufferLength, languageFilePath);
    menu.SetPopupTitle(ReadProfileByte(globalIniPath, section, KeyMenuPosition), title);
    RelabelEntries(menu, section, globalIniPath, languageFilePath);
    return true;
}

bool RelabelLanguagePopup(unsigned short index, CMenu& menu, const wchar_t* globalIniPath,
                          const wchar_t* languageFilePath)
{
    if (!MakeStoredChoice(index, menu, globalIniPath))
        return false;
    wchar_t title[TitleBufferLength] = {};
    GetPrivateProfileStringW(SectionMenuLanguage, KeyMenuTitle, L"", title, TitleBufferLength, languageFilePath);
    menu.SetPopupTitle(LanguagePopupPosition(globalIniPath), title);
    return true;
}

void SwitchLanguage(unsigned short index, CBaseWindow& window, CMenu& menu, CCoolControl* dropPanel,
                    const wchar_t* programFolder)
{
    wchar_t globalIniPath[PathBufferLength];
    {
        CProfileText found(GetGlobalIniPath(programFolder));
        if (found.IsNull()) {
            ShowInfoMessage(CannotOpenIniMessage);
            return;
        }
        CopyPath(globalIniPath, found.Get());
    }
    if (StoredLanguageIndex(globalIniPath) == index)
        return;

    try {
        if (!RelabelPopup(index, menu, globalIniPath, SectionMenuFile)) {
            ShowInfoMessage(MissingLanguageMessage);
            return;
        }
        RelabelPopup(index, menu, globalIniPath, SectionMenuEdit);
        CProfileText languageFilePath(GetLanguageFilePath(programFolder));
        RelabelLanguagePopup(index, menu, globalIniPath, languageFilePath.Get());
        RelabelPopup(index, menu, globalIniPath, SectionMenuHelp);
        DrawMenuBar(window.GetHandle());
        ApplyControlTexts(dropPanel, languageFilePath.Get());
    } catch (const CMenu::COutBoundValue&) {
        // The language popup's position lies outside the menu bar: it is refused before
        // anything is written, so the menus, the texts and md5_global.ini stay as they were.
    }
}

void ShowHelp(CBaseWindow& window, const wchar_t* programFolder)
{
    CProfileText globalIniPath(GetGlobalIniPath(programFolder));
    if (globalIniPath.IsNull())
        return;
    CProfileText helpFile(ReadProfileString(globalIniPath.Get(), SectionCurrentLanguage, KeyHelpFile));
    CProfileText helpPath(GetPathBesideProgram(helpFile.Get(), programFolder));
    HtmlHelpFunction htmlHelp = FindHtmlHelp();
    // A missing help file is the viewer's to report.
    if (helpPath.IsNull() || htmlHelp == nullptr)
        return;
    htmlHelp(window.GetHandle(), helpPath.Get(), HelpDisplayTableOfContents, 0);
}
