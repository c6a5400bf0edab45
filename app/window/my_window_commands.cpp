// The main window's commands: menus, shortcuts and the context menu.
#include "window/my_window.h"

#include "settings/language_texts.h"

#include "checksums/file_names.h"

#include "checksums/checksum_text.h"
#include "checksums/checksum_writer.h"
#include "checksums/pasted_digest.h"
#include "lists/list_texts.h"
#include "settings/command_ids.h"
#include "settings/options.h"
#include "settings/profile_files.h"
#include "window/checksum_commands.h"
#include "window/cool_control.h"
#include "window/digest_menu.h"
#include "window/keys_window.h"
#include "window/language_commands.h"
#include "signatures/key_store.h"
#include "vrok_data/vrok_string.h"
#include "vrok_data/vrok_utf8.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_clipboard.h"
#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_stddialog.h"

#include <commdlg.h>

using checksums::Algorithm;
using vrok::persistence::file::CFile;
using vrok::persistence::file::MakeFullPath;
using vrok::user::dialog::stddialog::CStdDialogOpenFile;
using vrok::user::messagebox::CModalScope;
using vrok::user::messagebox::ShowInfoMessage;
using vrok::user::messagebox::ShowPathErrorMessage;
using vrok::user::messagebox::ShowPathErrorText;
using vrok::data::type::string::WideFromUtf8;

namespace {

// One pair of display name and pattern, ended by an empty pair.
const wchar_t OpenDialogFilter[] = L"Tous les fichiers\0*.*\0";
const wchar_t LookupNotRememberedMessage[] =
    L"The choice cannot be remembered: md5_global.ini cannot be written. It applies until Vestigon is closed.";
const wchar_t DigestNotRememberedMessage[] =
    L"The digest cannot be remembered: md5_global.ini cannot be written. It applies until Vestigon is closed.";

// Key files are small: a file far larger is no key.
const unsigned long long MaxKeyFileBytes = 4u << 20;

// A Yes/No box naming the key's owner and fingerprint; true for yes.
bool AskToAddKey(const std::wstring& question, const std::string& owner, const std::string& fingerprint)
{
    const std::wstring text = vrok::data::type::string::FillIn(
        question, L"%s", {WideFromUtf8(owner), signatures::GroupedFingerprint(fingerprint)});
    CModalScope box;
    return MessageBoxW(vrok::user::messagebox::ModalOwner(), text.c_str(), L"Vestigon", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The file chosen in an open dialog owned by the window, made full; empty when none was chosen.
std::wstring ChooseFile(HWND owner, const wchar_t* filter, const vrok::user::basewindow::CWindowHandle& window)
{
    CStdDialogOpenFile dialog;
    dialog.lpstrFilter = filter;
    dialog.hwndOwner = owner;
    CModalScope open;
    if (!GetOpenFileNameW(&dialog) || window.IsNull())
        return std::wstring();
    return MakeFullPath(dialog.FilePath());
}

}

// While a box or dialog of the program is open, only Close is taken: another program may post
// commands that would open a second one.
void OMyWindow::RunCommand(unsigned short command)
{
    if (CModalScope::IsAnyOpen() && command != commands::Close && command != commands::StopHashing)
        return;
    if (commands::IsLanguageCommand(command))
    {
        if (m_menu != nullptr && SwitchLanguage(command, *this, *m_menu, m_dropPanel.get(), ProgramFolder()))
            ShowAlgorithmTexts();
        return;
    }
    if (commands::IsDigestCommand(command))
    {
        OnChooseDigest(digestmenu::AlgorithmOfCommand(command));
        return;
    }
    switch (command)
    {
    case commands::Open: OnOpen(); break;
    case commands::Close: Close(); break;
    case commands::Paste: OnPaste(); break;
    case commands::About: m_children.ShowAbout(this, m_dpi); break;
    case commands::Help: ShowHelp(*this, ProgramFolder()); break;
    case commands::CopyChecksumLine: CopyChecksumLine(); break;
    case commands::SaveChecksumFile: SaveChecksumFile(); break;
    case commands::LookForChecksumFiles: ToggleChecksumFileLookup(); break;
    case commands::CheckList: OnCheckList(); break;
    case commands::StopHashing: StopHashing(); break;
    case commands::AddPublisherKey: OnAddPublisherKey(); break;
    case commands::PublisherKeys: m_children.ShowKeys(this, *m_keyStore, LanguageFilePath()); break;
    default: break;
    }
}

// The dialog is owned by the main window, which takes no input while it is open.
void OMyWindow::OnOpen()
{
    const std::wstring path = ChooseFile(GetHandle(), OpenDialogFilter, *this);
    if (path.empty())
        return;
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

void OMyWindow::OnCheckList()
{
    const std::wstring filter = lists::MakeListFilter(lists::ReadListTexts(LanguageFilePath().c_str()));
    const std::wstring path = ChooseFile(GetHandle(), filter.c_str(), *this);
    if (!path.empty())
        OpenListWindow(path.c_str());
}

// What was copied goes into the reference field as the bare digest when it holds one (a whole
// checksum line, a prefixed or grouped digest), otherwise as it is; only a comparison judges
// it. A digest of an algorithm not yet computed has the file hashed again for it meanwhile.
void OMyWindow::OnPaste()
{
    if (m_dropPanel != nullptr)
        SetFocus(m_dropPanel->GetHandle());
    std::wstring copied;
    switch (vrok::user::clipboard::ReadText(GetHandle(), copied))
    {
    case vrok::user::clipboard::Reading::NoText: ShowInfoMessage(L"No data to paste"); return;
    case vrok::user::clipboard::Reading::MemoryUnusable: ShowInfoMessage(L"Unable to use the clipboard memory."); return;
    case vrok::user::clipboard::Reading::Busy: return;
    case vrok::user::clipboard::Reading::Text: break;
    }
    const checksums::PastedDigest pasted = checksums::TakeDigestFromPaste(copied);
    m_pastedDigest = pasted.extracted ? pasted.text : std::wstring();
    m_pastedAlgorithm = pasted.extracted ? pasted.algorithm : std::nullopt;
    SetInputText(pasted.text);
    if (!pasted.name.empty() && !m_shownFile.empty() &&
        !checksums::SamePathIgnoringCase(pasted.name, checksums::FileNameOf(m_shownFile)))
        ShowVerdict(verdicts::OfPastedNameDiffers(pasted.name));
    if (!IsHashing() && !m_shownFile.empty())
        HashAgainFor(m_pastedAlgorithm ? checksums::JudgeReference(pasted.text, m_digests, *m_pastedAlgorithm)
                                       : checksums::JudgeReference(pasted.text, m_digests),
                     pasted.text);
}

// Each key the file offers is shown with its owner and fingerprint and added only when the user
// says yes; where the program's folder cannot be written the keys hold for the run.
void OMyWindow::OnAddPublisherKey()
{
    const std::wstring languageFile = LanguageFilePath();
    const auto message = [&](const wchar_t* key) {
        return ReadProfileString(languageFile.c_str(), profile::SectionMessages, key, profile::ValueBufferLength);
    };
    std::wstring filter =
        ReadProfileString(languageFile.c_str(), profile::SectionKeysWindow, L"filter_keys", profile::ValueBufferLength);
    for (const wchar_t* part : {L"*.asc;*.gpg;*.pub;*.key;KEYS", L"*.*", L"*.*", L""})
        filter += std::wstring(1, L'\0') + part;
    const std::wstring path = ChooseFile(GetHandle(), filter.c_str(), *this);
    std::string bytes;
    if (path.empty())
        return;
    const signatures::KeyFileContents offered =
        checksums::ReadFileBytes(path, MaxKeyFileBytes, bytes) ? signatures::ReadKeyFile(bytes) : signatures::KeyFileContents();
    if (offered.IsEmpty())
    {
        ShowPathErrorText(message(profile::KeyKeyNoneFound), path.c_str());
        return;
    }
    signatures::KeyFileContents accepted;
    for (const signatures::CertifiedKey& key : offered.keys)
        if (AskToAddKey(message(profile::KeyKeyAddQuestion), key.UserId(), signatures::HexOf(key.primary.fingerprint)))
            accepted.keys.push_back(key);
    for (const signatures::MinisignKey& key : offered.minisignKeys)
        if (AskToAddKey(message(profile::KeyKeyAddQuestion), key.comment, signatures::HexOf(key.keyId)))
            accepted.minisignKeys.push_back(key);
    if (m_keyStore->Add(accepted) == signatures::CKeyStore::Change::HeldForRun)
        ShowInfoMessage(L"%s", message(profile::KeyKeyNotStored).c_str());
    m_keys = std::make_shared<const signatures::CKeyring>(m_keyStore->Keyring());
    if (GetKeysWindow() != nullptr)
        m_children.ShowKeys(this, *m_keyStore, languageFile);
}

// The choice holds for the run even where it cannot be stored.
void OMyWindow::OnChooseDigest(Algorithm algorithm)
{
    m_chosen = algorithm;
    digestmenu::CheckChosen(::GetMenu(GetHandle()), algorithm);
    if (!digestmenu::StoreChosenAlgorithm(algorithm, ProgramFolder()))
    {
        const std::wstring told = languagetexts::ReadMessage(profile::KeyDigestNotRemembered, ProgramFolder());
        ShowInfoMessage(L"%s", told.empty() ? DigestNotRememberedMessage : told.c_str());
    }
    if (m_shownFile.empty())
    {
        m_inUse = algorithm;
        ShowAlgorithmTexts();
        return;
    }
    ShowDigestInUse(algorithm);
    if (m_digests.Find(algorithm) == nullptr)
        StartHashing(m_shownFile, checksums::AlgorithmSet(algorithm), false);
}

void OMyWindow::CopyChecksumLine()
{
    const std::wstring digest = ShownDigest();
    if (!digest.empty())
        vrok::user::clipboard::PutText(GetHandle(),
                                       checksums::FormatChecksumLine(digest, checksums::FileNameOf(m_shownFile)));
}

void OMyWindow::SaveChecksumFile()
{
    const std::wstring digest = ShownDigest();
    if (!digest.empty())
        checksumcommands::SaveChecksumFileBeside(GetHandle(), m_shownFile, digest, m_inUse, ProgramFolder());
}

// The choice holds for the run even where it cannot be stored.
void OMyWindow::ToggleChecksumFileLookup()
{
    m_lookForChecksumFiles = !m_lookForChecksumFiles;
    if (!options::StoreLooksForChecksumFiles(m_lookForChecksumFiles, ProgramFolder()))
    {
        const std::wstring told = languagetexts::ReadMessage(profile::KeyLookupNotRemembered, ProgramFolder());
        ShowInfoMessage(L"%s", told.empty() ? LookupNotRememberedMessage : told.c_str());
    }
    UpdateMenuItems(::GetMenu(GetHandle()));
}

// Items are found by command in the menu and its popups; a menu without them is left alone.
void OMyWindow::UpdateMenuItems(HMENU menu) const
{
    if (menu == nullptr)
        return;
    const UINT shown = ShownDigest().empty() ? MF_GRAYED : MF_ENABLED;
    EnableMenuItem(menu, commands::CopyChecksumLine, MF_BYCOMMAND | shown);
    EnableMenuItem(menu, commands::SaveChecksumFile, MF_BYCOMMAND | shown);
    CheckMenuItem(menu, commands::LookForChecksumFiles,
                  MF_BYCOMMAND | (m_lookForChecksumFiles ? MF_CHECKED : MF_UNCHECKED));
}
