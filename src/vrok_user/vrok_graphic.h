#ifndef VROK_USER_GRAPHIC_H
#define VROK_USER_GRAPHIC_H

#include "vrok_user/vrok_devicecontext.h"
#include "vrok_user/vrok_dll.h"
#include "vrok_user/vrok_gdiobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace graphics {

// The drawing context of one drawing routine: a local object made on the window it paints,
// whose device context (GetDC) it gives back when it goes. Every font, pen and brush selected
// through it is taken back first, so the device context ends up holding exactly the objects it
// held before. Made for no window, it holds no device context and draws nothing: a null window
// would otherwise stand for the whole screen.
class CGraphic final
{
public:
    // Thrown when a font, pen or brush without platform object is selected.
    class CExceptionBadObject {};

    typedef BOOL(WINAPI* GradientFillEntry)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    explicit CGraphic(HWND window);
    ~CGraphic();
    CGraphic(const CGraphic&) = delete;
    CGraphic& operator=(const CGraphic&) = delete;

    // The device context; null when the graphic was made for no window.
    HDC GetHandle() const { return m_context.Get(); }

    // Validates the update region (when there is one); drawing still goes to the GetDC context.
    void BeginPaint();
    void EndPaint();

    void SelectFont(const CFont& font);
    void SelectPen(const CPen& pen);
    void SelectBrush(const CSolidBrush& brush);

    void SetBkColor(COLORREF colour);
    void SetTextColor(COLORREF colour);
    void SetBkMode(int mode);
    void TextOut(int x, int y, const wchar_t* text);

    // Copies the whole bitmap at its own size to (x, y); false when it holds no bitmap.
    bool DrawBitmap(const CBitmap& bitmap, int x, int y);

    // GradientFill of Msimg32.dll; FALSE and nothing drawn when the entry point was not found.
    BOOL GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);
    bool HasGradientFill() const { return m_gradientFill != nullptr; }

private:
    void SelectIntoSlot(HGDIOBJ object, HGDIOBJ& slot);
    void RestoreSlot(HGDIOBJ& slot);

    HWND m_window;
    CWindowContext m_context;
    HGDIOBJ m_fontSlot;
    HGDIOBJ m_penSlot;
    HGDIOBJ m_brushSlot;
    PAINTSTRUCT m_paint;
    data::type::kernelobject::CDll m_msimg32;
    GradientFillEntry m_gradientFill;
    bool m_painting;
};

}}}

#endif
