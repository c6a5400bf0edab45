#ifndef VESTIGON_LIST_WINDOW_H
#define VESTIGON_LIST_WINDOW_H

#include "lists/list_check_job.h"
#include "lists/list_results.h"
#include "lists/list_texts.h"
#include "vrok_user/vrok_control.h"
#include "vrok_user/vrok_gdiobject.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// The window of one checksum list: a report list with one row per checksum line (the name as
// listed, the result with its shield, the computed digest, the size), a progress bar for the
// whole list with the file being hashed, a "Copy results" button, and a status bar whose text is
// the summary. It is a resizable top-level window owned by the main window; a background job
// reads the list, then hashes its files, several at a time. A click on a column's header sorts
// the rows by it (again: the other way); at the end the first row that is not OK is selected.
// Esc stops; closing stops the job.
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
    bool Open(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath,
              const wchar_t* languageFilePath);

    // Posts WM_CONTROL_CLOSED to the owner, then destroys the window.
    bool Close() override;

    void StopChecking();
    void CopyResults();
    bool HasEnded() const { return m_ended; }
    // Waits at most `timeoutMs` for the job's threads to end, whether or not the window has heard.
    bool WaitForWorker(DWORD timeoutMs) const { return m_job.WaitForEnd(timeoutMs); }

    const std::vector<lists::ListEntry>& Entries() const { return m_entries; }
    HWND ListView() const { return m_listView; }
    HWND StatusBar() const { return m_statusBar; }
    HWND ProgressBar() const { return m_progressBar; }
    HWND CurrentFileLabel() const { return m_currentFile; }

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
    struct CImageListDeleter { void operator()(HIMAGELIST list) const { ImageList_Destroy(list); } };
    struct CIconDeleter { void operator()(HICON icon) const { DestroyIcon(icon); } };
    typedef std::unique_ptr<std::remove_pointer<HIMAGELIST>::type, CImageListDeleter> CImageListOwner;
    typedef std::unique_ptr<std::remove_pointer<HICON>::type, CIconDeleter> CIconOwner;

    bool CreateFrame(vrok::user::basewindow::CBaseWindow* owner, const std::wstring& listPath);
    void OnCreate() override;
    void CreateChildren();
    void AddColumns();
    int ColumnWidth(int column) const;
    void FitColumns();
    void Layout();
    void ApplyFont();
    int Px(int value) const;
    bool StartChecking();
    void ShowListedRows();
    void OnListUnreadable();

    void OnNews(WPARAM jobNumber);
    void ApplyNews(lists::ListNews& news);
    void ShowProgress(const lists::CheckProgress& progress);
    void OnListViewKey(UINT key);
    std::wstring CellText(const lists::ListEntry& entry, int column) const;
    void ApplyResults(const std::vector<lists::CheckedFile>& files);
    void SortBy(int column);
    void SortRows();
    void SelectFirstFailure();
    void ShowSummary(bool stopped);
    void ShowCurrentFile(size_t index);

    lists::ListTexts m_texts;
    std::vector<lists::ListEntry> m_entries;
    // The entry each row shows, in the order of the sort column (the list's order at first).
    std::vector<size_t> m_rows;
    int m_sortColumn;
    bool m_sortAscending;
    size_t m_otherLines;
    std::wstring m_listPath;
    lists::CListCheckJob m_job;
    bool m_listTaken;
    bool m_ended;
    bool m_stopped;
    size_t m_shownFile;
    int m_dpi;

    HWND m_listView;
    HWND m_progressBar;
    HWND m_currentFile;
    HWND m_copyButton;
    HWND m_statusBar;
    CImageListOwner m_shields;
    CIconOwner m_summaryIcon;
    std::unique_ptr<vrok::user::graphics::CFont> m_font;
};

#endif
