#ifndef VROK_USER_MENU_H
#define VROK_USER_MENU_H

#include "vrok_data/vrok_kernelobject.h"
#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

namespace vrok { namespace user { namespace menu {

// One popup menu (CreatePopupMenu).
//
// Handle ownership: a popup owns its handle while it stands alone (the right-click popup, or a
// popup still being filled) and destroys it with DestroyMenu. Once a menu bar takes it in as a
// submenu (CMenu::AppendPopup), the menu bar owns the handle: DestroyMenu of the bar destroys its
// submenus, so the popup only keeps the handle to reach its entries and never destroys it.
class CPopupMenu final : public data::type::kernelobject::CKernelObject<HMENU>
{
public:
    CPopupMenu();
    ~CPopupMenu();

    // CreatePopupMenu; a popup held alone before is destroyed. False when no menu was made.
    bool Create();
    // DestroyMenu of a popup held alone; a popup of a menu bar is only forgotten (false).
    bool Close() override;

    // Entries named by command id, so that with distinct ids each lands at the end.
    // mask 0x13: an unchecked text entry.
    bool InsertTextEntry(UINT id, const wchar_t* label);
    // mask 0x1B with no check-mark bitmaps; type MFT_STRING or MFT_RADIOCHECK, state 0 or
    // MFS_CHECKED.
    bool InsertCheckableEntry(UINT id, const wchar_t* label, UINT type, UINT state);
    // A separator, named by command id -1 which no entry has, so it goes to the end.
    bool InsertSeparator();

    // Sets the state (MFS_CHECKED or 0) of the entry with that command id.
    bool SetEntryState(UINT id, UINT state);

    bool IsInMenuBar() const { return m_inMenuBar; }

private:
    friend class CMenu;
    // The menu bar has taken the handle in: from now on it releases it.
    void HandOverToMenuBar() { m_inMenuBar = true; }

    bool m_inMenuBar;
};

// The main window's menu bar (CreateMenu): up to four popups, stored in the order they are
// appended, so that an index into the array is the popup's menu-bar position.
//
// Handle ownership: the bar is the object's until Attach puts it on its owner window; from then
// on the window destroys it (with its popups) when the window goes. The object then destroys
// the bar only when the window still lives: it takes the bar off the window first.
class CMenu final : public data::type::kernelobject::CKernelObject<HMENU>
{
public:
    // A menu position outside the popup array (4 or more, or a popup never appended).
    class COutBoundValue {};

    static const unsigned short Capacity = 4;

    explicit CMenu(basewindow::CBaseWindow* owner);
    ~CMenu();

    // Stores a popup at the array index equal to the count of popups so far and inserts it at a
    // menu-bar position, titled with [section] menu_title of the language file (up to 49
    // characters). True: the menu object owns the popup object and the bar its handle. False
    // (the array is full or the platform refused): nothing changed and the popup is still the
    // caller's.
    bool AppendPopup(const wchar_t* section, CPopupMenu* popup, const wchar_t* languageFilePath,
                     unsigned short position);

    // Replaces the title at a menu-bar position; false for a position of 4 or more.
    bool SetPopupTitle(unsigned short position, const wchar_t* text);

    // The popup at a menu-bar position; raises COutBoundValue when there is none.
    CPopupMenu& GetPopup(unsigned short position) const;
    unsigned short GetCount() const { return m_count; }

    // Sets the text of the entry with that command id, wherever it sits in the bar's popups.
    bool SetEntryLabel(UINT id, const wchar_t* label);

    // SetMenu on the owner window and DrawMenuBar; true once the window shows the bar.
    bool Attach();
    // DrawMenuBar of the owner window.
    void Redraw();

    basewindow::CBaseWindow* GetOwner() const { return m_owner; }

    bool Close() override;

private:
    HWND OwnerWindow() const;

    basewindow::CBaseWindow* m_owner;
    CPopupMenu** m_popups;
    unsigned short m_capacity;
    unsigned short m_count;
    bool m_attached;
};

// An unchecked text entry at the end of a popup (mask MIIM_STATE | MIIM_ID | MIIM_TYPE).
bool InsertTextEntry(CPopupMenu& popup, UINT id, const wchar_t* label);

}}}

#endif
