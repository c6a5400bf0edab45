#ifndef VESTIGON_TESTS_E2E_MAIN_WINDOW_VIEW_H
#define VESTIGON_TESTS_E2E_MAIN_WINDOW_VIEW_H

#include <windows.h>

#include <string>

namespace e2e {

// The verdict icon as a user tells it apart: by its colour.
enum class EVerdictIcon
{
    None,      // no shield painted in the strip
    Equal,     // green shield
    Warning,   // orange shield: the reference is empty, too short, too long or not hexadecimal
    Different  // red shield
};

const char* NameOf(EVerdictIcon icon);

// The program's main window as another program sees it: its children found by class and by
// style, their texts read with WM_GETTEXT, and the user's actions sent as the messages that a
// keyboard, a mouse or a menu would produce.
class CMainWindowView
{
public:
    explicit CMainWindowView(HWND mainWindow);

    HWND Window() const { return m_window; }
    HWND DropPanel() const { return m_dropPanel; }
    HWND InputField() const { return m_inputField; }
    HWND DigestField() const { return m_digestField; }
    HWND CompareButton() const { return m_compareButton; }
    HWND NotificationStrip() const { return m_strip; }

    std::wstring Title() const;
    std::wstring PanelTitle() const;
    std::wstring ButtonCaption() const;
    std::wstring Digest() const;
    std::wstring Reference() const;

    // The user's actions, as the messages that keys, clicks and menus make. Each returns once the
    // control has handled its message; what the program posts on from there (the comparison
    // request) runs later, so verdicts are waited for.
    void SetReference(const std::wstring& text) const;
    void TypeIntoInput(const std::wstring& keys) const;
    void PressEnter() const;
    void ClickCompare() const;
    void ChooseMenuCommand(WORD id) const;
    void Close() const;

    // The shield painted at (10, 10) in the notification strip, read from the screen.
    EVerdictIcon VerdictIcon() const;

    // Waits until the strip shows `expected` (the slide takes 400 ms) and returns what it shows
    // then, or at the end of the time.
    EVerdictIcon WaitForVerdictIcon(EVerdictIcon expected, DWORD timeoutMs = 5000) const;

private:
    HWND m_window;
    HWND m_dropPanel;
    HWND m_inputField;
    HWND m_digestField;
    HWND m_compareButton;
    HWND m_strip;
};

}

#endif
