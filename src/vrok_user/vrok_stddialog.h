#ifndef VROK_USER_STDDIALOG_H
#define VROK_USER_STDDIALOG_H

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace vrok { namespace user { namespace dialog { namespace stddialog {

// The description of the platform's open-file dialog together with the buffer it fills,
// ready to run: the caller adds a filter (and anything else it wants), passes the object to
// GetOpenFileNameW and, after success, reads the chosen path from FilePath().
// The buffer belongs to the object and holds the longest path the system knows
// (32,767 characters), so a file deep in a folder tree can be chosen too.
class CStdDialogOpenFile : public OPENFILENAMEW
{
public:
    static const int FileBufferLength = 32768;

    CStdDialogOpenFile();
    virtual ~CStdDialogOpenFile() = default;
    CStdDialogOpenFile(const CStdDialogOpenFile&) = delete;
    CStdDialogOpenFile& operator=(const CStdDialogOpenFile&) = delete;

    // The chosen file's full path (empty before a successful run).
    const wchar_t* FilePath() const { return m_file.data(); }

private:
    std::vector<wchar_t> m_file;
};

}}}}

#endif
