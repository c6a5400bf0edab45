#ifndef VESTIGON_KEYS_WINDOW_H
#define VESTIGON_KEYS_WINDOW_H

#include "signatures/key_store.h"
#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// The window of the keys the program knows: one row per key (its fingerprint in groups of four,
// its owner, where it came from), and a button that removes the selected key when the user added
// it (shipped keys stay). Owned by the main window, which owns the key store; a removal is told
// to the owner with WM_KEYS_CHANGED.
class CKeysWindow : public vrok::user::controls::CControl
{
public:
    static const wchar_t ClassName[];

    CKeysWindow();
    ~CKeysWindow() override;

    // Opens the window over the owner; false when it cannot be made.
    bool Open(vrok::user::basewindow::CBaseWindow* owner, signatures::CKeyStore& store, const wchar_t* languageFilePath);
    // Posts WM_CONTROL_CLOSED to the owner, then destroys the window.
    bool Close() override;
    // Reads the store again (after a key was added).
    void ShowKeys();

    HWND KeyList() const { return m_list; }
    HWND RemoveButton() const { return m_remove; }

protected:
    void OnCreate() override;
    bool OnSize(int width, int height) override;
    bool OnCommand(int id, int code, HWND from) override;
    bool OnNotify(const NMHDR& header) override;
    bool OnClose() override;

private:
    std::wstring Text(const wchar_t* key) const;
    void Layout();
    int Px(int value) const;
    void RemoveSelected();
    void UpdateRemoveButton();

    signatures::CKeyStore* m_store;
    std::wstring m_languageFile;
    std::vector<signatures::KnownKey> m_shown;
    int m_dpi;
    HWND m_list;
    HWND m_remove;
    std::unique_ptr<vrok::user::graphics::CFont> m_font;
};

#endif
