#include "vrok_user/vrok_label.h"

namespace vrok { namespace user { namespace controls { namespace label {

bool CLabel::Create(CBaseWindow* parent, Shortening shortening)
{
    const DWORD ellipsis = shortening == Shortening::PathMiddle ? SS_PATHELLIPSIS : SS_ENDELLIPSIS;
    return CControl::Create(parent, L"STATIC", 0, nullptr, 0, 0, 0, 0, 0,
                            WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | ellipsis);
}

}}}}
