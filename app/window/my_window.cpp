// The main window's making, layout and messages.
#include "window/my_window.h"

#include "settings/command_ids.h"
#include "settings/menu_builder.h"
#include "settings/options.h"
#include "settings/profile_files.h"
#include "settings/program_texts.h"
#include "window/cool_control.h"
#include "window/digest_menu.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_statusbar.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <new>

using vrok::data::type::string::CString;
using vrok::persistence::file::MakeFullPath;
using vrok::user::basewindow::CWindowClass;
using vrok::user::controls::button::CButton;
using vrok::user::controls::panel::CNotifyWindow;
using vrok::user::controls::statusbar::CStdStatusBar;
using vrok::user::messagebox::CModalScope;
using vrok::user::messagebox::ShowInfoMessage;

namespace {

const COLORREF BackgroundColour = RGB(133, 154, 237);
const wchar_t CannotOpenIniMessage[] = L"Cannot open initialization file";

bool IsExistingFile(const wchar_t* path)
{
    return PathFileExistsW(path) && !PathIsDirectoryW(path);
}

}

OMyWindow::OMyWindow(const CString* path) : CStdMainWindow(programtexts::MainWindowLook)
{
    if (path != nullptr)
        m_filePath = *path;
}

OMyWindow::~OMyWindow()
{
    DestroyUnheard();
}

const wchar_t* OMyWindow::ProgramFolder() const
{
    return m_programFolder.empty() ? nullptr : m_programFolder.c_str();
}

std::wstring OMyWindow::LanguageFilePath() const
{
    return GetLanguageFilePath(ProgramFolder());
}

bool OMyWindow::OnRegisterClass(CWindowClass& windowClass)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(module, MAKEINTRESOURCEW(IconIdentifier));
    windowClass.hIconSm = LoadIconW(module, MAKEINTRESOURCEW(IconIdentifier));
    windowClass.hbrBackground = CreateSolidBrush(BackgroundColour);
    return true;
}

// Without the two profile files' paths the window stays empty. A language file that does not
// exist is told as well, but the window is built: its digest works, and the language popup
// (labelled from md5_global.ini) lets the user pick a language whose file is there.
void OMyWindow::OnCreate()
{
    const std::wstring globalIniPath = GetGlobalIniPath(ProgramFolder());
    const std::wstring languageFilePath = LanguageFilePath();
    if (globalIniPath.empty() || languageFilePath.empty())
    {
        ShowInfoMessage(CannotOpenIniMessage);
        return;
    }
    if (!IsExistingFile(languageFilePath.c_str()))
        ShowInfoMessage(CannotOpenIniMessage);

    m_dpi = vrok::user::dpi::DpiOfWindow(GetHandle());
    m_dpiOfExtras = m_dpi;
    LoadKeys();
    m_chosen = digestmenu::ChosenAlgorithm(ProgramFolder());
    m_lookForChecksumFiles = options::LooksForChecksumFiles(ProgramFolder());
    m_inUse = m_chosen;
    CreateStatusBar();
    CreateNotifyWindow();
    SetLastError(0);
    CreateDropPanel(languageFilePath.c_str());
    ShowAlgorithmTexts();
    ShowStartFile();
    m_menu.reset(BuildMenuBar(*this, digestmenu::MakeDigestMenu(m_chosen), ProgramFolder()));
    UpdateStopCommand();
}

void OMyWindow::CreateStatusBar()
{
    m_statusBar.reset(new CStdStatusBar());
    m_statusBar->Create(this, StatusBarIdentifier);
    m_statusBar->AddPart(Scaled(StatusPartWidth), L"md5");
    m_statusBar->AddPart(-1, L" ");
    m_statusBar->Display();
    m_hashingDisplay.Attach(GetHandle(), m_statusBar->GetHandle(), 1);
}

void OMyWindow::CreateNotifyWindow()
{
    int width = 0;
    int height = 0;
    GetClientSize(width, height);
    m_notifyWindow.reset(new CNotifyWindow());
    m_notifyWindow->SetDpi(m_dpi);
    if (!m_notifyWindow->Create(this, 0, 0, width, Scaled(StripHeight), 0, WS_BORDER))
        m_notifyWindow.reset();
    m_strip.Attach(m_notifyWindow.get(), [this] { FitLayoutToContent(); });
}

// A panel that cannot be created is dropped: the window goes on without it.
void OMyWindow::CreateDropPanel(const wchar_t* languageFilePath)
{
    m_dropPanel.reset(new CCoolControl());
    m_dropPanel->SetDpi(m_dpi);
    if (!m_dropPanel->Create(this, L"", Scaled(DropPanelLeft), Scaled(DropPanelTop), Scaled(DropPanelWidth),
                             Scaled(DropPanelHeight), 0, 0))
    {
        m_dropPanel.reset();
        return;
    }
    const std::wstring buttonText = ReadProfileString(languageFilePath, profile::SectionButtonCompare,
                                                      profile::KeyText, profile::ControlTextBufferLength);
    if (m_dropPanel->GetCompareButton() != nullptr)
        SetWindowTextW(m_dropPanel->GetCompareButton()->GetHandle(), buttonText.c_str());
    m_dropPanel->Show(true);
    if (m_dropPanel->GetInputField() != nullptr)
        SetFocus(m_dropPanel->GetInputField()->GetHandle());
}

// The strip is visible since its creation: it takes the text without a new slide. The digest
// follows once the file is hashed. A strip that could not be made is left out: the window goes
// on without it.
void OMyWindow::ShowStartFile()
{
    if (!m_filePath.empty())
    {
        m_strip.SetFile(m_filePath);
        StartHashing(m_filePath, checksums::AlgorithmSet(m_chosen), true);
    }
    m_strip.ShowAsItIs();
}

// Hashing starts before the strip slides in; the digest follows when it is ready.
void OMyWindow::ShowChosenFile(const wchar_t* path)
{
    m_strip.SetFile(path);
    m_inUse = m_chosen;
    m_signature = signatures::SignatureResult();
    m_signatureOverFile = false;
    SetDigestText(L"");
    ShowAlgorithmTexts();
    StartHashing(path, checksums::AlgorithmSet(m_chosen).With(AlgorithmNamedFor(InputText()).value_or(m_chosen)), true);
    m_strip.SlideIn();
}

bool OMyWindow::OpenListWindow(const wchar_t* listPath)
{
    return m_children.OpenList(this, listPath, LanguageFilePath(), m_keys);
}

int OMyWindow::Scaled(int value) const
{
    return vrok::user::dpi::Scale(value, m_dpi);
}

// The strip takes as many lines as its sentences need, the digest field as many as its digits
// need; what lies below moves down and the window grows (or shrinks back) by the same height, so
// that no word of a verdict and no digit is hidden.
void OMyWindow::FitLayoutToContent()
{
    const bool strip = m_notifyWindow != nullptr && !m_notifyWindow->IsNull();
    const bool panel = m_dropPanel != nullptr && !m_dropPanel->IsNull();
    const int stripExtra = strip ? (std::max)(0, m_notifyWindow->NeededHeight() - Scaled(StripHeight)) : 0;
    const int panelExtra = panel ? m_dropPanel->FitDigestToText() : 0;
    const int grown = stripExtra - m_stripExtra + panelExtra - m_panelExtra;
    if (stripExtra == m_stripExtra && panelExtra == m_panelExtra)
        return;
    m_stripExtra = stripExtra;
    m_panelExtra = panelExtra;
    RECT window = {};
    GetWindowRect(window);
    if (grown != 0)
        SetWindowPos(GetHandle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top + grown,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    int width = 0;
    int height = 0;
    GetClientSize(width, height);
    if (strip)
        SetWindowPos(m_notifyWindow->GetHandle(), nullptr, 0, 0, width, Scaled(StripHeight) + stripExtra,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (panel)
        MoveWindow(m_dropPanel->GetHandle(), Scaled(DropPanelLeft), Scaled(DropPanelTop) + stripExtra,
                   Scaled(DropPanelWidth), Scaled(DropPanelHeight) + panelExtra, TRUE);
}

bool OMyWindow::OnSize(int, int)
{
    if (m_statusBar != nullptr && !m_statusBar->IsNull())
        SendMessageW(m_statusBar->GetHandle(), WM_SIZE, 0, 0);
    if (m_notifyWindow != nullptr && !m_notifyWindow->IsNull())
    {
        m_notifyWindow->FitToParent();
        m_strip.FitAgain();
    }
    m_hashingDisplay.FollowStatusBar();
    return true;
}

// The suggested rectangle holds the grown height at the old density: the window takes its own
// height at the new one, and grows again for what it shows.
bool OMyWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    const int ownHeight = suggested.bottom - suggested.top - MulDiv(m_stripExtra + m_panelExtra, dpi, m_dpiOfExtras);
    m_stripExtra = 0;
    m_panelExtra = 0;
    SetWindowPos(GetHandle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left, ownHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutForDpi();
    return true;
}

// The children at the window's density; the path line, compacted again, keeps its sentence.
void OMyWindow::LayOutForDpi()
{
    if (m_statusBar != nullptr && !m_statusBar->IsNull())
    {
        int edges[] = {Scaled(StatusPartWidth), -1};
        SendMessageW(m_statusBar->GetHandle(), SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    }
    if (m_notifyWindow != nullptr)
        m_notifyWindow->SetDpi(m_dpi);
    if (m_dropPanel != nullptr && !m_dropPanel->IsNull())
    {
        m_dropPanel->SetDpi(m_dpi);
        MoveWindow(m_dropPanel->GetHandle(), Scaled(DropPanelLeft), Scaled(DropPanelTop), Scaled(DropPanelWidth),
                   Scaled(DropPanelHeight), TRUE);
    }
    m_strip.FitAgain();
    m_dpiOfExtras = m_dpi;
    FitLayoutToContent();
    m_children.RedoAboutForDpi(this, m_dpi);
}

bool OMyWindow::OnSetFocus()
{
    if (!IsNull())
        UpdateWindow(GetHandle());
    if (m_dropPanel == nullptr)
        return false;
    if (m_notifyWindow != nullptr)
        UpdateWindow(m_notifyWindow->GetHandle());
    UpdateWindow(m_dropPanel->GetHandle());
    SetFocus(m_dropPanel->GetHandle());
    return false;
}

// Menu items arrive with no control and code 0, keyboard shortcuts with code 1; the compare
// button's click comes posted on by the drop panel. Other controls go to the default processing.
bool OMyWindow::OnCommand(int id, int code, HWND from)
{
    if (from == nullptr && (code == 0 || code == 1))
    {
        RunCommand(static_cast<unsigned short>(id));
        return true;
    }
    if (from == nullptr || m_dropPanel == nullptr)
        return false;
    const CButton* button = m_dropPanel->GetCompareButton();
    if (button == nullptr || button->IsNull() || from != button->GetHandle())
        return false;
    CompareDigests();
    return true;
}

// Only the first file of a drop is shown; the others are ignored.
bool OMyWindow::OnDropFiles(HDROP drop)
{
    const UINT fileCount = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::wstring name;
    if (fileCount > 0)
    {
        name.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        name.resize(DragQueryFileW(drop, 0, &name[0], static_cast<UINT>(name.size())));
    }
    DragFinish(drop);
    if (name.empty())
        return true;
    SetInputText(L"");
    ShowChosenFile(MakeFullPath(name.c_str()).c_str());
    return true;
}

bool OMyWindow::OnLeftButtonDown()
{
    m_strip.Replay();
    return true;
}

bool OMyWindow::OnRightButtonDown()
{
    if (!CModalScope::IsAnyOpen())
        ShowContextMenu(*this, ProgramFolder());
    return true;
}

bool OMyWindow::OnInitMenuPopup(HMENU menu)
{
    UpdateStopCommand();
    UpdateMenuItems(menu);
    return false;
}

// The windows that have closed are those whose objects hold no window any more.
bool OMyWindow::OnControlClosed()
{
    m_children.ForgetClosed();
    return true;
}

bool OMyWindow::OnNotice(UINT message, WPARAM number)
{
    if (message == WM_COMPARE_REQUEST)
        CompareDigests();
    else if (message == WM_HASH_NEWS)
        OnHashNews(number);
    else if (message == WM_KEYS_CHANGED)
        m_keys = std::make_shared<const signatures::CKeyring>(m_keyStore->Keyring());
    else
        return false;
    return true;
}

// The job's thread may still post; nothing of it is taken any more.
bool OMyWindow::OnDestroy()
{
    m_hashJob.Stop();
    return CStdMainWindow::OnDestroy();
}
