#include "vrok_user/vrok_menu.h"

#include <new>

namespace vrok { namespace user { namespace menu {

namespace {

// Popup titles read when the bar is built keep up to 49 characters.
const int TitleBufferLength = 50;
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

CPopupMenu::CPopupMenu() : m_inMenuBar(false)
{
}

CPopupMenu::~CPopupMenu()
{
    Close();
}

bool CPopupMenu::Create()
{
    Close();
    m_inMenuBar = false;
    m_handle = CreatePopupMenu();
    return m_handle != nullptr;
}

bool CPopupMenu::Close()
{
    if (m_handle == nullptr)
        return false;
    const bool owned = !m_inMenuBar;
    const BOOL destroyed = owned ? DestroyMenu(m_handle) : FALSE;
    m_handle = nullptr;
    return owned && destroyed == 1;
}

bool CPopupMenu::InsertTextEntry(UINT id, const wchar_t* label)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE | MIIM_ID | MIIM_TYPE);
    item.fType = MFT_STRING;
    item.fState = 0;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return m_handle != nullptr && InsertMenuItemW(m_handle, id, FALSE, &item) != FALSE;
}

bool CPopupMenu::InsertCheckableEntry(UINT id, const wchar_t* label, UINT type, UINT state)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE | MIIM_ID | MIIM_CHECKMARKS | MIIM_TYPE);
    item.fType = type;
    item.fState = state;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return m_handle != nullptr && InsertMenuItemW(m_handle, id, FALSE, &item) != FALSE;
}

bool CPopupMenu::InsertSeparator()
{
    MENUITEMINFOW item = NewItemInfo(MIIM_FTYPE);
    item.fType = MFT_SEPARATOR;
    return m_handle != nullptr && InsertMenuItemW(m_handle, EndOfMenu, FALSE, &item) != FALSE;
}

bool CPopupMenu::SetEntryState(UINT id, UINT state)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_STATE);
    item.fState = state;
    return m_handle != nullptr && SetMenuItemInfoW(m_handle, id, FALSE, &item) != FALSE;
}

bool InsertTextEntry(CPopupMenu& popup, UINT id, const wchar_t* label)
{
    return popup.InsertTextEntry(id, label);
}

CMenu::CMenu(basewindow::CBaseWindow* owner)
    : m_owner(owner), m_popups(new CPopupMenu*[Capacity]()), m_capacity(Capacity), m_count(0),
      m_attached(false)
{
    m_handle = CreateMenu();
}

CMenu::~CMenu()
{
    Close();
    // The popups' handles went with the bar; the objects are the menu's.
    for (unsigned short index = 0; index < m_count; ++index)
        delete m_popups[index];
    delete[] m_popups;
}

HWND CMenu::OwnerWindow() const
{
    return m_owner != nullptr ? m_owner->GetHandle() : nullptr;
}

bool CMenu::Close()
{
    if (m_handle == nullptr)
        return false;
    HWND window = OwnerWindow();
    // A bar put on a window that is gone was destroyed with that window.
    if (m_attached && (window == nullptr || !IsWindow(window))) {
        m_handle = nullptr;
        return false;
    }
    if (window != nullptr && GetMenu(window) == m_handle)
        SetMenu(window, nullptr);
    const BOOL destroyed = DestroyMenu(m_handle);
    m_handle = nullptr;
    m_attached = false;
    return destroyed == 1;
}

bool CMenu::AppendPopup(const wchar_t* section, CPopupMenu* popup, const wchar_t* languageFilePath,
                        unsigned short position)
{
    wchar_t title[TitleBufferLength] = {};
    GetPrivateProfileStringW(section, L"menu_title", L"", title, TitleBufferLength, languageFilePath);
    if (m_count >= m_capacity || popup == nullptr || popup->IsNull() || m_handle == nullptr)
        return false;

    MENUITEMINFOW item = NewItemInfo(MIIM_SUBMENU | MIIM_STRING);
    item.hSubMenu = popup->GetHandle();
    item.dwTypeData = title;
    if (!InsertMenuItemW(m_handle, position, TRUE, &item))
        return false;
    m_popups[m_count++] = popup;
    popup->HandOverToMenuBar();
    return true;
}

bool CMenu::SetPopupTitle(unsigned short position, const wchar_t* text)
{
    if (position >= m_capacity || m_handle == nullptr)
        return false;
    MENUITEMINFOW item = NewItemInfo(MIIM_STRING);
    item.dwTypeData = const_cast<wchar_t*>(text);
    return SetMenuItemInfoW(m_handle, position, TRUE, &item) != FALSE;
}

CPopupMenu& CMenu::GetPopup(unsigned short position) const
{
    if (position >= m_count || m_popups[position] == nullptr)
        throw COutBoundValue();
    return *m_popups[position];
}

bool CMenu::SetEntryLabel(UINT id, const wchar_t* label)
{
    MENUITEMINFOW item = NewItemInfo(MIIM_TYPE);
    item.fType = MFT_STRING;
    item.dwTypeData = const_cast<wchar_t*>(label);
    return m_handle != nullptr && SetMenuItemInfoW(m_handle, id, FALSE, &item) != FALSE;
}

bool CMenu::Attach()
{
    HWND window = OwnerWindow();
    if (window == nullptr || m_handle == nullptr || !SetMenu(window, m_handle))
        return false;
    m_attached = true;
    DrawMenuBar(window);
    return true;
}

void CMenu::Redraw()
{
    HWND window = OwnerWindow();
    if (window != nullptr)
        DrawMenuBar(window);
}

}}}
