#ifndef VESTIGON_APP_MY_WINDOW_H
#define VESTIGON_APP_MY_WINDOW_H

#include "checksums/digest_verdict.h"
#include "hashing/hash_job.h"
#include "resource.h"
#include "settings/program_messages.h"
#include "signatures/key_store.h"
#include "signatures/signature_result.h"
#include "window/child_windows.h"
#include "window/file_findings.h"
#include "window/hashing_display.h"
#include "window/strip_presenter.h"
#include "window/verdict_presenter.h"
#include "vrok_data/vrok_string.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_menu.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_statusbar.h"
#include "vrok_user/vrok_stdmainwindow.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAboutWindow;
class CKeysWindow;
class CListWindow;
class CCoolControl;

// The program's main window: the notification strip along the top (the shown file and the
// last verdict), the drop panel with the reference field, the digest field and the compare
// button, the status bar along the bottom and the menu bar from the language file. It takes
// dropped files, the open, paste, About, help, digest and language commands, and compares
// digests. It hands out what the strip shows (CStripPresenter), what a verdict says
// (verdicts::), and the windows it opens (CChildWindows).
//
// The digest in use, whose digits the digest field shows and which copying and saving write, is
// the one a checksum file beside the file names, else the one the reference's length names, else
// the one chosen in the Digest menu.
//
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

    // Judges the reference field against the file's digests and shows the verdict in the strip;
    // a digest still to compute is computed first, and the verdict follows.
    void CompareDigests();
    // Shows a newly chosen file: its path line in the strip (no icon), and starts hashing it.
    void ShowChosenFile(const wchar_t* path);

    vrok::user::controls::statusbar::CStdStatusBar* GetStatusBar() const { return m_statusBar.get(); }
    vrok::user::controls::panel::CNotifyWindow* GetNotifyWindow() const { return m_notifyWindow.get(); }
    CCoolControl* GetDropPanel() const { return m_dropPanel.get(); }
    vrok::user::menu::CMenu* GetMenu() const { return m_menu.get(); }
    CAboutWindow* GetAboutWindow() const { return m_children.GetAboutWindow(); }
    CKeysWindow* GetKeysWindow() const { return m_children.GetKeysWindow(); }
    int GetDpi() const { return m_dpi; }

    // A file is being hashed: the digest field waits for its job.
    bool IsHashing() const { return m_hashJob.IsRunning(); }
    hashing::CHashJob& GetHashJob() { return m_hashJob; }
    HWND GetProgressBar() const { return m_hashingDisplay.GetProgressBar(); }

    // Opens a list window for the checksum list and starts checking it; false (after a box)
    // when the list cannot be read.
    bool OpenListWindow(const wchar_t* listPath);
    const std::vector<std::unique_ptr<CListWindow>>& GetListWindows() const { return m_children.GetListWindows(); }

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
    std::wstring LanguageFilePath() const;

    // Building and laying out (my_window.cpp).
    void CreateStatusBar();
    void CreateNotifyWindow();
    void CreateDropPanel(const wchar_t* languageFilePath);
    void ShowStartFile();
    void LayOutForDpi();
    void FitLayoutToContent();
    int Scaled(int value) const;

    // Commands (my_window_commands.cpp).
    void RunCommand(unsigned short command);
    void OnOpen();
    void OnPaste();
    void OnCheckList();
    void OnChooseDigest(checksums::Algorithm algorithm);
    void OnAddPublisherKey();
    void CopyChecksumLine();
    void SaveChecksumFile();
    void ToggleChecksumFileLookup();
    void UpdateMenuItems(HMENU menu) const;

    // Digests and verdicts (my_window_verdicts.cpp).
    void ShowVerdict(const verdicts::StripVerdict& verdict);
    std::wstring SentenceText(const verdicts::Sentence& sentence) const;
    std::wstring ReadSentence(const wchar_t* key) const;
    bool UseFoundReference(const CFileFindings& findings);
    std::optional<checksums::Algorithm> AlgorithmNamedFor(const std::wstring& reference) const;
    checksums::JudgedReference Judge(const std::wstring& reference) const;
    void ShowDigestInUse(checksums::Algorithm algorithm, size_t digits = 0);
    std::wstring ShownDigest() const;
    void ShowAlgorithmTexts();
    void SetInputText(const std::wstring& text);
    void SetDigestText(const std::wstring& text);
    std::wstring InputText() const;
    void LoadKeys();
    void KeepSignature(const CFileFindings& findings, const std::wstring& path);

    // Hashing (my_window_hashing.cpp).
    void StartHashing(const std::wstring& path, checksums::AlgorithmSet algorithms, bool lookAround,
                      size_t blake2bBytes = 0);
    void HashAgainFor(const checksums::JudgedReference& judged, const std::wstring& reference);
    void StopHashing();
    void OnHashNews(WPARAM job);
    void OnHashProgress(const hashing::CJobProgress& progress);
    void OnHashFinished(const hashing::CHashNews& news);
    void KeepDigests(const std::wstring& path, const hashing::CHashNews& news);
    void UpdateStopCommand();

    std::unique_ptr<vrok::user::menu::CMenu> m_menu;
    std::unique_ptr<vrok::user::controls::statusbar::CStdStatusBar> m_statusBar;
    std::unique_ptr<vrok::user::controls::panel::CNotifyWindow> m_notifyWindow;
    std::unique_ptr<CCoolControl> m_dropPanel;
    CStripPresenter m_strip;
    CChildWindows m_children;
    vrok::data::type::string::CString m_filePath;
    std::wstring m_programFolder;
    int m_dpi = vrok::user::dpi::StandardDpi;
    // How much taller than their own height the strip and the panel are made for what they show,
    // in pixels at m_dpiOfExtras.
    int m_stripExtra = 0;
    int m_panelExtra = 0;
    int m_dpiOfExtras = vrok::user::dpi::StandardDpi;

    // The file whose digests the window holds, and those digests.
    std::wstring m_shownFile;
    checksums::FileDigests m_digests;
    // The digest the digest field shows (or will, once computed) and the Digest menu's choice.
    checksums::Algorithm m_inUse = checksums::Algorithm::Md5;
    size_t m_inUseDigits = 0;
    checksums::Algorithm m_chosen = checksums::Algorithm::Md5;
    // Edit > Look for checksum files, as stored or as chosen for this run.
    bool m_lookForChecksumFiles = true;
    // The reference this window filled in from a checksum file, that file's name and the
    // algorithm it says (none for 128 digits that may be SHA-512's or BLAKE2b's); all empty
    // when the reference is the user's.
    std::wstring m_filledReference;
    std::wstring m_referenceSource;
    std::optional<checksums::Algorithm> m_referenceAlgorithm;
    // The keys the program knows, and a copy of them for the hashing thread.
    std::unique_ptr<signatures::CKeyStore> m_keyStore;
    std::shared_ptr<const signatures::CKeyring> m_keys;
    // What the signatures over the shown file or its checksum list say, and whether the one told
    // is over the file itself.
    signatures::SignatureResult m_signature;
    bool m_signatureOverFile = false;
    // The digest last pasted and the algorithm its line named, when it named one.
    std::wstring m_pastedDigest;
    std::optional<checksums::Algorithm> m_pastedAlgorithm;

    hashing::CHashJob m_hashJob{WM_HASH_NEWS};
    // What the current job finds around its file.
    std::shared_ptr<CFileFindings> m_findings;
    CHashingDisplay m_hashingDisplay;
    bool m_compareWhenHashed = false;
};

#endif
