#ifndef VESTIGON_COOL_CONTROL_H
#define VESTIGON_COOL_CONTROL_H

#include "resource.h"
#include "settings/program_messages.h"
#include "vrok_user/vrok_button.h"
#include "vrok_user/vrok_edittext.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_gradientcontrol.h"
#include "vrok_user/vrok_statictext.h"

#include <windows.h>

#include <memory>

// The field the user types the reference digest into: Enter asks the main window for a
// comparison instead of reaching the edit control.
class CReferenceField : public vrok::user::controls::text::CEditText
{
protected:
    bool OnChar(wchar_t character) override;
};

// The panel in the middle of the main window: a gradient panel titled with the language's
// window text, holding the input field for the reference digest, the read-only digest field
// and the compare button. It forwards its children's commands to its parent and passes the
// focus on to the input field; the main window reads and writes the children directly.
class CCoolControl : public vrok::user::controls::panel::CGradientControl
{
public:
    static constexpr int CompareButtonId = IDC_COMPARE_BUTTON;

    CCoolControl() = default;
    ~CCoolControl() override;

    // Builds the three children, laid out for the panel's density.
    void OnCreate() override;
    // Before creation: the density to build for. Afterwards: lays the children out again and
    // gives the fields a font of the new height.
    void SetDpi(int dpi) override;

    // Gives the digest field as many lines as its digest takes (at least one) and lays the
    // children out again; the height the panel needs beyond its one-line layout.
    int FitDigestToText();

    vrok::user::controls::text::CEditText* GetInputField() const { return m_inputField.get(); }
    vrok::user::controls::text::CStaticText* GetDigestField() const { return m_digestField.get(); }
    vrok::user::controls::button::CButton* GetCompareButton() const { return m_compareButton.get(); }

protected:
    // The focus goes on to the input field.
    bool OnSetFocus() override;

private:
    void CreateInputField();
    void CreateDigestField();
    // A field of the field column, its top and height those of 96 DPI, in the fields' font.
    void CreateField(vrok::user::controls::text::CTextField& field, int top, DWORD style);
    void CreateCompareButton();
    void AttachFieldFont(HWND field);
    void MakeFieldFont();
    void LayOutChildren();
    int LineHeight() const;
    void PlaceChild(vrok::user::basewindow::CBaseWindow* child, int top, int height);

    // Shown by both fields; declared first, so that it goes after them.
    vrok::user::graphics::CFont m_fieldFont;
    std::unique_ptr<CReferenceField> m_inputField;
    std::unique_ptr<vrok::user::controls::text::CStaticText> m_digestField;
    std::unique_ptr<vrok::user::controls::button::CButton> m_compareButton;
    int m_digestLines = 1;
};

#endif
