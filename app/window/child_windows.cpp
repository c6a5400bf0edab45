#include "window/child_windows.h"

#include "lists/list_window.h"
#include "window/about_window.h"
#include "window/keys_window.h"

#include <algorithm>

CChildWindows::CChildWindows() = default;

CChildWindows::~CChildWindows() = default;

void CChildWindows::ShowAbout(vrok::user::basewindow::CBaseWindow* owner, int dpi)
{
    if (m_about != nullptr && !m_about->IsNull()) {
        m_about->Show(true);
        return;
    }
    // A window closed without telling (destroyed some other way) leaves its object behind.
    m_about.reset(new CAboutWindow());
    if (!m_about->OpenOver(owner, dpi))
        m_about.reset();
}

void CChildWindows::RedoAboutForDpi(vrok::user::basewindow::CBaseWindow* owner, int dpi)
{
    if (m_about == nullptr || m_about->IsNull())
        return;
    m_about.reset();
    ShowAbout(owner, dpi);
}

bool CChildWindows::OpenList(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath,
                             const std::wstring& languageFilePath, std::shared_ptr<const signatures::CKeyring> keys)
{
    std::unique_ptr<CListWindow> listWindow(new CListWindow());
    if (!listWindow->Open(owner, listPath, languageFilePath.c_str(), std::move(keys)))
        return false;
    m_lists.push_back(std::move(listWindow));
    return true;
}

void CChildWindows::ShowKeys(vrok::user::basewindow::CBaseWindow* owner, signatures::CKeyStore& store,
                             const std::wstring& languageFilePath)
{
    if (m_keys != nullptr && !m_keys->IsNull()) {
        m_keys->ShowKeys();
        m_keys->Show(true);
        return;
    }
    m_keys.reset(new CKeysWindow());
    if (!m_keys->Open(owner, store, languageFilePath.c_str()))
        m_keys.reset();
}

void CChildWindows::ForgetClosed()
{
    m_lists.erase(std::remove_if(m_lists.begin(), m_lists.end(),
                                 [](const std::unique_ptr<CListWindow>& window) { return window->IsNull(); }),
                  m_lists.end());
    if (m_about != nullptr && m_about->IsNull())
        m_about.reset();
    if (m_keys != nullptr && m_keys->IsNull())
        m_keys.reset();
}
