#ifndef VESTIGON_TESTS_MENU_TEST_SUPPORT_H
#define VESTIGON_TESTS_MENU_TEST_SUPPORT_H

#include "test_files.h"
#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

#include <string>
#include <vector>

namespace menutest {

// A program folder of its own: md5_global.ini and language files written by the test as
// UTF-16LE with a byte-order mark, as the program ships them.
class CProgramFolder
{
public:
    const std::wstring& Path() const { return m_folder.Path(); }
    std::wstring PathOf(const std::wstring& name) const { return m_folder.PathOf(name); }

    // Writes a profile file from its text; returns its full path.
    std::wstring WriteProfile(const std::wstring& name, const std::wstring& text) const;
    std::wstring GlobalIni() const { return PathOf(L"md5_global.ini"); }
    // Bytes of md5_global.ini as they are on disk.
    std::string GlobalIniBytes() const { return testsupport::ReadWholeFile(GlobalIni()); }
    FILETIME GlobalIniWriteTime() const;
    // A value of md5_global.ini as the program reads it.
    std::wstring GlobalValue(const wchar_t* section, const wchar_t* key) const;

private:
    testsupport::CTemporaryFolder m_folder;
};

// One top-level framework window for the whole test program (under Wine every top-level window
// that goes away costs a wait for the display). It records the commands it receives, and while
// a popup menu of it is tracked it hands the menu to the watch set by WatchTrackedMenu.
vrok::user::basewindow::CBaseWindow& Host();

struct CRecordedCommand
{
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<CRecordedCommand> TakeCommands();

// What a tracked popup showed: its entries and the screen rectangle of its menu window.
struct CMenuEntryView
{
    UINT id;
    UINT type;
    UINT state;
    std::wstring text;
};
struct CTrackedMenu
{
    bool seen = false;
    HMENU menu = nullptr;
    std::vector<CMenuEntryView> entries;
    RECT place = {};
};

// While it exists, the first popup menu tracked for the host is read once it is on screen (the
// owner's WM_ENTERIDLE), then either ended or, with chooseFirst, its first entry chosen with the
// keyboard. A thread timer ends any menu still open after a few seconds, so nothing hangs.
class CMenuWatch
{
public:
    explicit CMenuWatch(bool chooseFirst = false);
    ~CMenuWatch();
    CMenuWatch(const CMenuWatch&) = delete;
    CMenuWatch& operator=(const CMenuWatch&) = delete;

    const CTrackedMenu& Tracked() const;

private:
    UINT_PTR m_timer;
};

// Entries of a menu, read back from the platform.
std::vector<CMenuEntryView> EntriesOf(HMENU menu);
std::wstring TextAt(HMENU menu, UINT position);
// The entry with a command id anywhere in the menu and its submenus.
CMenuEntryView EntryById(HMENU menu, UINT id);

void PumpMessages(DWORD milliseconds = 30);

}

#endif
