#include "window/language_commands.h"

#include "settings/menu_builder.h"
#include "settings/menu_entries.h"
#include "settings/language_texts.h"
#include "settings/profile_files.h"
#include "vrok_user/vrok_dll.h"
#include "vrok_user/vrok_messagebox.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>

using namespace profile;
using menuentries::CMenuEntry;
using menuentries::CMenuEntryReader;
using menuentries::EntryStyle;
using vrok::data::type::kernelobject::CDll;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::menu::CMenu;
using vrok::user::menu::CPopupEntries;
using vrok::user::messagebox::ShowInfoMessage;

namespace {

const wchar_t CannotOpenIniMessage[] = L"Cannot open initialization file";
const wchar_t MissingLanguageMessage[] = L"The language file doesn't exist !";
// Told in the chosen language; this text stands in when its file has none.
const wchar_t NotRememberedMessage[] =
    L"The language cannot be remembered: md5_global.ini cannot be written. It applies until Vestigon is closed.";

const UINT HelpDisplayTableOfContents = 1; // HH_DISPLAY_TOC
typedef HWND(WINAPI* HtmlHelpFunction)(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

unsigned char LanguagePopupPosition(const wchar_t* globalIniPath)
{
    return ReadProfileByte(globalIniPath, SectionLanguageList, KeyMenuPosition);
}

bool IsExistingFile(const std::wstring& path)
{
    return !path.empty() && PathFileExistsW(path.c_str()) && !PathIsDirectoryW(path.c_str());
}

// The file of language `index` in the language list, when it exists; empty otherwise (an empty
// value names the folder itself, which is no language file).
std::wstring ListedLanguageFile(unsigned short index, const wchar_t* globalIniPath)
{
    wchar_t key[KeyBufferLength];
    FormatNumberedKey(key, StemIniFile, index);
    const std::wstring value = ReadProfileString(globalIniPath, SectionLanguageList, key);
    const std::wstring path = GetPathBesideProgram(value.c_str(), FolderOfPath(globalIniPath).c_str());
    return IsExistingFile(path) ? path : std::wstring();
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

void RelabelPopup(CMenu& menu, const wchar_t* section, const wchar_t* globalIniPath, const wchar_t* languageFilePath)
{
    const std::wstring title = ReadProfileString(languageFilePath, section, KeyMenuTitle, LabelBufferLength);
    menu.SetPopupTitle(ReadProfileByte(globalIniPath, section, KeyMenuPosition), title.c_str());
    RelabelEntries(menu, section, globalIniPath, languageFilePath);
}

void RelabelMenuBar(CMenu& menu, const wchar_t* globalIniPath, const wchar_t* languageFilePath)
{
    RelabelPopup(menu, SectionMenuFile, globalIniPath, languageFilePath);
    RelabelPopup(menu, SectionMenuEdit, globalIniPath, languageFilePath);
    const std::wstring title =
        ReadProfileString(languageFilePath, SectionMenuLanguage, KeyMenuTitle, TitleBufferLength);
    menu.SetPopupTitle(LanguagePopupPosition(globalIniPath), title.c_str());
    RelabelPopup(menu, SectionMenuHelp, globalIniPath, languageFilePath);
    menu.SetPopupTitle(DigestPopupPosition,
                       ReadProfileString(languageFilePath, SectionMenuDigest, KeyMenuTitle, TitleBufferLength).c_str());
}

// The drop panel's title and the compare button's caption, and a repaint of the panel's title.
void ApplyControlTexts(CCoolControl* dropPanel, const wchar_t* languageFilePath)
{
    if (dropPanel == nullptr || dropPanel->IsNull())
        return;
    const std::wstring buttonText = ReadProfileString(languageFilePath, SectionButtonCompare, KeyText);
    const std::wstring windowText = ReadProfileString(languageFilePath, SectionWindowText, KeyText);
    if (dropPanel->GetCompareButton() != nullptr && !dropPanel->GetCompareButton()->IsNull())
        SetWindowTextW(dropPanel->GetCompareButton()->GetHandle(), buttonText.c_str());
    SetWindowTextW(dropPanel->GetHandle(), windowText.c_str());
    InvalidateRect(dropPanel->GetHandle(), nullptr, TRUE);
}

void TellNotRemembered(const wchar_t* languageFilePath)
{
    const std::wstring text =
        languagetexts::ReadLanguageText(languageFilePath, SectionMessages, KeyLanguageNotRemembered);
    ShowInfoMessage(L"%s", text.empty() ? NotRememberedMessage : text.c_str());
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

bool SwitchLanguage(unsigned short index, CBaseWindow& window, CMenu& menu, CCoolControl* dropPanel,
                    const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    if (globalIniPath.empty()) {
        ShowInfoMessage(CannotOpenIniMessage);
        return false;
    }
    const unsigned char current = CurrentLanguageIndex(globalIniPath.c_str());
    if (current == index)
        return false;
    try {
        // Looked up before anything is written: a position outside the bar refuses the switch.
        CPopupEntries& languagePopup = menu.GetPopup(LanguagePopupPosition(globalIniPath.c_str()));
        const std::wstring languageFile = ListedLanguageFile(index, globalIniPath.c_str());
        if (languageFile.empty()) {
            ShowInfoMessage(MissingLanguageMessage);
            return false;
        }
        const bool remembered = StoreCurrentLanguage(index, globalIniPath.c_str());
        languagePopup.SetEntryState(current, 0);
        languagePopup.SetEntryState(index, MFS_CHECKED);
        RelabelMenuBar(menu, globalIniPath.c_str(), languageFile.c_str());
        DrawMenuBar(window.GetHandle());
        ApplyControlTexts(dropPanel, languageFile.c_str());
        if (!remembered)
            TellNotRemembered(languageFile.c_str());
        return true;
    } catch (const CMenu::COutBoundValue&) {
        // The language popup's position lies outside the menu bar: the menus, the texts and
        // md5_global.ini stay as they were.
        return false;
    }
}

void ShowHelp(CBaseWindow& window, const wchar_t* programFolder)
{
    const std::wstring globalIniPath = GetGlobalIniPath(programFolder);
    if (globalIniPath.empty())
        return;
    const std::wstring helpFile = ReadCurrentLanguage(globalIniPath.c_str(), KeyHelpFile);
    const std::wstring helpPath = GetPathBesideProgram(helpFile.c_str(), programFolder);
    HtmlHelpFunction htmlHelp = FindHtmlHelp();
    // A missing help file is the viewer's to report.
    if (helpPath.empty() || htmlHelp == nullptr)
        return;
    htmlHelp(window.GetHandle(), helpPath.c_str(), HelpDisplayTableOfContents, 0);
}
