#ifndef VROK_USER_TEXTFIELD_H
#define VROK_USER_TEXTFIELD_H

#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"

namespace vrok { namespace user { namespace controls { namespace text {

// The common part of the two text fields: a platform edit control with identifier 0 that owns
// the font it is given. The fields differ only in the styles they always add.
class CTextField : public CChildControl
{
public:
    ~CTextField() override;

    using CChildControl::Create;
    // With style 0 the field has a border and turns every typed letter into lower case.
    virtual bool Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style);

    // The field takes the font over (a font it held before is deleted) and redraws with it.
    void SetFont(graphics::CFont* font);
    graphics::CFont* GetFont() const { return m_font; }

protected:
    explicit CTextField(DWORD addedStyle) : m_addedStyle(addedStyle) {}

private:
    const DWORD m_addedStyle;
    graphics::CFont* m_font = nullptr;
};

}}}}

#endif
