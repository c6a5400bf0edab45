#include "test_windows.h"

#include "vrok_user/vrok_button.h"
#include "vrok_user/vrok_edittext.h"
#include "vrok_user/vrok_statictext.h"
#include "vrok_user/vrok_toolwindow.h"

#include <gtest/gtest.h>

using frameworktest::CTestPanel;
using frameworktest::CTestWindow;
using frameworktest::PumpMessages;
using frameworktest::TakeClosedNotices;
using frameworktest::TestClassName;
using frameworktest::WindowText;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::controls::CControl;
using vrok::user::controls::button::CButton;
using vrok::user::controls::text::CEditText;
using vrok::user::controls::text::CStaticText;
using vrok::user::controls::toolwindow::CToolWindow;
using vrok::user::graphics::CFont;

namespace {

class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTopLevel(TestClassName(), 0, 0, 400, 300, WS_OVERLAPPEDWINDOW));
    }

    void Type(HWND control, const wchar_t* text)
    {
        for (const wchar_t* character = text; *character != L'\0'; ++character)
            SendMessageW(control, WM_CHAR, *character, 1);
    }

    CTestWindow m_parent;
};

// Counts the destruction messages that reach the replacing procedure; passes all on.
int g_destroysSeenByReplacement = 0;
WNDPROC g_savedForReplacement = nullptr;

LRESULT CALLBACK ReplacementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        ++g_destroysSeenByReplacement;
    return CallWindowProcW(g_savedForReplacement, window, message, wParam, lParam);
}

LRESULT CALLBACK OtherReplacementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_savedForReplacement, window, message, wParam, lParam);
}

}

TEST_F(ControlsTest, EditFieldTurnsTypedCapitalsIntoLowerCase)
{
    CEditText* edit = new CEditText();
    ASSERT_TRUE(edit->Create(&m_parent, L"", 10, 10, 200, 24, 0, 0));
    const LONG_PTR style = GetWindowLongPtrW(edit->GetHandle(), GWL_STYLE);
    EXPECT_NE(0, style & ES_LOWERCASE);
    EXPECT_NE(0, style & WS_CHILD);
    Type(edit->GetHandle(), L"ABC Def");
    EXPECT_EQ(L"abc def", WindowText(edit->GetHandle()));
    EXPECT_EQ(&m_parent, CBaseWindow::GetBoundParent(edit));
    delete edit;
}

TEST_F(ControlsTest, ReadOnlyFieldRefusesTypingButKeepsItsText)
{
    CStaticText* field = new CStaticText();
    ASSERT_TRUE(field->Create(&m_parent, L"d41d8cd98f00b204e9800998ecf8427e", 10, 40, 300, 24, 0, 0));
    EXPECT_NE(0, GetWindowLongPtrW(field->GetHandle(), GWL_STYLE) & ES_READONLY);
    Type(field->GetHandle(), L"XYZ");
    EXPECT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", WindowText(field->GetHandle()));

    SendMessageW(field->GetHandle(), EM_SETSEL, 0, 5);
    DWORD start = 0, end = 0;
    SendMessageW(field->GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(5u, end) << "the text can still be selected";
    delete field;
}

TEST_F(ControlsTest, TextFieldsOwnTheirFont)
{
    CEditText* edit = new CEditText();
    ASSERT_TRUE(edit->Create(&m_parent, L"", 10, 10, 200, 24, 0, 0));
    CFont* font = new CFont();
    font->lfHeight = 14;
    ASSERT_TRUE(font->Create());
    edit->SetFont(font);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font->GetHandle()), SendMessageW(edit->GetHandle(), WM_GETFONT, 0, 0));
    delete edit;
}

TEST_F(ControlsTest, ButtonIsAlwaysAPlainPushButtonWithItsIdentifier)
{
    CButton* button = new CButton();
    ASSERT_TRUE(button->Create(&m_parent, 77, L"Compare", 10, 80, 100, 30, WS_EX_CLIENTEDGE, BS_CHECKBOX));
    const LONG_PTR style = GetWindowLongPtrW(button->GetHandle(), GWL_STYLE);
    EXPECT_EQ(BS_PUSHBUTTON, style & BS_TYPEMASK);
    EXPECT_NE(0, style & WS_TABSTOP);
    EXPECT_EQ(0, GetWindowLongPtrW(button->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(77, GetDlgCtrlID(button->GetHandle()));
    EXPECT_EQ(L"Compare", WindowText(button->GetHandle()));
    delete button;
}

TEST_F(ControlsTest, ControlWithoutParentThrows)
{
    CEditText edit;
    EXPECT_THROW(edit.Create(nullptr, L"", 0, 0, 10, 10, 0, 0), CControl::CExceptionNoParent);
    EXPECT_TRUE(edit.IsNull());
}

TEST_F(ControlsTest, ClosingControlsPostsTheirKindToTheParent)
{
    TakeClosedNotices(m_parent.GetHandle());

    CTestPanel* panel = new CTestPanel();
    ASSERT_TRUE(panel->Create(&m_parent, L"", L"one", 0, 0, 100, 50, 0, 0));
    CTestPanel* second = new CTestPanel();
    ASSERT_TRUE(second->Create(&m_parent, L"", L"two", 0, 60, 100, 50, 0, 0))
        << "a second panel of a registered class is created all the same";
    EXPECT_TRUE(panel->Close());
    EXPECT_TRUE(panel->IsNull());
    std::vector<frameworktest::CClosedNotice> notices = TakeClosedNotices(m_parent.GetHandle());
    ASSERT_EQ(2u, notices.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(panel), notices[0].object);
    EXPECT_EQ(100, notices[0].code);
    EXPECT_EQ(reinterpret_cast<WPARAM>(panel), notices[1].object);
    EXPECT_EQ(102, notices[1].code);

    CEditText* edit = new CEditText();
    ASSERT_TRUE(edit->Create(&m_parent, L"", 10, 10, 200, 24, 0, 0));
    EXPECT_TRUE(edit->Close());
    notices = TakeClosedNotices(m_parent.GetHandle());
    ASSERT_EQ(1u, notices.size());
    EXPECT_EQ(102, notices[0].code);

    CToolWindow* tool = new CToolWindow();
    ASSERT_TRUE(tool->Create(&m_parent, L"About", 50, 50, 300, 200, 0, 0));
    EXPECT_EQ(m_parent.GetHandle(), GetWindow(tool->GetHandle(), GW_OWNER));
    EXPECT_NE(0, GetWindowLongPtrW(tool->GetHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(tool->Close());
    notices = TakeClosedNotices(m_parent.GetHandle());
    ASSERT_EQ(1u, notices.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(tool), notices[0].object);
    EXPECT_EQ(101, notices[0].code);

    delete panel;
    delete second;
    delete edit;
    delete tool;
    EXPECT_TRUE(TakeClosedNotices(m_parent.GetHandle()).empty()) << "deleting a control tells nobody";
}

TEST_F(ControlsTest, SubclassKeepsTheFirstSavedProcedureAndDestructionRestoresIt)
{
    CEditText* edit = new CEditText();
    ASSERT_TRUE(edit->Create(&m_parent, L"", 10, 10, 200, 24, 0, 0));
    HWND handle = edit->GetHandle();
    const WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC));

    edit->Subclass(ReplacementProc);
    g_savedForReplacement = edit->GetPreviousWindowProc();
    edit->Subclass(OtherReplacementProc);
    EXPECT_EQ(original, edit->GetPreviousWindowProc());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(ReplacementProc), GetWindowLongPtrW(handle, GWLP_WNDPROC))
        << "the second Subclass changes nothing";

    Type(handle, L"Q");
    EXPECT_EQ(L"q", WindowText(handle)) << "the saved procedure still does the work";

    g_destroysSeenByReplacement = 0;
    delete edit;
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(0, g_destroysSeenByReplacement) << "the control's own procedure is back before destruction";
}
