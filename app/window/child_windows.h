#ifndef VESTIGON_CHILD_WINDOWS_H
#define VESTIGON_CHILD_WINDOWS_H

#include <memory>
#include <string>
#include <vector>

class CAboutWindow;
class CKeysWindow;
class CListWindow;

namespace signatures { class CKeyStore; class CKeyring; }

namespace vrok { namespace user { namespace basewindow { class CBaseWindow; } } }

// The windows the main window opens and owns: at most one About window, at most one window of
// the known keys, and one window per checksum list being checked. A window that closes itself tells its owner, which then lets go
// of every object whose window is gone.
class CChildWindows
{
public:
    CChildWindows();
    ~CChildWindows();
    CChildWindows(const CChildWindows&) = delete;
    CChildWindows& operator=(const CChildWindows&) = delete;

    // One About window at a time: while it is open, it is brought forward.
    void ShowAbout(vrok::user::basewindow::CBaseWindow* owner, int dpi);
    // An open About window is made again at the new density, in the same place over the owner.
    void RedoAboutForDpi(vrok::user::basewindow::CBaseWindow* owner, int dpi);
    CAboutWindow* GetAboutWindow() const { return m_about.get(); }

    // Opens a list window that reads and checks the list; false (after a box) when it cannot.
    bool OpenList(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath,
                  const std::wstring& languageFilePath, std::shared_ptr<const signatures::CKeyring> keys);
    const std::vector<std::unique_ptr<CListWindow>>& GetListWindows() const { return m_lists; }

    // One window of the known keys at a time: while it is open, it is brought forward and shows
    // the store as it is now.
    void ShowKeys(vrok::user::basewindow::CBaseWindow* owner, signatures::CKeyStore& store,
                  const std::wstring& languageFilePath);
    CKeysWindow* GetKeysWindow() const { return m_keys.get(); }

    // Lets go of the objects whose windows have closed.
    void ForgetClosed();

private:
    std::unique_ptr<CAboutWindow> m_about;
    std::unique_ptr<CKeysWindow> m_keys;
    std::vector<std::unique_ptr<CListWindow>> m_lists;
};

#endif
