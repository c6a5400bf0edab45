#ifndef VESTIGON_LIST_TABLE_H
#define VESTIGON_LIST_TABLE_H

#include "lists/list_check_job.h"
#include "lists/list_results.h"
#include "lists/list_texts.h"
#include "vrok_user/vrok_imagelist.h"
#include "vrok_user/vrok_reportlist.h"

#include <string>
#include <vector>

// The table of a list window: one row per checksum line (the name as listed, the result with its
// shield, the computed digest, the size), the entries the rows show, and their order, the list's
// or that of a column whose header was clicked.
class CListTable
{
public:
    CListTable();

    // Makes the table in the window at the density: its shields, its columns under the titles.
    bool Create(vrok::user::basewindow::CBaseWindow* window, const lists::ListTexts& texts, int dpi);
    void SetDpi(int dpi) { m_dpi = dpi; }

    // The entries of the list just read replace those held, in the list's order.
    void TakeEntries(std::vector<lists::ListEntry>& entries);
    // Results of the entries they name; the rows keep the order of the sort column.
    void ApplyResults(const std::vector<lists::CheckedFile>& files);
    // Sorts by the column, the other way when it sorted by it already.
    void SortBy(int column);
    void SelectFirstFailure();
    // The name column takes the room the table has beyond the other columns' widths.
    void FitColumns();
    // Gives a row's cell as the list asks for it; false for another list's question.
    bool GiveCell(NMLVDISPINFOW& info) const;
    // The shield of the summary's colour.
    vrok::user::graphics::CIcon MakeShieldIcon(lists::Shade shade) const;
    // Before the window goes: the list lets go of the shields.
    void Release();

    const std::vector<lists::ListEntry>& Entries() const { return m_entries; }
    vrok::user::controls::reportlist::CReportList& View() { return m_view; }
    const vrok::user::controls::reportlist::CReportList& View() const { return m_view; }

private:
    void MakeShields();
    void AddColumns();
    int ColumnWidth(int column) const;
    int Px(int value) const;

    std::vector<lists::ListEntry> m_entries;
    // The entry each row shows, in the order of the sort column (the list's order at first).
    std::vector<size_t> m_rows;
    int m_sortColumn;
    bool m_sortAscending;
    int m_dpi;
    lists::ListTexts m_texts;
    // The shields outlive the list that shows them.
    vrok::user::graphics::CImageList m_shields;
    vrok::user::controls::reportlist::CReportList m_view;
};

#endif
