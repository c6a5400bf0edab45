#include "window/keys_window.h"

#include "resource.h"
#include "settings/command_ids.h"
#include "settings/profile_files.h"
#include "settings/program_messages.h"
#include "signatures/signature_result.h"
#include "vrok_data/vrok_utf8.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_messagebox.h"

#include <commctrl.h>

using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;
using vrok::data::type::string::WideFromUtf8;

const wchar_t CKeysWindow::ClassName[] = L"VESTIGON_KEYS_WINDOW_CLASSNAME";

namespace {

const int Width = 640;
const int Height = 300;
const int Margin = 6;
const int ButtonWidth = 110;
const int ButtonHeight = 24;
const int FontHeight = 13;
const int ColumnWidths[] = {330, 200, 90};

}

CKeysWindow::CKeysWindow()
    : m_store(nullptr), m_dpi(vrok::user::dpi::StandardDpi), m_list(nullptr), m_remove(nullptr)
{
}

CKeysWindow::~CKeysWindow()
{
    DestroyUnheard();
}

std::wstring CKeysWindow::Text(const wchar_t* key) const
{
    return ReadProfileString(m_languageFile.c_str(), profile::SectionKeysWindow, key, profile::ValueBufferLength);
}

int CKeysWindow::Px(int value) const
{
    return vrok::user::dpi::Scale(value, m_dpi);
}

bool CKeysWindow::Open(CBaseWindow* owner, signatures::CKeyStore& store, const wchar_t* languageFilePath)
{
    m_store = &store;
    m_languageFile = languageFilePath != nullptr ? languageFilePath : L"";
    CWindowClass windowClass;
    windowClass.lpszClassName = ClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VESTIGON));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.Register();
    m_dpi = vrok::user::dpi::DpiOfWindow(owner != nullptr ? owner->GetHandle() : nullptr);
    return CControl::Create(owner, ClassName, 0, Text(L"title").c_str(), CW_USEDEFAULT, CW_USEDEFAULT, Px(Width),
                            Px(Height), WS_EX_APPWINDOW, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}

void CKeysWindow::OnCreate()
{
    m_dpi = vrok::user::dpi::DpiOfWindow(m_handle);
    HINSTANCE module = GetModuleHandleW(nullptr);
    m_list = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0,
                               0, 0, 0, m_handle, nullptr, module, nullptr);
    m_remove = ::CreateWindowExW(0, L"BUTTON", Text(L"remove").c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                 0, 0, 0, 0, m_handle,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(commands::RemoveKey)), module, nullptr);
    m_font.reset(new vrok::user::graphics::CFont());
    m_font->lfHeight = -Px(FontHeight);
    m_font->SetFaceName(L"Tahoma");
    m_font->Create();
    for (HWND control : {m_list, m_remove})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font->GetHandle()), TRUE);
    SendMessageW(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const wchar_t* titles[] = {L"column_fingerprint", L"column_owner", L"column_origin"};
    for (int column = 0; column < 3; ++column) {
        const std::wstring title = Text(titles[column]);
        LVCOLUMNW description = {};
        description.mask = LVCF_TEXT | LVCF_WIDTH;
        description.cx = Px(ColumnWidths[column]);
        description.pszText = const_cast<wchar_t*>(title.c_str());
        SendMessageW(m_list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
    }
    ShowKeys();
    Layout();
}

void CKeysWindow::ShowKeys()
{
    if (m_store == nullptr || m_list == nullptr)
        return;
    m_shown = m_store->List();
    SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t row = 0; row < m_shown.size(); ++row) {
        const signatures::KnownKey& key = m_shown[row];
        const std::wstring cells[] = {signatures::GroupedFingerprint(key.fingerprint), WideFromUtf8(key.userId),
                                      Text(key.origin == signatures::KeyOrigin::Shipped ? L"origin_shipped"
                                                                                        : L"origin_added")};
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<wchar_t*>(cells[0].c_str());
        SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 3; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<wchar_t*>(cells[column].c_str());
            SendMessageW(m_list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    UpdateRemoveButton();
}

void CKeysWindow::Layout()
{
    if (m_list == nullptr)
        return;
    RECT client = {};
    ::GetClientRect(m_handle, &client);
    const int buttonTop = client.bottom - Px(Margin) - Px(ButtonHeight);
    MoveWindow(m_list, 0, 0, client.right, buttonTop - Px(Margin), TRUE);
    MoveWindow(m_remove, client.right - Px(Margin) - Px(ButtonWidth), buttonTop, Px(ButtonWidth), Px(ButtonHeight), TRUE);
}

bool CKeysWindow::OnSize(int, int)
{
    Layout();
    return true;
}

// Only keys the user added can be removed.
void CKeysWindow::UpdateRemoveButton()
{
    const LRESULT row = SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    const bool added = row >= 0 && static_cast<size_t>(row) < m_shown.size() &&
                       m_shown[static_cast<size_t>(row)].origin == signatures::KeyOrigin::Added;
    EnableWindow(m_remove, added ? TRUE : FALSE);
}

void CKeysWindow::RemoveSelected()
{
    const LRESULT row = SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (m_store == nullptr || row < 0 || static_cast<size_t>(row) >= m_shown.size())
        return;
    const signatures::CKeyStore::Change change = m_store->Remove(m_shown[static_cast<size_t>(row)].fingerprint);
    ShowKeys();
    if (GetParentWindow() != nullptr)
        PostMessageW(GetParentWindow()->GetHandle(), WM_KEYS_CHANGED, 0, 0);
    if (change == signatures::CKeyStore::Change::HeldForRun)
        vrok::user::messagebox::ShowInfoMessage(
            L"%s", ReadProfileString(m_languageFile.c_str(), profile::SectionMessages, profile::KeyKeyNotRemoved,
                                     profile::ValueBufferLength).c_str());
}

bool CKeysWindow::OnCommand(int id, int, HWND)
{
    if (id == commands::RemoveKey)
        RemoveSelected();
    return true;
}

bool CKeysWindow::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom == m_list && header.code == LVN_ITEMCHANGED)
        UpdateRemoveButton();
    return false;
}

bool CKeysWindow::Close()
{
    NotifyParentOfClose(vrok::user::controls::ControlClosedToolWindow);
    return CBaseWindow::Close();
}

bool CKeysWindow::OnClose()
{
    Close();
    return true;
}
