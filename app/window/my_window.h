#ifndef VESTIGON_APP_MY_WINDOW_H
#define VESTIGON_APP_MY_WINDOW_H

#include "hashing/hash_job.h"
#include "settings/program_messages.h"
#include "window/file_findings.h"
#include "window/hashing_display.h"
#include "resource.h"
#include "window/window_caption.h"
#include "vrok_data/vrok_string.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_menu.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_statusbar.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

class CAboutWindow;
class CListWindow;
class CCoolControl;

// The program's main window: the notification strip along the top (the shown file and the
// last verdict), the drop panel with the reference field, the digest field and the compare
// button, the status bar along the bottom and the menu bar from the language file. It takes
// dropped files, the open, paste, About, help and language commands, and compares digests.
// Every measure below is one of 96 DPI: the window lays itself out for its monitor's density
// and again when it is moved to a monitor of another density.
class OMyWindow : public vrok::user::mainwindow::CStdMainWindow
{
public:
    static const int StatusBarIdentifier = IDC_STATUS_BAR;
    static const int IconIdentifier = IDI_VESTIGON;
    static const int StripHeight = 80;
    static const int DropPanelLeft = 2;
    static const int DropPanelTop = 100;
    static const int DropPanelWidth = 400;
    static const int DropPanelHeight = 120;
    static const int StatusPartWidth = 80;

    // path names the file to show at start; null or empty: none.
    explicit OMyWindow(const vrok::data::type::string::CString* path);
    ~OMyWindow() override;

    void OnCreate() override;
    bool OnRegisterClass(vrok::user::basewindow::CWindowClass& windowClass) override;

    // The folder whose md5_global.ini and language files the window reads; set before Create.
    // Empty (the program's case) means the folder of the running executable.
    void SetProgramFolder(const wchar_t* folder) { m_programFolder = folder != nullptr ? folder : L""; }

    // Writes the path line of the caption, compacted in the strip's font to the room a line
    // has in the strip after the "file : " prefix.
    void FormatCaption(const wchar_t* path);
    // Judges the reference field against the digest field and shows the verdict in the strip.
    void CompareDigests();
    // Shows a newly chosen file: its path line in the strip (no icon), and starts hashing it.
    void ShowChosenFile(const wchar_t* path);

    vrok::user::controls::statusbar::CStdStatusBar* GetStatusBar() const { return m_statusBar.get(); }
    vrok::user::controls::panel::CNotifyWindow* GetNotifyWindow() const { return m_notifyWindow.get(); }
    CCoolControl* GetDropPanel() const { return m_dropPanel.get(); }
    vrok::user::menu::CMenu* GetMenu() const { return m_menu.get(); }
    CAboutWindow* GetAboutWindow() const { return m_aboutWindow.get(); }
    const vrok::data::type::string::CString& GetFilePath() const { return m_filePath; }
    const wchar_t* GetCaption() const { return m_caption.Text(); }
    int GetDpi() const { return m_dpi; }

    // A file is being hashed: the digest field waits for its job.
    bool IsHashing() const { return m_hashJob.IsRunning(); }
    hashing::CHashJob& GetHashJob() { return m_hashJob; }
    HWND GetProgressBar() const { return m_hashingDisplay.GetProgressBar(); }

    // Opens a list window for the checksum list and starts checking it; false (after a box)
    // when the list cannot be read.
    bool OpenListWindow(const wchar_t* listPath);
    const std::vector<std::unique_ptr<CListWindow>>& GetListWindows() const { return m_listWindows; }

protected:
    bool OnSize(int width, int height) override;
    // The window takes the rectangle the system suggests and lays itself out.
    bool OnDpiChanged(int dpi, const RECT& suggested) override;
    bool OnSetFocus() override;
    bool OnCommand(int id, int code, HWND from) override;
    bool OnDropFiles(HDROP drop) override;
    bool OnLeftButtonDown() override;
    bool OnRightButtonDown() override;
    bool OnInitMenuPopup(HMENU menu) override;
    bool OnControlClosed() override;
    bool OnNotice(UINT message, WPARAM number) override;
    bool OnDestroy() override;

private:
    const wchar_t* ProgramFolder() const;

    void CreateStatusBar();
    void CreateNotifyWindow();
    void CreateDropPanel(const wchar_t* languageFilePath);
    void ShowStartFile();

    void LayOutForDpi();
    void CompactPathLineAgain();
    int Scaled(int value) const;
    void RunCommand(unsigned short command);
    void OnOpen();
    void OnPaste();
    void OnAbout();
    void OnCheckList();

    void SetInputText(const wchar_t* text);
    void SetDigestText(const wchar_t* text);
    void ShowInStrip(int pictureId);
    void ShowSentence(const std::wstring& sentence, int pictureId);

    // The digest of the file at `path` is known: it is shown, and unless the user has typed a
    // reference, the one the checksum files beside the file gave is filled in and compared.
    // True when a verdict from the checksum files was shown.
    bool OnDigestReady(const std::wstring& path, const wchar_t* digest, const CFileFindings& findings);
    bool UseFoundReference(const checksums::ReferenceLookup& lookup);
    std::wstring ShownDigest() const;
    void CopyChecksumLine();
    void SaveChecksumFile();
    void ToggleChecksumFileLookup();
    void UpdateChecksumMenuItems(HMENU menu) const;

    void StartHashing(const wchar_t* path);
    void StopHashing();
    void OnHashNews(WPARAM job);
    void OnHashProgress(const hashing::CJobProgress& progress);
    void OnHashFinished(const hashing::CHashNews& news);
    void UpdateStopCommand();
    std::wstring ReadSentence(const wchar_t* key) const;
    void ShowHashingSentence(const std::wstring& sentence);

    std::unique_ptr<vrok::user::menu::CMenu> m_menu;
    std::unique_ptr<vrok::user::controls::statusbar::CStdStatusBar> m_statusBar;
    std::unique_ptr<vrok::user::controls::panel::CNotifyWindow> m_notifyWindow;
    std::unique_ptr<CAboutWindow> m_aboutWindow;
    std::unique_ptr<CCoolControl> m_dropPanel;
    CWindowCaption m_caption;
    vrok::data::type::string::CString m_filePath;
    std::wstring m_programFolder;
    // The file whose digest is shown; the reference this window filled in from a checksum file
    // and the name of that file (both empty when the reference is the user's).
    std::wstring m_shownFile;
    std::wstring m_filledReference;
    std::wstring m_referenceSource;
    std::vector<std::unique_ptr<CListWindow>> m_listWindows;
    // The file whose path line the strip shows, compacted again when the density changes.
    std::wstring m_shownPath;
    int m_dpi = vrok::user::dpi::StandardDpi;
    hashing::CHashJob m_hashJob{WM_HASH_NEWS};
    // What the current job finds around its file, once its digest is there.
    std::shared_ptr<CFileFindings> m_findings;
    CHashingDisplay m_hashingDisplay;
    bool m_compareWhenHashed = false;
};

#endif
