#ifndef VROK_USER_TEXTFIELD_H
#define VROK_USER_TEXTFIELD_H

#include "vrok_user/vrok_control.h"

namespace vrok { namespace user { namespace controls { namespace text {

// The common part of the two text fields: a platform edit control with identifier 0. The fields
// differ only in the styles they always add.
class CTextField : public CChildControl
{
public:
    using CChildControl::Create;
    // With style 0 the field has a border and turns every typed letter into lower case.
    virtual bool Create(CBaseWindow* parent, const wchar_t* text, int x, int y, int width, int height,
                        DWORD exStyle, DWORD style);

protected:
    explicit CTextField(DWORD addedStyle) : m_addedStyle(addedStyle) {}

private:
    const DWORD m_addedStyle;
};

}}}}

#endif
