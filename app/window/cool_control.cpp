#include "window/cool_control.h"

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
const WPARAM EnterCharacter = 13;

}

CCoolControl::~CCoolControl()
{
    DestroyUnheard();
}

// A child that cannot be created stays an object without a window; the others are built all
// the same. A font that cannot be made leaves the fields with the platform's default font.
void CCoolControl::OnCreate()
{
    m_fieldFont.lfHeight = FieldFontHeight;
    m_fieldFont.SetFaceName(L"Verdana");
    m_fieldFont.Create();
    CreateInputField();
    CreateDigestField();
    CreateCompareButton();
}

void CCoolControl::CreateInputField()
{
    m_inputField.reset(new CReferenceField());
    m_inputField->Create(this, L"", FieldLeft, InputFieldTop, FieldWidth, FieldHeight, 0, 0);
    AttachFieldFont(m_inputField->GetHandle());
    m_inputField->Show(true);
}

void CCoolControl::CreateDigestField()
{
    m_digestField.reset(new CStaticText());
    m_digestField->Create(this, L"", FieldLeft, DigestFieldTop, FieldWidth, FieldHeight, 0, 0);
    AttachFieldFont(m_digestField->GetHandle());
    m_digestField->Show(true);
}

void CCoolControl::CreateCompareButton()
{
    m_compareButton.reset(new CButton());
    m_compareButton->Create(this, CompareButtonId, L"", ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight, 0, 0);
    m_compareButton->Show(true);
}

// The fields do not take the font over (their SetFont would make each of them delete it): the
// one font is lent to both and stays the panel's.
void CCoolControl::AttachFieldFont(HWND field)
{
    if (field != nullptr)
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(m_fieldFont.GetHandle()), TRUE);
}

LRESULT CCoolControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CGradientControl::HandleMessage(message, wParam, lParam);
    if (message == WM_SETFOCUS && m_inputField != nullptr && !m_inputField->IsNull())
        SetFocus(m_inputField->GetHandle());
    return result;
}

LRESULT CReferenceField::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_CHAR || wParam != EnterCharacter)
        return CEditText::HandleMessage(message, wParam, lParam);
    CBaseWindow* mainWindow = CApplication::GetMainWindow();
    if (GetParentWindow() != nullptr && mainWindow != nullptr)
        ::PostMessageW(mainWindow->GetHandle(), WM_COMPARE_REQUEST, 0,
                       reinterpret_cast<LPARAM>(GetParentWindow()->GetHandle()));
    return 0;
}
