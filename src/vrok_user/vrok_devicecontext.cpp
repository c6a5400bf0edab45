#include "vrok_user/vrok_devicecontext.h"

#include "vrok_user/vrok_gdiobject.h"

namespace vrok { namespace user { namespace graphics {

CLentContext::~CLentContext()
{
    if (m_context != nullptr)
        ReleaseDC(m_window, m_context);
}

CScreenContext::CScreenContext() : CLentContext(nullptr, GetDC(nullptr)) {}

CWindowContext::CWindowContext(HWND window) : CLentContext(window, window != nullptr ? GetDC(window) : nullptr) {}

CSelection::CSelection(HDC context, HGDIOBJ object)
    : m_context(context), m_previous(context != nullptr && object != nullptr ? SelectObject(context, object) : nullptr)
{
}

CSelection::~CSelection()
{
    if (m_previous != nullptr)
        SelectObject(m_context, m_previous);
}

SIZE MeasureText(const CFont& font, const wchar_t* text)
{
    SIZE size = {};
    const CScreenContext screen;
    const CSelection selected(screen.Get(), font.GetHandle());
    if (screen.Get() == nullptr || text == nullptr ||
        !GetTextExtentPoint32W(screen.Get(), text, lstrlenW(text), &size))
        return SIZE();
    return size;
}

int MeasureLineHeight(const CFont& font)
{
    TEXTMETRICW metrics = {};
    const CScreenContext screen;
    const CSelection selected(screen.Get(), font.GetHandle());
    if (screen.Get() == nullptr || !GetTextMetricsW(screen.Get(), &metrics))
        return 0;
    return metrics.tmHeight;
}

}}}
