#ifndef VROK_USER_STATUSBAR_H
#define VROK_USER_STATUSBAR_H

#include "vrok_data/vrok_simplylinkedlist.h"
#include "vrok_user/vrok_control.h"

#include <string>

namespace vrok { namespace user { namespace controls { namespace statusbar {

// One part of a status bar: its right edge (-1: up to the bar's right border) and its text.
class CStatusBarPart
{
public:
    CStatusBarPart(int rightEdge, const wchar_t* text) : m_rightEdge(rightEdge), m_text(text != nullptr ? text : L"") {}

    int GetRightEdge() const { return m_rightEdge; }
    const wchar_t* GetText() const { return m_text.c_str(); }

private:
    int m_rightEdge;
    std::wstring m_text;
};

// The platform's status bar along the bottom of its parent. Parts are collected with AddPart and
// handed to the control once, by the first Display that has parts.
class CStdStatusBar : public CChildControl
{
public:
    CStdStatusBar();
    ~CStdStatusBar() override = default;

    using CChildControl::Create;
    // Creates the bar as a child of the parent with the given control identifier.
    virtual bool Create(CBaseWindow* parent, int identifier);

    void AddPart(int rightEdge, const wchar_t* text);
    // Sends the collected parts and their texts to the control and empties the list.
    void ApplyParts();
    // Applies the parts the first time, then shows the bar.
    void Display();

    // The text and the icon (null: none) of a part; the bar only borrows the icon.
    void SetPartText(int part, const wchar_t* text);
    void SetPartIcon(int part, HICON icon);
    // Places the bar along its parent's bottom edge again; its height afterwards.
    int FollowParent();

private:
    data::structure::linkedlist::CSimplyLinkedList<CStatusBarPart> m_parts;
    bool m_applied;
    int m_count;
};

}}}}

#endif
