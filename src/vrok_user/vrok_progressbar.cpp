#include "vrok_user/vrok_progressbar.h"

#include <commctrl.h>

namespace vrok { namespace user { namespace controls { namespace progressbar {

CProgressBar::CProgressBar()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

bool CProgressBar::Create(CBaseWindow* parent, int range)
{
    if (!CControl::Create(parent, PROGRESS_CLASSW, 0, nullptr, 0, 0, 0, 0, 0, WS_CHILD | WS_VISIBLE))
        return false;
    SendMessageW(m_handle, PBM_SETRANGE32, 0, range);
    return true;
}

void CProgressBar::SetPosition(int position)
{
    SendMessageW(m_handle, PBM_SETPOS, position, 0);
}

}}}}
