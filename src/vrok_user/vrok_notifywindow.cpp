#include "vrok_user/vrok_notifywindow.h"

#include "vrok_user/vrok_classbrush.h"
#include "vrok_user/vrok_devicecontext.h"
#include "vrok_user/vrok_dpi.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace vrok { namespace user { namespace controls { namespace panel {

using basewindow::CBaseWindow;
using basewindow::CWindowClass;
using graphics::CBitmap;
using graphics::CGraphic;

const wchar_t CNotifyWindow::ClassName[] = L"VYMP_NOTIFY_WINDOW_CLASSNAME";

namespace {

const DWORD SlideMilliseconds = 200;
const UINT ResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                         SWP_NOCOPYBITS | SWP_NOOWNERZORDER;

}

CNotifyWindow::CNotifyWindow() : m_iconId(0), m_dpi(dpi::StandardDpi)
{
    m_message[0] = L'\0';
    m_font.lfHeight = FontHeight;
    m_font.SetFaceName(L"Verdana");
    m_font.Create();
}

bool CNotifyWindow::FillWindowClass(CWindowClass& windowClass)
{
    windowClass.lpszClassName = ClassName;
    windowClass.hbrBackground = graphics::ClassBackgroundBrush(ClassName, BackgroundColour);
    return true;
}

bool CNotifyWindow::Create(CBaseWindow* parent, int x, int y, int width, int height, DWORD exStyle,
                           DWORD style)
{
    const bool created = CUserChildControl::Create(parent, ClassName, nullptr, x, y, width, height, exStyle,
                                                   style | WS_CHILD | WS_VISIBLE);
    if (created && m_font.IsNull())
        throw CGraphic::CExceptionBadObject();
    return created;
}

void CNotifyWindow::SetMessage(const wchar_t* text, int bitmapId)
{
    if (text == nullptr)
        text = L"";
    std::wcsncpy(m_message, text, MessageCapacity - 1);
    m_message[MessageCapacity - 1] = L'\0';
    // The window text leaves out the line breaks that end the text.
    std::wstring spoken(m_message);
    spoken.erase(spoken.find_last_not_of(L"\r\n") + 1);
    if (m_handle != nullptr)
        SetWindowTextW(m_handle, spoken.c_str());

    m_iconId = bitmapId;
    LoadStatusIcon();
}

void CNotifyWindow::LoadStatusIcon()
{
    if (m_iconId == 0)
        m_icon.Close();
    else
        m_icon.LoadForDpi(m_iconId, m_dpi);
}

void CNotifyWindow::SetDpi(int dpi)
{
    m_dpi = dpi;
    m_font.lfHeight = Scaled(FontHeight);
    m_font.Create();
    LoadStatusIcon();
    if (m_handle == nullptr)
        return;
    ResizeToParentWidth(NeededHeight());
    InvalidateRect(m_handle, nullptr, TRUE);
}

int CNotifyWindow::Scaled(int value) const
{
    return dpi::Scale(value, m_dpi);
}

int CNotifyWindow::GetLineWidth()
{
    RECT client = {};
    GetClientRect(client);
    return client.right - Scaled(TextLeft) - Scaled(TextRightMargin);
}

int CNotifyWindow::Show(bool show)
{
    if (IsNull())
        return 0;
    if (IsWindowVisible(m_handle))
    {
        AnimateWindow(m_handle, SlideMilliseconds, AW_HIDE | AW_SLIDE | AW_VER_NEGATIVE);
        ShowWindow(m_handle, SW_HIDE);
    }
    else
    {
        ResizeToParentWidth(NeededHeight());
        UpdateWindow(m_handle);
    }
    if (!show)
        return 0;

    AnimateWindow(m_handle, SlideMilliseconds, AW_SLIDE | AW_VER_POSITIVE);
    ShowWindow(m_handle, SW_SHOW);
    SetForegroundWindow(m_handle);
    const int updated = UpdateWindow(m_handle);
    CGraphic graphic(m_handle);
    DrawContent(graphic);
    return updated;
}

// Measured as DrawContent draws: word-broken in the text area's width, in the strip's font.
int CNotifyWindow::NeededHeight()
{
    CBaseWindow* parent = GetParentWindow();
    if (parent == nullptr || m_message[0] == L'\0')
        return Scaled(StripHeight);
    int parentWidth = 0;
    int parentHeight = 0;
    parent->GetClientSize(parentWidth, parentHeight);
    RECT area = {0, 0, parentWidth - Scaled(TextLeft) - Scaled(TextRightMargin), 0};
    graphics::CScreenContext screen;
    graphics::CSelection font(screen.Get(), m_font.GetHandle());
    const int textHeight = DrawTextW(screen.Get(), m_message, -1, &area, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    return (std::max)(Scaled(StripHeight), Scaled(TextTop) + textHeight + Scaled(TextBottomMargin));
}

void CNotifyWindow::FitToParent()
{
    RECT window = {};
    GetWindowRect(window);
    ResizeToParentWidth(window.bottom - window.top);
    UpdateWindow(m_handle);
}

void CNotifyWindow::ResizeToParentWidth(int height)
{
    CBaseWindow* parent = GetParentWindow();
    if (parent == nullptr)
        return;
    int parentWidth = 0;
    int parentHeight = 0;
    parent->GetClientSize(parentWidth, parentHeight);
    SetWindowPos(m_handle, nullptr, 0, 0, parentWidth, height, ResizeFlags);
}

bool CNotifyWindow::OnPaint()
{
    CGraphic graphic(m_handle);
    graphic.BeginPaint();
    DrawContent(graphic);
    graphic.EndPaint();
    return false;
}

void CNotifyWindow::DrawContent(CGraphic& graphic)
{
    if (m_message[0] == L'\0')
        return;
    RECT area = {};
    GetClientRect(area);
    area.left += Scaled(TextLeft);
    area.top += Scaled(TextTop);
    area.right -= Scaled(TextRightMargin);
    area.bottom -= Scaled(TextBottomMargin);

    graphic.SetBkColor(GetSysColor(COLOR_INFOBK));
    graphic.SelectFont(m_font);
    HDC context = graphic.GetHandle();
    // A sentence longer than the strip is wide (a verdict that names its checksum file) goes on
    // at the next line rather than past the right edge; the path line is compacted to fit and
    // never breaks. The first call only measures: it makes the rectangle as high as the text.
    const UINT format = DT_WORDBREAK | DT_NOPREFIX;
    const LONG bottom = area.bottom;
    const int height = DrawTextW(context, m_message, -1, &area, format | DT_CALCRECT);
    area.bottom = (std::min)(bottom, static_cast<LONG>(area.top + height));
    DrawTextW(context, m_message, -1, &area, format | DT_END_ELLIPSIS);

    if (!m_icon.IsNull())
        graphic.DrawBitmap(m_icon, Scaled(IconLeft), Scaled(IconTop));
}

}}}}
