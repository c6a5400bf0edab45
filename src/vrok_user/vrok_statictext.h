#ifndef VROK_USER_STATICTEXT_H
#define VROK_USER_STATICTEXT_H

#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"

namespace vrok { namespace user { namespace controls { namespace text {

// A read-only edit field: the user can select and copy its text but not type into it.
class CStaticText : public CChildControl
{
public:
    CStaticText() = default;
    ~CStaticText() override;

    using CChildControl::Create;
    virtual bool Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style);

    // The field takes the font over (a font it held before is deleted) and redraws with it.
    void SetFont(graphics::CFont* font);
    graphics::CFont* GetFont() const { return m_font; }

private:
    graphics::CFont* m_font = nullptr;
};

}}}}

#endif
