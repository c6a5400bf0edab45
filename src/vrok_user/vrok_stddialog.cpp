#include "vrok_user/vrok_stddialog.h"

#include <cstring>

namespace vrok { namespace user { namespace dialog { namespace stddialog {

// No owner, filter, folder or title: the dialog shows the platform's own choices. It leaves the
// working folder where it was, so that names given relative to it keep their meaning.
CStdDialogOpenFile::CStdDialogOpenFile() : OPENFILENAMEW(), m_file(FileBufferLength, L'\0')
{
    std::memset(static_cast<OPENFILENAMEW*>(this), 0, sizeof(OPENFILENAMEW));
    lStructSize = sizeof(OPENFILENAMEW);
    Flags = OFN_NOCHANGEDIR;
    hInstance = GetModuleHandleW(nullptr);
    lpstrFile = m_file.data();
    nMaxFile = FileBufferLength;
}

}}}}
