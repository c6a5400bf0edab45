#ifndef VROK_USER_REPORTLIST_H
#define VROK_USER_REPORTLIST_H

#include "vrok_user/vrok_control.h"

#include <commctrl.h>

#include <cstddef>

namespace vrok { namespace user { namespace controls { namespace reportlist {

// The platform's list view as a table whose rows its parent keeps (report view, owner data):
// the parent gives each cell's text and picture when the list asks (LVN_GETDISPINFO), and a
// click selects a whole row. Pictures come from an image list the list only borrows.
class CReportList : public CChildControl
{
public:
    CReportList();

    using CChildControl::Create;
    // A child list of the parent, with a sunken edge, placed by a later Move.
    virtual bool Create(CBaseWindow* parent);

    // Appends a column under the title, its texts against its right edge when asked.
    void AddColumn(const wchar_t* title, bool rightAligned);
    // How wide a column's title is in the list's font.
    int TitleWidth(int column) const;
    void SetColumnWidth(int column, int width);

    // The pictures of the rows' first cells; the list never destroys them.
    void SetSmallImages(HIMAGELIST images);
    // The number of rows; their cells are asked for when they show.
    void SetRowCount(size_t count);
    // Has the rows that show asked for again.
    void Refresh();

    // The header's sort arrow on that column alone, upwards for an ascending order.
    void ShowSortArrow(int column, bool ascending);
    // Selects the row, gives it the focus mark and scrolls it into view.
    void SelectRow(size_t row);
};

}}}}

#endif
