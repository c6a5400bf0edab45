#include "lists/list_rows.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>

namespace lists {

namespace {

// Where a result sorts: OK first, then what needs looking at, the unchecked last.
int RankOf(Result result)
{
    switch (result) {
    case Result::Ok: return 0;
    case Result::Differs: return 1;
    case Result::Missing: return 2;
    case Result::Unreadable: return 3;
    default: return 4;
    }
}

// Negative, zero or positive as the first entry sorts before, with or after the second.
int CompareEntries(const ListEntry& first, const ListEntry& second, Column column)
{
    switch (column) {
    case NameColumn: return lstrcmpiW(first.name.c_str(), second.name.c_str());
    case ResultColumn: return RankOf(first.result) - RankOf(second.result);
    case DigestColumn: return first.computed.compare(second.computed);
    default:
        if (first.sizeKnown != second.sizeKnown)
            return first.sizeKnown ? 1 : -1;
        return first.size < second.size ? -1 : first.size > second.size ? 1 : 0;
    }
}

std::wstring ByteSizeText(unsigned long long size)
{
    wchar_t text[64] = {};
    return StrFormatByteSizeW(static_cast<LONGLONG>(size), text, 64) != nullptr ? std::wstring(text) : std::wstring();
}

}

std::vector<size_t> RowsInListOrder(size_t entryCount)
{
    std::vector<size_t> rows(entryCount);
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    return rows;
}

void SortRows(std::vector<size_t>& rows, const std::vector<ListEntry>& entries, Column column, bool ascending)
{
    std::stable_sort(rows.begin(), rows.end(), [&](size_t first, size_t second) {
        const int order = CompareEntries(entries[first], entries[second], column);
        if (order == 0)
            return first < second;
        return ascending ? order < 0 : order > 0;
    });
}

size_t FirstRowNotOk(const std::vector<size_t>& rows, const std::vector<ListEntry>& entries)
{
    for (size_t row = 0; row < rows.size(); ++row)
        if (entries[rows[row]].result != Result::Ok)
            return row;
    return rows.size();
}

std::wstring CellText(const ListEntry& entry, Column column, const ListTexts& texts)
{
    switch (column) {
    case NameColumn: return entry.name;
    case ResultColumn: return texts.ResultText(entry.result);
    case DigestColumn: return entry.computed;
    case SizeColumn: return entry.sizeKnown ? ByteSizeText(entry.size) : std::wstring();
    default: return std::wstring();
    }
}

int ImageOf(Result result)
{
    switch (result) {
    case Result::Ok: return GreenImage;
    case Result::Differs: return RedImage;
    case Result::Missing:
    case Result::Unreadable: return OrangeImage;
    default: return NoImage;
    }
}

int ImageOf(Shade shade)
{
    switch (shade) {
    case Shade::Green: return GreenImage;
    case Shade::Red: return RedImage;
    default: return OrangeImage;
    }
}

}
