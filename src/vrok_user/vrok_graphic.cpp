#include "vrok_user/vrok_graphic.h"


namespace vrok { namespace user { namespace graphics {

namespace {
const COLORREF White = RGB(255, 255, 255);
}

CGraphic::CGraphic(HWND window)
    : m_window(window), m_context(window), m_fontSlot(nullptr),
      m_penSlot(nullptr), m_brushSlot(nullptr), m_paint(), m_gradientFill(nullptr), m_painting(false)
{
    ::SetBkColor(m_context.Get(), White);
    if (m_msimg32.Load(L"Msimg32.dll"))
        m_gradientFill = reinterpret_cast<GradientFillEntry>(
            reinterpret_cast<void*>(m_msimg32.FindEntryPoint("GradientFill")));
}

CGraphic::~CGraphic()
{
    RestoreSlot(m_penSlot);
    RestoreSlot(m_fontSlot);
    RestoreSlot(m_brushSlot);
    ::SetBkColor(m_context.Get(), White);
}

void CGraphic::BeginPaint()
{
    if (m_window != nullptr && ::GetUpdateRect(m_window, nullptr, FALSE))
    {
        ::BeginPaint(m_window, &m_paint);
        m_painting = true;
    }
    else
    {
        m_painting = false;
    }
}

void CGraphic::EndPaint()
{
    if (!m_painting)
        return;
    ::EndPaint(m_window, &m_paint);
    m_painting = false;
}

void CGraphic::SelectFont(const CFont& font)
{
    SelectIntoSlot(font.GetHandle(), m_fontSlot);
}

void CGraphic::SelectPen(const CPen& pen)
{
    SelectIntoSlot(pen.GetHandle(), m_penSlot);
}

void CGraphic::SelectBrush(const CSolidBrush& brush)
{
    SelectIntoSlot(brush.GetHandle(), m_brushSlot);
}

// The slot keeps the device context's first object of the kind: an earlier selection is
// undone before the new one, so the object that SelectObject hands back is always the original.
void CGraphic::SelectIntoSlot(HGDIOBJ object, HGDIOBJ& slot)
{
    if (object == nullptr)
        throw CExceptionBadObject();
    if (m_context.Get() == nullptr)
        return;
    RestoreSlot(slot);
    slot = SelectObject(m_context.Get(), object);
}

void CGraphic::RestoreSlot(HGDIOBJ& slot)
{
    if (slot == nullptr)
        return;
    SelectObject(m_context.Get(), slot);
    slot = nullptr;
}

void CGraphic::SetBkColor(COLORREF colour)
{
    ::SetBkColor(m_context.Get(), colour);
}

void CGraphic::SetTextColor(COLORREF colour)
{
    ::SetTextColor(m_context.Get(), colour);
}

void CGraphic::SetBkMode(int mode)
{
    ::SetBkMode(m_context.Get(), mode);
}

void CGraphic::TextOut(int x, int y, const wchar_t* text)
{
    if (text == nullptr)
        return;
    ::TextOutW(m_context.Get(), x, y, text, lstrlenW(text));
}

bool CGraphic::DrawBitmap(const CBitmap& bitmap, int x, int y)
{
    BITMAP record = {};
    if (m_context.Get() == nullptr || GetObjectW(bitmap.GetHandle(), sizeof(record), &record) == 0)
        return false;
    const CMemoryContext memory(m_context.Get());
    const CSelection selected(memory.Get(), bitmap.GetHandle());
    return !memory.IsNull() &&
           BitBlt(m_context.Get(), x, y, record.bmWidth, record.bmHeight, memory.Get(), 0, 0, SRCCOPY) != 0;
}

BOOL CGraphic::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    if (m_gradientFill == nullptr)
        return FALSE;
    return m_gradientFill(m_context.Get(), vertices, vertexCount, mesh, meshCount, mode);
}

}}}
