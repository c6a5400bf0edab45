#ifndef VESTIGON_LIST_WINDOW_H
#define VESTIGON_LIST_WINDOW_H

#include "lists/list_check_job.h"
#include "lists/list_results.h"
#include "lists/list_table.h"
#include "lists/list_texts.h"
#include "vrok_user/vrok_button.h"
#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_imagelist.h"
#include "vrok_user/vrok_label.h"
#include "vrok_user/vrok_progressbar.h"
#include "vrok_user/vrok_statusbar.h"

#include <windows.h>

#include <string>
#include <vector>

// The window of one checksum list: its table (list_table.h), a progress bar for the whole list
// with the file being hashed, a "Copy results" button, and a status bar whose text is the
// summary. It is a resizable top-level window owned by the main window; a background job
// reads the list, then hashes its files, several at a time. A click on a column's header sorts
// the rows by it (again: the other way); at the end the first row that is not OK is selected.
// Esc stops; closing stops the job. A line of text above the rows, hidden while empty, tells
// what concerns the list as a whole.
class CListWindow : public vrok::user::controls::CControl
{
public:
    static const wchar_t ClassName[];
    static const int ProgressRange = 1000;

    CListWindow();
    ~CListWindow() override;

    // Opens the window over the owner and has the worker read the list and check it; false when
    // the window or the worker cannot be made. A list found unreadable closes the window, then
    // is told in an error box.
    // Given the keys the program knows, the list's signature is told above its rows.
    bool Open(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath,
              const wchar_t* languageFilePath, std::shared_ptr<const signatures::CKeyring> keys = nullptr);

    // Posts WM_CONTROL_CLOSED to the owner, then destroys the window.
    bool Close() override;

    void StopChecking();
    void CopyResults();
    bool HasEnded() const { return m_ended; }
    // Waits at most `timeoutMs` for the job's threads to end, whether or not the window has heard.
    bool WaitForWorker(DWORD timeoutMs) const { return m_job.WaitForEnd(timeoutMs); }

    // Shows the line above the rows with the text; an empty text hides it and gives its room back
    // to the rows.
    void ShowNote(const std::wstring& text);

    const std::vector<lists::ListEntry>& Entries() const { return m_table.Entries(); }
    HWND ListView() const { return m_table.View().GetHandle(); }
    HWND StatusBar() const { return m_statusBar.GetHandle(); }
    HWND ProgressBar() const { return m_progressBar.GetHandle(); }
    HWND CurrentFileLabel() const { return m_currentFile.GetHandle(); }
    HWND NoteLabel() const { return m_note.GetHandle(); }

protected:
    bool OnSize(int width, int height) override;
    bool OnMinMaxInfo(MINMAXINFO& limits) override;
    // The window moves to a screen of another density: the system's rectangle, the layout again.
    bool OnDpiChanged(int dpi, const RECT& suggested) override;
    bool OnSetFocus() override;
    bool OnNotify(const NMHDR& header) override;
    bool OnGetDisplayInfo(NMLVDISPINFOW& info) override;
    // Commands of the window's own children stay here: none goes on to the owner.
    bool OnCommand(int id, int code, HWND from) override;
    bool OnNotice(UINT message, WPARAM number) override;
    bool OnClose() override;
    bool OnDestroy() override;

private:
    bool CreateFrame(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath);
    void OnCreate() override;
    void CreateChildren();
    void Layout();
    void ApplyFont();
    int Px(int value) const;
    bool StartChecking();
    void OnListUnreadable();
    void ShowSignature(const signatures::SignatureResult& signature);

    void OnNews(WPARAM jobNumber);
    void TakeList(lists::ListNews& news);
    void ApplyNews(lists::ListNews& news);
    void ShowProgress(const lists::CheckProgress& progress);
    void OnListViewKey(UINT key);
    void ShowSummary(bool stopped);
    void ShowCurrentFile(size_t index);

    lists::ListTexts m_texts;
    std::wstring m_languageFile;
    std::shared_ptr<const signatures::CKeyring> m_keys;
    size_t m_otherLines;
    std::wstring m_listPath;
    std::wstring m_noteText;
    lists::CListCheckJob m_job;
    bool m_listTaken;
    bool m_ended;
    bool m_stopped;
    size_t m_shownFile;
    int m_dpi;

    // The font and the summary's icon outlive the controls that use them.
    vrok::user::graphics::CFont m_font;
    vrok::user::graphics::CIcon m_summaryIcon;
    vrok::user::controls::progressbar::CProgressBar m_progressBar;
    vrok::user::controls::button::CButton m_copyButton;
    vrok::user::controls::label::CLabel m_currentFile;
    vrok::user::controls::label::CLabel m_note;
    CListTable m_table;
    vrok::user::controls::statusbar::CStdStatusBar m_statusBar;
};

#endif
