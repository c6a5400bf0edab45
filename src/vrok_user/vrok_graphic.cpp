#include "vrok_user/vrok_graphic.h"

#include <cstring>

namespace vrok { namespace user { namespace graphics {

namespace {
const COLORREF White = RGB(255, 255, 255);
}

CHdcObject::~CHdcObject()
{
    Close();
}

bool CHdcObject::Close()
{
    if (m_window == nullptr || m_handle == nullptr)
        return false;
    const int released = ReleaseDC(m_window, m_handle);
    m_handle = nullptr;
    return released == 1;
}

CGraphic::CGraphic(HWND window)
    : m_fontSlot(nullptr), m_penSlot(nullptr), m_brushSlot(nullptr), m_bkColour(White),
      m_textColour(RGB(0, 0, 0)), m_paint(), m_bkMode(0), m_updateRect(), m_gradientFill(nullptr),
      m_painting(false)
{
    m_window = window;
    m_handle = GetDC(window);
    ::SetBkColor(m_handle, m_bkColour);
    std::memset(&m_paint, 0, sizeof(m_paint));
    if (m_msimg32.Load(L"Msimg32.dll"))
        m_gradientFill = reinterpret_cast<GradientFillEntry>(
            reinterpret_cast<void*>(m_msimg32.FindEntryPoint("GradientFill")));
    m_bkMode = GetBkMode(m_handle);
}

CGraphic::~CGraphic()
{
    RestoreSlot(m_penSlot);
    RestoreSlot(m_fontSlot);
    RestoreSlot(m_brushSlot);
    SetBkColor(White);
    m_gradientFill = nullptr;
    m_msimg32.Close();
    if (m_handle != nullptr)
    {
        ReleaseDC(m_window, m_handle);
        m_window = nullptr;
    }
    m_handle = nullptr;
}

void CGraphic::BeginPaint()
{
    if (::GetUpdateRect(m_window, &m_updateRect, FALSE))
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
    RestoreSlot(slot);
    slot = SelectObject(m_handle, object);
}

void CGraphic::RestoreSlot(HGDIOBJ& slot)
{
    if (slot == nullptr)
        return;
    SelectObject(m_handle, slot);
    slot = nullptr;
}

void CGraphic::SetBkColor(COLORREF colour)
{
    m_bkColour = colour;
    ::SetBkColor(m_handle, colour);
}

void CGraphic::SetTextColor(COLORREF colour)
{
    m_textColour = colour;
    ::SetTextColor(m_handle, colour);
}

void CGraphic::SetBkMode(int mode)
{
    ::SetBkMode(m_handle, mode);
}

void CGraphic::TextOut(int x, int y, const wchar_t* text)
{
    if (text == nullptr)
        return;
    ::TextOutW(m_handle, x, y, text, lstrlenW(text));
}

bool CGraphic::DrawBitmap(const CBitmap& bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(m_handle);
    BITMAP record;
    std::memset(&record, 0, sizeof(record));
    if (GetObjectW(bitmap.GetHandle(), sizeof(record), &record) == 0)
    {
        DeleteDC(memory);
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap.GetHandle());
    const BOOL copied = BitBlt(m_handle, x, y, record.bmWidth, record.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return copied != 0;
}

BOOL CGraphic::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    if (m_gradientFill == nullptr)
        return FALSE;
    return m_gradientFill(m_handle, vertices, vertexCount, mesh, meshCount, mode);
}

}}}
