#include "vrok_user/vrok_stddialog.h"

#include <cstring>

namespace vrok { namespace user { namespace dialog { namespace stddialog {

// No owner, filter, folder, title or flags: the dialog shows the platform's own choices.
CStdDialogOpenFile::CStdDialogOpenFile() : OPENFILENAMEW(), m_file(FileBufferLength, L'\0')
{
    std::memset(static_cast<OPENFILENAMEW*>(this), 0, sizeof(OPENFILENAMEW));
    lStructSize = sizeof(OPENFILENAMEW);
    hInstance = GetModuleHandleW(nullptr);
    lpstrFile = m_file.data();
    nMaxFile = FileBufferLength;
}

}}}}
