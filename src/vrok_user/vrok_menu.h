#ifndef VROK_USER_MENU_H
#define VROK_USER_MENU_H

#include "vrok_data/vrok_kernelobject.h"
#include "vrok_user/vrok_basewindow.h"

#include <windows.h>

#include <vector>

namespace vrok { namespace user { namespace menu {

struct CMenuTraits
{
    typedef HMENU Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle menu) { return DestroyMenu(menu); }
};

typedef data::type::kernelobject::CUniqueHandle<CMenuTraits> CMenuHandle;

// The entries of a popup menu, whose handle a derived class holds: CBarPopup borrows it from
// the menu bar, CPopupMenu owns it.
class CPopupEntries
{
public:
    virtual ~CPopupEntries() = default;

    virtual HMENU GetHandle() const = 0;
    bool IsNull() const { return GetHandle() == nullptr; }

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
};

// A popup of a menu bar, which owns and destroys it.
class CBarPopup final : public CPopupEntries
{
public:
    explicit CBarPopup(HMENU menu) : m_menu(menu) {}

    HMENU GetHandle() const override { return m_menu; }

private:
    HMENU m_menu;
};

// A popup menu of its own (CreatePopupMenu), destroyed with the object unless a menu bar has
// taken it over (CMenu::AppendPopup).
class CPopupMenu final : public CPopupEntries
{
public:
    CPopupMenu() = default;
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;

    // CreatePopupMenu; a popup held before is destroyed. False when no menu was made.
    bool Create();

    HMENU GetHandle() const override { return m_owned.Get(); }

private:
    friend class CMenu;
    // The bar takes the handle over; the object is left empty.
    HMENU HandOver() { return m_owned.Detach(); }

    CMenuHandle m_owned;
};

// The main window's menu bar (CreateMenu): up to five popups, stored in the order they are
// appended, so that an index into the array is the popup's menu-bar position.
//
// The bar is the object's until Attach puts it on its owner window; from then on the window
// destroys it (with its popups) when the window goes. An object that goes before its window
// takes the bar off the window and destroys it.
class CMenu final
{
public:
    // A menu position outside the popup array (5 or more, or a popup never appended).
    class COutBoundValue {};

    static const unsigned short Capacity = 5;

    explicit CMenu(basewindow::CBaseWindow* owner);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU GetHandle() const { return m_bar.Get(); }

    // Takes the popup's handle over and inserts it at a menu-bar position with the title; its
    // array index is the count of popups so far. False (the array is full or the platform
    // refused): the popup keeps its handle.
    bool AppendPopup(const wchar_t* title, CPopupMenu& popup, unsigned short position);

    // Replaces the title at a menu-bar position; false for a position of Capacity or more.
    bool SetPopupTitle(unsigned short position, const wchar_t* text);

    // The popup at a menu-bar position; raises COutBoundValue when there is none.
    CPopupEntries& GetPopup(unsigned short position);

    // Sets the text of the entry with that command id, wherever it sits in the bar's popups.
    bool SetEntryLabel(UINT id, const wchar_t* label);

    // SetMenu on the owner window and DrawMenuBar; true once the window shows the bar.
    bool Attach();

private:
    basewindow::CBaseWindow* m_owner;
    CMenuHandle m_bar;
    std::vector<CBarPopup> m_popups;
    bool m_attached;
};

}}}

#endif
