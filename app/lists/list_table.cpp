#include "lists/list_table.h"

#include "resource.h"

#include "lists/list_rows.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_gdiobject.h"

#include <algorithm>
#include <iterator>

using vrok::user::graphics::CBitmap;
using namespace lists;

namespace {

// Bitmap resources of the shields, in the order of the image list's pictures (ShieldImage):
// OK, missing or unreadable, differs.
const int ShieldBitmaps[] = {IDB_VERDICT_EQUAL, IDB_VERDICT_WARNING, IDB_VERDICT_DIFFERENT};
const COLORREF ShieldGround = RGB(255, 255, 225);
const int IconSize = 16;
const int ColumnWidths[ColumnCount] = {260, 90, 240, 90};
// Room beside a header's text: the margins and the sort arrow.
const int HeaderPadding = 28;

}

CListTable::CListTable() : m_sortColumn(-1), m_sortAscending(true), m_dpi(vrok::user::dpi::StandardDpi) {}

bool CListTable::Create(vrok::user::basewindow::CBaseWindow* window, const ListTexts& texts, int dpi)
{
    m_texts = texts;
    m_dpi = dpi;
    if (!m_view.Create(window))
        return false;
    MakeShields();
    AddColumns();
    return true;
}

// Each shield drawn for the density, brought down to the list's icon size, its pale ground made
// transparent. A picture that cannot be made stays empty: its rows show no shield.
void CListTable::MakeShields()
{
    m_shields.Create(Px(IconSize), Px(IconSize), static_cast<int>(std::size(ShieldBitmaps)));
    for (int bitmapId : ShieldBitmaps) {
        CBitmap shield;
        if (shield.LoadDrawingForDpi(bitmapId, m_dpi) == 0 || !shield.StretchTo(Px(IconSize), Px(IconSize)))
            shield.Close();
        m_shields.AddMasked(shield, ShieldGround);
    }
    m_view.SetSmallImages(m_shields.GetHandle());
}

void CListTable::AddColumns()
{
    const std::wstring* titles[ColumnCount] = {&m_texts.columnName, &m_texts.columnResult, &m_texts.columnDigest,
                                               &m_texts.columnSize};
    for (int column = 0; column < ColumnCount; ++column)
        m_view.AddColumn(titles[column]->c_str(), column == SizeColumn);
    FitColumns();
}

// At least the width the density gives it, and room for the header's text in the list's font.
int CListTable::ColumnWidth(int column) const
{
    return std::max(Px(ColumnWidths[column]), m_view.TitleWidth(column) + Px(HeaderPadding));
}

void CListTable::FitColumns()
{
    int others = 0;
    for (int column = NameColumn + 1; column < ColumnCount; ++column) {
        const int width = ColumnWidth(column);
        m_view.SetColumnWidth(column, width);
        others += width;
    }
    RECT client = {};
    m_view.GetClientRect(client);
    m_view.SetColumnWidth(NameColumn, std::max(ColumnWidth(NameColumn), static_cast<int>(client.right) - others));
}

int CListTable::Px(int value) const
{
    return vrok::user::dpi::Scale(value, m_dpi);
}

void CListTable::TakeEntries(std::vector<ListEntry>& entries)
{
    m_entries.swap(entries);
    m_rows = RowsInListOrder(m_entries.size());
    m_view.SetRowCount(m_entries.size());
}

void CListTable::ApplyResults(const std::vector<CheckedFile>& files)
{
    if (files.empty())
        return;
    for (const CheckedFile& file : files) {
        if (file.index >= m_entries.size())
            continue;
        ListEntry& entry = m_entries[file.index];
        entry.result = file.result;
        entry.computed = file.digest;
        entry.size = file.size;
        entry.sizeKnown = file.sizeKnown;
    }
    if (m_sortColumn >= 0)
        SortRows(m_rows, m_entries, static_cast<Column>(m_sortColumn), m_sortAscending);
    m_view.Refresh();
}

void CListTable::SortBy(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;
    SortRows(m_rows, m_entries, static_cast<Column>(column), m_sortAscending);
    m_view.ShowSortArrow(column, m_sortAscending);
    m_view.Refresh();
}

void CListTable::SelectFirstFailure()
{
    const size_t row = FirstRowNotOk(m_rows, m_entries);
    if (row < m_rows.size())
        m_view.SelectRow(row);
}

bool CListTable::GiveCell(NMLVDISPINFOW& info) const
{
    LVITEMW& item = info.item;
    if (info.hdr.hwndFrom != m_view.GetHandle())
        return false;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.size())
        return true;
    const ListEntry& entry = m_entries[m_rows[item.iItem]];
    if (item.mask & LVIF_IMAGE)
        item.iImage = ImageOf(entry.result);
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0 && item.iSubItem >= 0 &&
        item.iSubItem < ColumnCount)
        lstrcpynW(item.pszText, CellText(entry, static_cast<Column>(item.iSubItem), m_texts).c_str(), item.cchTextMax);
    return true;
}

vrok::user::graphics::CIcon CListTable::MakeShieldIcon(Shade shade) const
{
    return m_shields.MakeIcon(ImageOf(shade));
}

void CListTable::Release()
{
    m_view.SetSmallImages(nullptr);
}
