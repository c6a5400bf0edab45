#include "vrok_user/vrok_reportlist.h"

namespace vrok { namespace user { namespace controls { namespace reportlist {

namespace {

const int TitleCapacity = 128;

}

CReportList::CReportList()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

bool CReportList::Create(CBaseWindow* parent)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHAREIMAGELISTS;
    if (!CControl::Create(parent, WC_LISTVIEWW, 0, nullptr, 0, 0, 0, 0, WS_EX_CLIENTEDGE, style))
        return false;
    SendMessageW(m_handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    return true;
}

void CReportList::AddColumn(const wchar_t* title, bool rightAligned)
{
    const HWND header = reinterpret_cast<HWND>(SendMessageW(m_handle, LVM_GETHEADER, 0, 0));
    const int column = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    LVCOLUMNW description = {};
    description.mask = LVCF_TEXT | LVCF_FMT;
    description.fmt = rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    description.pszText = const_cast<wchar_t*>(title);
    SendMessageW(m_handle, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
}

int CReportList::TitleWidth(int column) const
{
    wchar_t title[TitleCapacity] = {};
    LVCOLUMNW description = {};
    description.mask = LVCF_TEXT;
    description.pszText = title;
    description.cchTextMax = TitleCapacity;
    SendMessageW(m_handle, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
    return static_cast<int>(SendMessageW(m_handle, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title)));
}

void CReportList::SetColumnWidth(int column, int width)
{
    SendMessageW(m_handle, LVM_SETCOLUMNWIDTH, column, width);
}

void CReportList::SetSmallImages(HIMAGELIST images)
{
    SendMessageW(m_handle, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void CReportList::SetRowCount(size_t count)
{
    SendMessageW(m_handle, LVM_SETITEMCOUNT, count, 0);
}

void CReportList::Refresh()
{
    InvalidateRect(m_handle, nullptr, FALSE);
}

void CReportList::ShowSortArrow(int column, bool ascending)
{
    const HWND header = reinterpret_cast<HWND>(SendMessageW(m_handle, LVM_GETHEADER, 0, 0));
    const int columns = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int index = 0; index < columns; ++index) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (index == column)
            item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
}

void CReportList::SelectRow(size_t row)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(m_handle, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(m_handle, LVM_ENSUREVISIBLE, row, FALSE);
}

}}}}
