#include "vrok_user/vrok_classbrush.h"

namespace vrok { namespace user { namespace graphics {

HBRUSH ClassBackgroundBrush(const wchar_t* className, COLORREF colour)
{
    WNDCLASSEXW registered = {};
    registered.cbSize = sizeof(registered);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &registered) && registered.hbrBackground != nullptr)
        return registered.hbrBackground;
    return CreateSolidBrush(colour);
}

}}}
