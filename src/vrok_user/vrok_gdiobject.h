#ifndef VROK_USER_GDIOBJECT_H
#define VROK_USER_GDIOBJECT_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace graphics {

template <typename T>
struct CGdiTraits
{
    typedef T Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle object) { return DeleteObject(object); }
};

// Owner of one drawing object (font, pen, brush, bitmap), released with DeleteObject.
template <typename T>
class CGdiObject
{
public:
    bool Close() { return m_object.Close(); }
    T GetHandle() const { return m_object.Get(); }
    bool IsNull() const { return !m_object.IsValid(); }

protected:
    // Takes a newly made handle; a handle held before is released first, so that a second
    // creation never leaks the first object.
    bool Adopt(T handle) { return m_object.Reset(handle); }

private:
    data::type::kernelobject::CUniqueHandle<CGdiTraits<T>> m_object;
};

// A font described by the object's own LOGFONTW: the owner sets lfHeight (and possibly the
// face) and then calls Create. Defaults: height 10, fixed-pitch modern Verdana.
class CFont final : public CGdiObject<HFONT>, public LOGFONTW
{
public:
    CFont();

    // CreateFontIndirectW of the description; false when the platform made no font.
    bool Create();
    void SetFaceName(const wchar_t* faceName);
};

// A pen of a style, a width and a colour; Create makes the platform pen.
class CPen final : public CGdiObject<HPEN>
{
public:
    explicit CPen(COLORREF colour = RGB(0, 0, 0), int width = 1, int style = PS_SOLID);

    bool Create();

private:
    int m_width;
    int m_style;
    COLORREF m_colour;
};

// A solid brush of one colour; Create makes the platform brush.
class CSolidBrush final : public CGdiObject<HBRUSH>
{
public:
    explicit CSolidBrush(COLORREF colour = RGB(255, 255, 255));

    bool Create();

private:
    COLORREF m_colour;
};

// A bitmap loaded from the program's own resources.
class CBitmap final : public CGdiObject<HBITMAP>
{
public:
    CBitmap() = default;

    // LoadImageW of a bitmap resource of the program's module, at its own size; true when the
    // resource was found. A bitmap held before is released.
    virtual bool LoadFromResource(const wchar_t* name, UINT flags = LR_DEFAULTCOLOR);

    // A picture that the program keeps drawn at three scales: at 1x under `id`, at 1.5x under
    // id + Drawn150Offset and at 2x under id + Drawn200Offset. Loads the drawing made for the
    // density; for any other density the nearest larger drawing (the 2x one above 192),
    // stretched to the size the density asks. At 96 exactly what LoadFromResource(id, 0) loads.
    bool LoadForDpi(int id, int dpi);

    // The drawing LoadForDpi starts from, at its own size: the percentage it was drawn at (100,
    // 150 or 200), 0 when the resource was not found.
    int LoadDrawingForDpi(int id, int dpi);

    // Replaces the bitmap held by a copy stretched to the size, averaging its pixels (HALFTONE);
    // false, the bitmap unchanged, when none is held or the system cannot make the copy.
    bool StretchTo(int width, int height);

    static const int Drawn150Offset = 1000;
    static const int Drawn200Offset = 2000;
};

}}}

#endif
