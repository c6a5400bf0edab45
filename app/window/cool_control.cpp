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

CCoolControl::CCoolControl()
    : CGradientControl(WindowProc), m_inputField(nullptr), m_digestField(nullptr), m_compareButton(nullptr)
{
}

CCoolControl::~CCoolControl()
{
    delete m_inputField;
    m_inputField = nullptr;
    delete m_digestField;
    m_digestField = nullptr;
    delete m_compareButton;
    m_compareButton = nullptr;
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
    for (CBaseWindow* field : {static_cast<CBaseWindow*>(m_inputField), static_cast<CBaseWindow*>(m_digestField)})
        if (field != nullptr && !field->IsNull())
            SendMessageW(field->GetHandle(), WM_SETFONT, 0, FALSE);
    MakeFieldFont();
    PlaceChild(m_inputField, FieldLeft, InputFieldTop, FieldWidth, FieldHeight);
    PlaceChild(m_digestField, FieldLeft, DigestFieldTop, FieldWidth, FieldHeight);
    PlaceChild(m_compareButton, ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight);
    if (m_inputField != nullptr)
        AttachFieldFont(m_inputField->GetHandle());
    if (m_digestField != nullptr)
        AttachFieldFont(m_digestField->GetHandle());
}

// Places a child by its measures at 96 DPI, scaled to the panel's density.
void CCoolControl::PlaceChild(CBaseWindow* child, int left, int top, int width, int height)
{
    if (child != nullptr && !child->IsNull())
        MoveWindow(child->GetHandle(), Scaled(left), Scaled(top), Scaled(width), Scaled(height), TRUE);
}

void CCoolControl::CreateInputField()
{
    m_inputField = new CEditText();
    m_inputField->Create(this, L"", Scaled(FieldLeft), Scaled(InputFieldTop), Scaled(FieldWidth),
                         Scaled(FieldHeight), 0, 0);
    AttachFieldFont(m_inputField->GetHandle());
    m_inputField->Show(true);
    if (!m_inputField->IsNull())
        m_inputField->Subclass(InputFieldProc);
}

void CCoolControl::CreateDigestField()
{
    m_digestField = new CStaticText();
    m_digestField->Create(this, L"", Scaled(FieldLeft), Scaled(DigestFieldTop), Scaled(FieldWidth),
                          Scaled(FieldHeight), 0, 0);
    AttachFieldFont(m_digestField->GetHandle());
    m_digestField->Show(true);
}

void CCoolControl::CreateCompareButton()
{
    m_compareButton = new CButton();
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

LRESULT CALLBACK CCoolControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CCoolControl* panel = dynamic_cast<CCoolControl*>(CBaseWindow::FromHandle(window));
    if (panel == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);

    switch (message)
    {
    case WM_PAINT:
        panel->OnPaint();
        break;
    case WM_SETFOCUS:
    {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        if (panel->m_inputField != nullptr && !panel->m_inputField->IsNull())
            SetFocus(panel->m_inputField->GetHandle());
        return result;
    }
    default:
        break;
    }
    return CBaseWindow::PanelDefaultProc(window, message, wParam, lParam);
}

// The input field's object is looked up on every message rather than kept from the first one:
// a kept object would dangle once its panel is deleted and another one created.
LRESULT CALLBACK CCoolControl::InputFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CBaseWindow* field = CBaseWindow::FromHandle(window);
    if (field == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = field->GetPreviousWindowProc();

    if (message == WM_CHAR && wParam == EnterCharacter)
    {
        CCoolControl* panel = dynamic_cast<CCoolControl*>(CBaseWindow::GetBoundParent(field));
        CBaseWindow* mainWindow = CApplication::GetMainWindow();
        if (panel != nullptr && mainWindow != nullptr)
            ::PostMessageW(mainWindow->GetHandle(), WM_COMPARE_REQUEST, 0,
                         reinterpret_cast<LPARAM>(panel->GetHandle()));
        return 0;
    }
    if (previous == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        CBaseWindow::DetachDestroyedWindow(window);
    return result;
}
