#ifndef VESTIGON_TESTS_MENU_TEST_SUPPORT_H
#define VESTIGON_TESTS_MENU_TEST_SUPPORT_H

#include "test_files.h"
#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

#include <string>
#include <vector>

namespace menutest {

// A program folder of its own with profile files written as the program ships them.
class CProgramFolder
{
public:
    const std::wstring& Path() const { return m_folder.Path(); }
    std::wstring PathOf(const std::wstring& name) const { return m_folder.PathOf(name); }
    std::wstring WriteProfile(const std::wstring& name, const std::wstring& text) const;
    std::wstring GlobalIni() const { return PathOf(L"md5_global.ini"); }
    std::string GlobalIniBytes() const { return testsupport::ReadWholeFile(GlobalIni()); }
    std::wstring GlobalValue(const wchar_t* section, const wchar_t* key) const;

private:
    testsupport::CTemporaryFolder m_folder;
};

// English (beside md5_global.ini, current), French (in a subfolder, with a file-menu title of
// 31 characters), a language whose file is missing and one that names no file.
class CLanguageFolder : public CProgramFolder
{
public:
    // languagePosition: [MENU_LANGUAGE_LIST] menu_position.
    explicit CLanguageFolder(int languagePosition = 2);
};

// One top-level window for the whole program (under Wine each top-level window that goes costs
// a wait): it records its commands and lets a CMenuWatch read the popups tracked for it.
vrok::user::basewindow::CBaseWindow& Host();
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::vector<WPARAM> TakeCommands();

struct CMenuEntryView
{
    UINT id;
    UINT type;
    UINT state;
    std::wstring text;
};
std::vector<CMenuEntryView> EntriesOf(HMENU menu);
CMenuEntryView EntryById(HMENU menu, UINT id);
std::wstring TextAt(HMENU menu, UINT position);

// While it exists, the first popup tracked for the host is read once on screen (the owner's
// WM_ENTERIDLE) and then ended, or its first entry chosen with the keyboard. A thread timer ends
// any menu still open after a few seconds, so a test never hangs.
class CMenuWatch
{
public:
    explicit CMenuWatch(bool chooseFirst = false);
    ~CMenuWatch();
    CMenuWatch(const CMenuWatch&) = delete;
    CMenuWatch& operator=(const CMenuWatch&) = delete;

    bool seen = false;
    HMENU menu = nullptr;
    std::vector<CMenuEntryView> entries;
    RECT place = {};

private:
    bool m_chooseFirst;
    UINT_PTR m_timer;
    friend LRESULT CALLBACK HostWindowProc(HWND, UINT, WPARAM, LPARAM);
};

}

#endif
