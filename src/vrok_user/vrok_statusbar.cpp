#include "vrok_user/vrok_statusbar.h"

#include <commctrl.h>

#include <cwchar>
#include <vector>

namespace vrok { namespace user { namespace controls { namespace statusbar {

using data::structure::linkedlist::CSimplyLinkedList;

CStdStatusBar::CStdStatusBar() : m_applied(false), m_count(0)
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

bool CStdStatusBar::Create(CBaseWindow* parent, int identifier)
{
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SBARS_SIZEGRIP | CCS_ADJUSTABLE | CCS_BOTTOM;
    return CreateWindowEx(parent, 0, STATUSCLASSNAMEW, nullptr, style, 0, 0, 0, 0,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)));
}

void CStdStatusBar::AddPart(int rightEdge, const wchar_t* text)
{
    m_parts.Append(new CStatusBarPart(rightEdge, text));
    ++m_count;
}

void CStdStatusBar::ApplyParts()
{
    if (m_count == 0)
        return;
    typedef CSimplyLinkedList<CStatusBarPart>::CNode CNode;
    std::vector<int> rightEdges(m_count, -1);
    int index = 0;
    for (CNode* node = m_parts.GetHead(); node != nullptr && index < m_count; node = node->next)
        rightEdges[index++] = node->element->GetRightEdge();
    for (; index < m_count && index > 0; ++index)
        rightEdges[index] = rightEdges[index - 1];
    SendMessageW(m_handle, SB_SETPARTS, static_cast<WPARAM>(m_count), reinterpret_cast<LPARAM>(rightEdges.data()));

    index = 0;
    for (CNode* node = m_parts.GetHead(); node != nullptr && index < m_count; node = node->next, ++index)
        SendMessageW(m_handle, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(node->element->GetText()));

    m_parts.Clear();
    m_count = 0;
}

void CStdStatusBar::Display()
{
    if (!m_applied && m_count > 0)
    {
        ApplyParts();
        m_applied = true;
    }
    ShowWindow(m_handle, SW_SHOW);
    SetForegroundWindow(m_handle);
    UpdateWindow(m_handle);
}

void CStdStatusBar::SetPartText(int part, const wchar_t* text)
{
    SendMessageW(m_handle, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

void CStdStatusBar::SetPartIcon(int part, HICON icon)
{
    SendMessageW(m_handle, SB_SETICON, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(icon));
}

int CStdStatusBar::FollowParent()
{
    SendMessageW(m_handle, WM_SIZE, 0, 0);
    RECT bar = {};
    ::GetWindowRect(m_handle, &bar);
    return bar.bottom - bar.top;
}

}}}}
