#include "vrok_user/vrok_menu.h"

namespace vrok { namespace user { namespace menu {

namespace {

// Inserting before an id that no entry carries appends at the end.
const UINT EndOfMenu = static_cast<UINT>(-1);

MENUITEMINFOW NewItemInfo(UINT mask)
{
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = mask;
    return item;
}

}

bool CPopupEntries::InsertTextEntry(UINT id, const wchar_t* label)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE | MIIM_ID | MIIM_TYPE);
    item.fType = MFT_STRING;
    item.fState = 0;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return !IsNull() && InsertMenuItemW(GetHandle(), id, FALSE, &item) != FALSE;
}

bool CPopupEntries::InsertCheckableEntry(UINT id, const wchar_t* label, UINT type, UINT state)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE | MIIM_ID | MIIM_CHECKMARKS | MIIM_TYPE);
    item.fType = type;
    item.fState = state;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return !IsNull() && InsertMenuItemW(GetHandle(), id, FALSE, &item) != FALSE;
}

bool CPopupEntries::InsertSeparator()
{
    MENUITEMINFOW item = NewItemInfo(MIIM_FTYPE);
    item.fType = MFT_SEPARATOR;
    return !IsNull() && InsertMenuItemW(GetHandle(), EndOfMenu, FALSE, &item) != FALSE;
}

bool CPopupEntries::SetEntryState(UINT id, UINT state)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE);
    item.fState = state;
    return !IsNull() && SetMenuItemInfoW(GetHandle(), id, FALSE, &item) != FALSE;
}

bool CPopupMenu::Create()
{
    return m_owned.Reset(CreatePopupMenu());
}

CMenu::CMenu(basewindow::CBaseWindow* owner) : m_owner(owner), m_bar(CreateMenu()), m_attached(false)
{
}

CMenu::~CMenu()
{
    HWND window = m_owner != nullptr ? m_owner->GetHandle() : nullptr;
    if (m_attached && window == nullptr)
        m_bar.Detach();  // destroyed with its window
    else if (window != nullptr && GetMenu(window) == m_bar.Get())
        SetMenu(window, nullptr);
}

bool CMenu::AppendPopup(const wchar_t* title, CPopupMenu& popup, unsigned short position)
{
    if (m_popups.size() >= Capacity || popup.IsNull() || !m_bar.IsValid())
        return false;
    MENUITEMINFOW item = NewItemInfo(MIIM_SUBMENU | MIIM_STRING);
    item.hSubMenu = popup.GetHandle();
    item.dwTypeData = const_cast<wchar_t*>(title);
    if (!InsertMenuItemW(m_bar.Get(), position, TRUE, &item))
        return false;
    m_popups.emplace_back(popup.HandOver());
    return true;
}

bool CMenu::SetPopupTitle(unsigned short position, const wchar_t* text)
{
    if (position >= Capacity || !m_bar.IsValid())
        return false;
    MENUITEMINFOW item = NewItemInfo(MIIM_STRING);
    item.dwTypeData = const_cast<wchar_t*>(text);
    return SetMenuItemInfoW(m_bar.Get(), position, TRUE, &item) != FALSE;
}

CPopupEntries& CMenu::GetPopup(unsigned short position)
{
    if (position >= m_popups.size())
        throw COutBoundValue();
    return m_popups[position];
}

bool CMenu::SetEntryLabel(UINT id, const wchar_t* label)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_TYPE);
    item.fType = MFT_STRING;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return m_bar.IsValid() && SetMenuItemInfoW(m_bar.Get(), id, FALSE, &item) != FALSE;
}

bool CMenu::Attach()
{
    HWND window = m_owner != nullptr ? m_owner->GetHandle() : nullptr;
    if (window == nullptr || !m_bar.IsValid() || !SetMenu(window, m_bar.Get()))
        return false;
    m_attached = true;
    DrawMenuBar(window);
    return true;
}

}}}
