#ifndef VESTIGON_LIST_ROWS_H
#define VESTIGON_LIST_ROWS_H

#include "lists/list_results.h"
#include "lists/list_texts.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The rows of a list window: one per entry, in the list's order or sorted by a column, each cell's
// text and the shield its result shows.
namespace lists {

enum Column { NameColumn, ResultColumn, DigestColumn, SizeColumn, ColumnCount };

// The shields of the rows and the summary, as pictures of the window's image list, and the
// picture of a row that has none.
enum ShieldImage { GreenImage, OrangeImage, RedImage };
const int NoImage = I_IMAGENONE;

// The rows in the list's order: row i shows entry i.
std::vector<size_t> RowsInListOrder(size_t entryCount);

// Sorts the rows (indices into the entries) by a column: names without regard to case, results
// OK first, then those that differ, are missing, are unreadable, the unchecked last; digests by
// their digits; sizes, the unknown first, by their value. Rows that compare equal keep the list's
// order, in either direction.
void SortRows(std::vector<size_t>& rows, const std::vector<ListEntry>& entries, Column column, bool ascending);

// The first row whose entry is not OK; the row count when there is none.
size_t FirstRowNotOk(const std::vector<size_t>& rows, const std::vector<ListEntry>& entries);

// The text of a cell: the name as listed, the result's word, the computed digest, the size as
// Explorer shows it ("2.93 KB"); empty while unknown.
std::wstring CellText(const ListEntry& entry, Column column, const ListTexts& texts);

int ImageOf(Result result);
int ImageOf(Shade shade);

}

#endif
