#include "window/my_window.h"

#include "window/about_window.h"
#include "checksums/reference_finder.h"
#include "window/checksum_commands.h"
#include "settings/options.h"
#include "settings/command_ids.h"
#include "window/cool_control.h"
#include "window/digest_comparison.h"
#include "checksums/checksum_writer.h"
#include "window/language_commands.h"
#include "lists/list_window.h"
#include "settings/menu_builder.h"
#include "settings/profile_files.h"
#include "settings/program_texts.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_graphic.h"
#include "vrok_user/vrok_menu.h"
#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_notifywindow.h"
#include "vrok_user/vrok_statusbar.h"
#include "vrok_user/vrok_stddialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

using vrok::data::type::string::CString;
using vrok::persistence::file::CFile;
using vrok::persistence::file::MakeFullPath;
using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;
using vrok::user::controls::button::CButton;
using vrok::user::controls::panel::CNotifyWindow;
using vrok::user::controls::statusbar::CStdStatusBar;
using vrok::user::dialog::stddialog::CStdDialogOpenFile;
using vrok::user::graphics::CGraphic;
using vrok::user::messagebox::CModalScope;
using vrok::user::messagebox::ShowInfoMessage;
using vrok::user::messagebox::ShowPathErrorMessage;

namespace {

const COLORREF BackgroundColour = RGB(133, 154, 237);
const wchar_t CannotOpenIniMessage[] = L"Cannot open initialization file";
// One pair of display name and pattern, ended by an empty pair.
const wchar_t OpenDialogFilter[] = L"Tous les fichiers\0*.*\0";

// A text that the profile helpers or the digest operation allocated.
typedef std::unique_ptr<wchar_t[]> COwnedText;

bool IsExistingFile(const wchar_t* path)
{
    return PathFileExistsW(path) && !PathIsDirectoryW(path);
}

// A control's whole text in a new buffer; null when it has none (or there is no room for it).
COwnedText ReadWholeText(const CBaseWindow* control)
{
    if (control == nullptr || control->IsNull())
        return nullptr;
    const int length = GetWindowTextLengthW(control->GetHandle());
    if (length <= 0)
        return nullptr;
    COwnedText text(new (std::nothrow) wchar_t[length + 1]());
    if (text)
        GetWindowTextW(control->GetHandle(), text.get(), length + 1);
    return text;
}

// The clipboard's Unicode text up to its terminator, never past the end of its memory block
// (another program may have put text there without a terminator).
std::wstring CopyClipboardText(HGLOBAL data, const wchar_t* text)
{
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && text[length] != L'\0')
        ++length;
    return std::wstring(text, length);
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
    const std::wstring languageFilePath = GetLanguageFilePath(ProgramFolder());
    if (globalIniPath.empty() || languageFilePath.empty())
    {
        ShowInfoMessage(CannotOpenIniMessage);
        return;
    }
    if (!IsExistingFile(languageFilePath.c_str()))
        ShowInfoMessage(CannotOpenIniMessage);

    m_dpi = vrok::user::dpi::DpiOfWindow(GetHandle());
    CreateStatusBar();
    CreateNotifyWindow();
    SetLastError(0);
    CreateDropPanel(languageFilePath.c_str());
    ShowStartFile();
    m_menu.reset(BuildMenuBar(*this, ProgramFolder()));
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
}

// A panel that cannot be created is dropped: the window goes on without it.
void OMyWindow::CreateDropPanel(const wchar_t* languageFilePath)
{
    const std::wstring title = ReadProfileString(languageFilePath, profile::SectionWindowText, profile::KeyText,
                                                 profile::ControlTextBufferLength);
    m_dropPanel.reset(new CCoolControl());
    m_dropPanel->SetDpi(m_dpi);
    if (!m_dropPanel->Create(this, title.c_str(), Scaled(DropPanelLeft), Scaled(DropPanelTop), Scaled(DropPanelWidth),
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
        FormatCaption(m_filePath.c_str());
        StartHashing(m_filePath.c_str());
    }
    if (m_notifyWindow != nullptr)
        m_notifyWindow->SetMessage(GetCaption(), 0);
}

// Measured as the strip draws it: in the strip's font, in the width of its line less the prefix.
void OMyWindow::FormatCaption(const wchar_t* path)
{
    m_shownPath = path != nullptr ? path : L"";
    if (m_notifyWindow == nullptr)
        return;
    CGraphic graphic(m_notifyWindow->GetHandle());
    if (!m_notifyWindow->GetFont().IsNull())
        graphic.SelectFont(m_notifyWindow->GetFont());
    SIZE prefix = {};
    GetTextExtentPoint32W(graphic.GetHandle(), CWindowCaption::Prefix, m_caption.PrefixLength(), &prefix);
    m_caption.FormatPath(path, graphic.GetHandle(), m_notifyWindow->GetLineWidth() - prefix.cx);
}

// While the file is being hashed the comparison waits for its digest. A reference filled in
// from a checksum file is compared like a typed one; the sentence then also names the file it
// came from.
void OMyWindow::CompareDigests()
{
    if (m_dropPanel == nullptr)
        return;
    if (IsHashing())
    {
        m_compareWhenHashed = true;
        return;
    }
    const COwnedText digest = ReadWholeText(m_dropPanel->GetDigestField());
    const COwnedText reference = ReadWholeText(m_dropPanel->GetInputField());
    const comparison::CVerdict verdict = comparison::JudgeReference(reference.get(), digest.get());
    std::wstring sentence = checksumcommands::ReadSentence(verdict.sentenceKey, ProgramFolder());
    if (verdict.otherAlgorithm != nullptr)
        sentence = checksumcommands::FillIn(sentence, {verdict.otherAlgorithm});
    if (reference && !m_referenceSource.empty() && m_filledReference == reference.get())
        sentence += L" " + checksumcommands::FillIn(checksumcommands::ReadSentence(profile::KeyReferenceFrom,
                                                                                   ProgramFolder()),
                                                    {m_referenceSource});
    ShowSentence(sentence, verdict.pictureId);
}

void OMyWindow::ShowSentence(const std::wstring& sentence, int pictureId)
{
    m_caption.AppendSentence(sentence.c_str());
    ShowInStrip(pictureId);
}

bool OMyWindow::OnDigestReady(const std::wstring& path, const wchar_t* digest, const CFileFindings& findings)
{
    SetDigestText(digest);
    m_shownFile = path;
    return findings.LookedForReference() && UseFoundReference(findings.GetReference());
}

// A reference the user typed or pasted is never replaced; one this window filled in for an
// earlier file is, or is taken away when nothing is found for the new one.
bool OMyWindow::UseFoundReference(const checksums::ReferenceLookup& lookup)
{
    if (m_dropPanel == nullptr)
        return false;
    const COwnedText reference = ReadWholeText(m_dropPanel->GetInputField());
    const std::wstring current = reference ? reference.get() : L"";
    if (!current.empty() && current != m_filledReference)
        return false;
    m_filledReference = lookup.outcome == checksums::ReferenceLookup::Found ? lookup.digest : L"";
    m_referenceSource = lookup.outcome == checksums::ReferenceLookup::Found ? lookup.sourceName : L"";
    if (current != m_filledReference)
        SetInputText(m_filledReference.c_str());
    if (lookup.outcome == checksums::ReferenceLookup::Found)
        CompareDigests();
    else if (lookup.outcome == checksums::ReferenceLookup::Conflict)
        ShowSentence(checksumcommands::FillIn(checksumcommands::ReadSentence(profile::KeyReferenceConflict,
                                                                             ProgramFolder()),
                                              {lookup.sourceName, lookup.otherName}),
                     comparison::WarningPicture);
    return lookup.outcome != checksums::ReferenceLookup::NotFound;
}

std::wstring OMyWindow::ShownDigest() const
{
    const COwnedText digest = m_dropPanel != nullptr ? ReadWholeText(m_dropPanel->GetDigestField()) : nullptr;
    return digest && !m_shownFile.empty() ? digest.get() : L"";
}

void OMyWindow::CopyChecksumLine()
{
    const std::wstring digest = ShownDigest();
    if (!digest.empty())
        checksumcommands::PutTextOnClipboard(
            GetHandle(), checksums::FormatChecksumLine(digest, checksumcommands::FileNameOf(m_shownFile)));
}

void OMyWindow::SaveChecksumFile()
{
    const std::wstring digest = ShownDigest();
    if (!digest.empty())
        checksumcommands::SaveChecksumFileBeside(GetHandle(), m_shownFile, digest, ProgramFolder());
}

void OMyWindow::ToggleChecksumFileLookup()
{
    options::StoreLooksForChecksumFiles(!options::LooksForChecksumFiles(ProgramFolder()), ProgramFolder());
    UpdateChecksumMenuItems(::GetMenu(GetHandle()));
}

// Items are found by command in the menu and its popups; a menu without them is left alone.
void OMyWindow::UpdateChecksumMenuItems(HMENU menu) const
{
    if (menu == nullptr)
        return;
    const UINT shown = ShownDigest().empty() ? MF_GRAYED : MF_ENABLED;
    EnableMenuItem(menu, commands::CopyChecksumLine, MF_BYCOMMAND | shown);
    EnableMenuItem(menu, commands::SaveChecksumFile, MF_BYCOMMAND | shown);
    CheckMenuItem(menu, commands::LookForChecksumFiles,
                  MF_BYCOMMAND | (options::LooksForChecksumFiles(ProgramFolder()) ? MF_CHECKED : MF_UNCHECKED));
}

void OMyWindow::ShowInStrip(int pictureId)
{
    if (m_notifyWindow == nullptr)
        return;
    m_notifyWindow->SetMessage(GetCaption(), pictureId);
    m_notifyWindow->Show(true);
}

// Hashing starts before the strip slides in; the digest follows when it is ready.
void OMyWindow::ShowChosenFile(const wchar_t* path)
{
    FormatCaption(path);
    SetDigestText(L"");
    StartHashing(path);
    ShowInStrip(0);
}

void OMyWindow::SetInputText(const wchar_t* text)
{
    if (m_dropPanel != nullptr && m_dropPanel->GetInputField() != nullptr)
        SetWindowTextW(m_dropPanel->GetInputField()->GetHandle(), text);
}

void OMyWindow::SetDigestText(const wchar_t* text)
{
    if (m_dropPanel != nullptr && m_dropPanel->GetDigestField() != nullptr)
        SetWindowTextW(m_dropPanel->GetDigestField()->GetHandle(), text);
}

// Only the first file of a drop is shown; the others are ignored.
bool OMyWindow::OnDropFiles(HDROP drop)
{
    const UINT fileCount = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    COwnedText name;
    if (fileCount > 0)
    {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        name.reset(new (std::nothrow) wchar_t[length + 2]());
        if (name)
            DragQueryFileW(drop, 0, name.get(), length + 1);
    }
    DragFinish(drop);
    if (!name)
        return true;
    SetInputText(L"");
    ShowChosenFile(MakeFullPath(name.get()).c_str());
    return true;
}

// The dialog is owned by the main window, which takes no input while it is open.
void OMyWindow::OnOpen()
{
    CStdDialogOpenFile dialog;
    dialog.lpstrFilter = OpenDialogFilter;
    dialog.hwndOwner = GetHandle();
    {
        CModalScope open;
        if (!GetOpenFileNameW(&dialog) || IsNull())
            return;
    }
    const std::wstring path = MakeFullPath(dialog.FilePath());
    CFile file;
    if (!file.OpenForReading(path.c_str()))
    {
        ShowPathErrorMessage(L"Cannot open file %s", path.c_str());
        return;
    }
    file.Close();
    SetInputText(L"");
    ShowChosenFile(path.c_str());
}

// The text goes into the reference field as it is; only a comparison judges it. The clipboard
// is closed before any box is shown, so other programs are not kept from it meanwhile.
void OMyWindow::OnPaste()
{
    if (m_dropPanel != nullptr)
        SetFocus(m_dropPanel->GetHandle());
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
    {
        ShowInfoMessage(L"No data to paste");
        return;
    }
    if (!OpenClipboard(GetHandle()))
        return;
    HGLOBAL data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr)
    {
        CloseClipboard();
        ShowInfoMessage(L"Unable to use the clipboad memory.");
        return;
    }
    const wchar_t* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr)
    {
        CloseClipboard();
        return;
    }
    std::wstring pasted;
    try
    {
        pasted = CopyClipboardText(data, text);
    }
    catch (const std::bad_alloc&)
    {
        GlobalUnlock(data);
        CloseClipboard();
        return;
    }
    GlobalUnlock(data);
    CloseClipboard();
    SetInputText(pasted.c_str());
}

// One About window at a time: while it is open the command brings it forward.
void OMyWindow::OnAbout()
{
    if (m_aboutWindow != nullptr && !m_aboutWindow->IsNull())
    {
        m_aboutWindow->Show(true);
        return;
    }
    // A window closed without telling (destroyed some other way) leaves its object behind.
    m_aboutWindow.reset(new CAboutWindow());
    if (!m_aboutWindow->OpenOver(this, m_dpi))
        m_aboutWindow.reset();
}

// The dialog is owned by the main window, as the open dialog is.
void OMyWindow::OnCheckList()
{
    const std::wstring filter =
        lists::MakeListFilter(lists::ReadListTexts(GetLanguageFilePath(ProgramFolder()).c_str()));
    CStdDialogOpenFile dialog;
    dialog.lpstrFilter = filter.c_str();
    dialog.hwndOwner = GetHandle();
    {
        CModalScope open;
        if (!GetOpenFileNameW(&dialog) || IsNull())
            return;
    }
    OpenListWindow(MakeFullPath(dialog.FilePath()).c_str());
}

bool OMyWindow::OpenListWindow(const wchar_t* listPath)
{
    std::unique_ptr<CListWindow> listWindow(new CListWindow());
    if (!listWindow->Open(this, listPath, GetLanguageFilePath(ProgramFolder()).c_str()))
        return false;
    m_listWindows.push_back(std::move(listWindow));
    return true;
}

// The windows that have closed are those whose objects hold no window any more.
bool OMyWindow::OnControlClosed()
{
    m_listWindows.erase(std::remove_if(m_listWindows.begin(), m_listWindows.end(),
                                       [](const std::unique_ptr<CListWindow>& window) { return window->IsNull(); }),
                        m_listWindows.end());
    if (m_aboutWindow != nullptr && m_aboutWindow->IsNull())
        m_aboutWindow.reset();
    return true;
}

// While a box or dialog of the program is open, only Close is taken: another program may post
// commands that would open a second one.
void OMyWindow::RunCommand(unsigned short command)
{
    if (CModalScope::IsAnyOpen() && command != commands::Close && command != commands::StopHashing)
        return;
    if (commands::IsLanguageCommand(command))
    {
        if (m_menu != nullptr)
            SwitchLanguage(command, *this, *m_menu, m_dropPanel.get(), ProgramFolder());
        return;
    }
    switch (command)
    {
    case commands::Open:
        OnOpen();
        break;
    case commands::Close:
        Close();
        break;
    case commands::Paste:
        OnPaste();
        break;
    case commands::About:
        OnAbout();
        break;
    case commands::Help:
        ShowHelp(*this, ProgramFolder());
        break;
    case commands::CopyChecksumLine:
        CopyChecksumLine();
        break;
    case commands::SaveChecksumFile:
        SaveChecksumFile();
        break;
    case commands::LookForChecksumFiles:
        ToggleChecksumFileLookup();
        break;
    case commands::CheckList:
        OnCheckList();
        break;
    case commands::StopHashing:
        StopHashing();
        break;
    default:
        break;
    }
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

bool OMyWindow::OnSize(int, int)
{
    if (m_statusBar != nullptr && !m_statusBar->IsNull())
        SendMessageW(m_statusBar->GetHandle(), WM_SIZE, 0, 0);
    if (m_notifyWindow != nullptr && !m_notifyWindow->IsNull())
    {
        m_notifyWindow->FitToParent();
        CompactPathLineAgain();
    }
    m_hashingDisplay.FollowStatusBar();
    return true;
}

int OMyWindow::Scaled(int value) const
{
    return vrok::user::dpi::Scale(value, m_dpi);
}

bool OMyWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    SetWindowPos(GetHandle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
    CompactPathLineAgain();
    // An open About window is made again at the new density, in the same place over the window.
    if (m_aboutWindow != nullptr && !m_aboutWindow->IsNull())
    {
        m_aboutWindow.reset();
        OnAbout();
    }
}

// For the strip's new room or font; the sentence after the path line and the icon stay.
void OMyWindow::CompactPathLineAgain()
{
    if (m_shownPath.empty() || m_notifyWindow == nullptr || m_notifyWindow->IsNull())
        return;
    const std::wstring sentence(GetCaption() + m_caption.PathLineEnd());
    FormatCaption(std::wstring(m_shownPath).c_str());
    m_caption.AppendSentence(sentence.c_str());
    m_notifyWindow->SetMessage(GetCaption(), m_notifyWindow->GetIconId());
    InvalidateRect(m_notifyWindow->GetHandle(), nullptr, TRUE);
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

bool OMyWindow::OnLeftButtonDown()
{
    if (m_notifyWindow != nullptr)
        m_notifyWindow->Show(true);
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
    UpdateChecksumMenuItems(menu);
    return false;
}

bool OMyWindow::OnNotice(UINT message, WPARAM number)
{
    if (message == WM_COMPARE_REQUEST)
        CompareDigests();
    else if (message == WM_HASH_NEWS)
        OnHashNews(number);
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
