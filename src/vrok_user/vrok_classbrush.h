#ifndef VROK_USER_CLASSBRUSH_H
#define VROK_USER_CLASSBRUSH_H

#include <windows.h>

namespace vrok { namespace user { namespace graphics {

// The background brush for a window class that is registered on every creation of one of its
// windows: the brush of the class already registered under that name, or else a new solid
// brush of the colour, which the class owns once registered. A second window of the class
// thus makes no brush that nothing would ever delete.
HBRUSH ClassBackgroundBrush(const wchar_t* className, COLORREF colour);

}}}

#endif
