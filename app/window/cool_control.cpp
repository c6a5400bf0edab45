#include "window/cool_control.h"

#include "vrok_user/vrok_devicecontext.h"
#include "vrok_user/vrok_main.h"

using vrok::main::CApplication;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::controls::button::CButton;
using vrok::user::controls::text::CEditText;
using vrok::user::controls::text::CStaticText;

namespace {

const int FieldFontHeight = 14;
const int FieldLeft = 50;
const int FieldWidth = 300;
const int FieldHeight = 20;
const int InputFieldTop = 30;
const int DigestFieldTop = 56;
const int ButtonLeft = 70;
const int ButtonTop = 92;
const int ButtonWidth = 100;
const int ButtonHeight = 20;
const wchar_t EnterCharacter = L'\r';
// The reference field scrolls sideways under a long reference; the digest field wraps a digest
// too long for one line over as many lines as it needs, so that every digit shows.
const DWORD InputFieldStyle = WS_BORDER | ES_LOWERCASE | ES_AUTOHSCROLL;
const DWORD DigestFieldStyle = WS_BORDER | ES_LOWERCASE | ES_MULTILINE;

// The lines the field's text takes as the field wraps it.
int LinesOf(const CBaseWindow* field)
{
    if (field == nullptr || field->IsNull())
        return 1;
    const LRESULT lines = SendMessageW(field->GetHandle(), EM_GETLINECOUNT, 0, 0);
    return lines > 1 ? static_cast<int>(lines) : 1;
}

}

CCoolControl::~CCoolControl()
{
    DestroyUnheard();
}

// A child that cannot be created stays an object without a window; the others are built all
// the same. A font that cannot be made leaves the fields with the platform's default font.
void CCoolControl::OnCreate()
{
    MakeFieldFont();
    CreateInputField();
    CreateDigestField();
    CreateCompareButton();
}

void CCoolControl::MakeFieldFont()
{
    m_fieldFont.lfHeight = Scaled(FieldFontHeight);
    m_fieldFont.SetFaceName(L"Verdana");
    m_fieldFont.Create();
}

void CCoolControl::SetDpi(int dpi)
{
    CGradientControl::SetDpi(dpi);
    if (IsNull())
        return;
    // The fields let go of the font before it is replaced: they never hold a deleted one.
    for (CBaseWindow* field : {static_cast<CBaseWindow*>(m_inputField.get()), static_cast<CBaseWindow*>(m_digestField.get())})
        if (field != nullptr && !field->IsNull())
            SendMessageW(field->GetHandle(), WM_SETFONT, 0, FALSE);
    MakeFieldFont();
    if (m_inputField != nullptr)
        AttachFieldFont(m_inputField->GetHandle());
    if (m_digestField != nullptr)
        AttachFieldFont(m_digestField->GetHandle());
    LayOutChildren();
}

// The measures at 96 DPI, scaled. Each line more of the digest moves the button down by the
// height of a line in the fields' font.
void CCoolControl::LayOutChildren()
{
    const int digestExtra = (m_digestLines - 1) * LineHeight();
    PlaceChild(m_inputField.get(), Scaled(InputFieldTop), Scaled(FieldHeight));
    PlaceChild(m_digestField.get(), Scaled(DigestFieldTop), Scaled(FieldHeight) + digestExtra);
    if (m_compareButton != nullptr && !m_compareButton->IsNull())
        MoveWindow(m_compareButton->GetHandle(), Scaled(ButtonLeft), Scaled(ButtonTop) + digestExtra,
                   Scaled(ButtonWidth), Scaled(ButtonHeight), TRUE);
}

int CCoolControl::FitDigestToText()
{
    const int digestLines = LinesOf(m_digestField.get());
    if (digestLines != m_digestLines) {
        m_digestLines = digestLines;
        LayOutChildren();
    }
    return (m_digestLines - 1) * LineHeight();
}

int CCoolControl::LineHeight() const
{
    const int height = vrok::user::graphics::MeasureLineHeight(m_fieldFont);
    return height > 0 ? height : Scaled(FieldFontHeight);
}

// Places a field at the panel's field column.
void CCoolControl::PlaceChild(CBaseWindow* child, int top, int height)
{
    if (child != nullptr && !child->IsNull())
        MoveWindow(child->GetHandle(), Scaled(FieldLeft), top, Scaled(FieldWidth), height, TRUE);
}

void CCoolControl::CreateInputField()
{
    m_inputField.reset(new CReferenceField());
    CreateField(*m_inputField, InputFieldTop, InputFieldStyle);
}

void CCoolControl::CreateDigestField()
{
    m_digestField.reset(new CStaticText());
    CreateField(*m_digestField, DigestFieldTop, DigestFieldStyle);
}

void CCoolControl::CreateField(vrok::user::controls::text::CTextField& field, int top, DWORD style)
{
    field.Create(this, L"", Scaled(FieldLeft), Scaled(top), Scaled(FieldWidth), Scaled(FieldHeight), 0, style);
    AttachFieldFont(field.GetHandle());
    field.Show(true);
}

void CCoolControl::CreateCompareButton()
{
    m_compareButton.reset(new CButton());
    m_compareButton->Create(this, CompareButtonId, L"", Scaled(ButtonLeft), Scaled(ButtonTop), Scaled(ButtonWidth),
                            Scaled(ButtonHeight), 0, 0);
    m_compareButton->Show(true);
}

// The fields do not take the font over (their SetFont would make each of them delete it): the
// one font is lent to both and stays the panel's.
void CCoolControl::AttachFieldFont(HWND field)
{
    if (field != nullptr)
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(m_fieldFont.GetHandle()), TRUE);
}

bool CCoolControl::OnSetFocus()
{
    if (m_inputField != nullptr && !m_inputField->IsNull())
        SetFocus(m_inputField->GetHandle());
    return false;
}

bool CReferenceField::OnChar(wchar_t character)
{
    if (character != EnterCharacter)
        return false;
    CBaseWindow* mainWindow = CApplication::GetMainWindow();
    if (GetParentWindow() != nullptr && mainWindow != nullptr)
        ::PostMessageW(mainWindow->GetHandle(), WM_COMPARE_REQUEST, 0, 0);
    return true;
}
