#ifndef VROK_USER_DEVICECONTEXT_H
#define VROK_USER_DEVICECONTEXT_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>

namespace vrok { namespace user { namespace graphics {

class CFont;

// A device context that GetDC lent, given back with ReleaseDC when the object goes: the screen's
// (CScreenContext) or a window's (CWindowContext).
class CLentContext
{
public:
    CLentContext(const CLentContext&) = delete;
    CLentContext& operator=(const CLentContext&) = delete;

    // Null when the system lent none.
    HDC Get() const { return m_context; }

protected:
    CLentContext(HWND window, HDC context) : m_window(window), m_context(context) {}
    ~CLentContext();

private:
    HWND m_window;
    HDC m_context;
};

// The whole screen's device context.
class CScreenContext final : public CLentContext
{
public:
    CScreenContext();
};

// The client area's device context of a window; none for a null window, which would otherwise
// stand for the whole screen.
class CWindowContext final : public CLentContext
{
public:
    explicit CWindowContext(HWND window);
};

struct CMemoryContextTraits
{
    typedef HDC Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle context) { return DeleteDC(context); }
};

// A memory device context like another (CreateCompatibleDC), deleted with DeleteDC.
class CMemoryContext final
{
public:
    explicit CMemoryContext(HDC like) : m_context(CreateCompatibleDC(like)) {}

    HDC Get() const { return m_context.Get(); }
    bool IsNull() const { return !m_context.IsValid(); }

private:
    data::type::kernelobject::CUniqueHandle<CMemoryContextTraits> m_context;
};

// An object selected into a device context for as long as the selection lives: the object the
// context held before goes back when it goes, so the object can be deleted afterwards. A null
// context or object selects nothing.
class CSelection final
{
public:
    CSelection(HDC context, HGDIOBJ object);
    ~CSelection();
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_context;
    HGDIOBJ m_previous;
};

// The width and height of a line of text in the font, measured on the screen; zero when it
// cannot be measured.
SIZE MeasureText(const CFont& font, const wchar_t* text);

// The height of a line in the font (its cell, tmHeight) on the screen; 0 when it cannot be
// measured.
int MeasureLineHeight(const CFont& font);

}}}

#endif
