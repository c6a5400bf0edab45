#ifndef VROK_USER_GRAPHIC_H
#define VROK_USER_GRAPHIC_H

#include "vrok_data/vrok_kernelobject.h"
#include "vrok_user/vrok_dll.h"
#include "vrok_user/vrok_gdiobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace graphics {

// A window's device context, taken with GetDC and given back with ReleaseDC.
class CHdcObject : public data::type::kernelobject::CKernelObject<HDC>
{
public:
    CHdcObject() : m_window(nullptr) {}
    ~CHdcObject();

    // ReleaseDC when both the window and the device context are known; the window is kept.
    bool Close() override;

    HWND GetWindow() const { return m_window; }

protected:
    HWND m_window;
};

// The drawing context of one drawing routine: a local object made on the window it paints.
// Every font, pen and brush selected through it is taken back when it goes, so the device
// context ends up holding exactly the objects it held before.
class CGraphic final : public CHdcObject
{
public:
    // Thrown when a font, pen or brush without platform object is selected.
    class CExceptionBadObject {};

    typedef BOOL(WINAPI* GradientFillEntry)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    explicit CGraphic(HWND window);
    ~CGraphic();

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

    COLORREF GetBkColor() const { return m_bkColour; }
    COLORREF GetTextColor() const { return m_textColour; }
    int GetInitialBkMode() const { return m_bkMode; }
    bool IsPainting() const { return m_painting; }
    const RECT& GetUpdateRect() const { return m_updateRect; }

private:
    void SelectIntoSlot(HGDIOBJ object, HGDIOBJ& slot);
    void RestoreSlot(HGDIOBJ& slot);

    HGDIOBJ m_fontSlot;
    HGDIOBJ m_penSlot;
    HGDIOBJ m_brushSlot;
    COLORREF m_bkColour;
    COLORREF m_textColour;
    PAINTSTRUCT m_paint;
    int m_bkMode;
    data::type::kernelobject::CDll m_msimg32;
    RECT m_updateRect;
    GradientFillEntry m_gradientFill;
    bool m_painting;
};

}}}

#endif
