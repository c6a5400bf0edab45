// The main window's side of hashing: a job per file on a thread of its own, its progress in the
// status bar, the strip and the taskbar, and its result or failure once it arrives.
#include "window/my_window.h"

#include "hashing/file_status.h"
#include "settings/command_ids.h"
#include "settings/options.h"
#include "settings/profile_files.h"
#include "vrok_user/vrok_messagebox.h"
#include "vrok_user/vrok_notifywindow.h"


using vrok::user::messagebox::ShowPathErrorMessage;

namespace {

const wchar_t OpenFailedMessage[] = L"Open file %s failed !";

}

std::wstring OMyWindow::ReadSentence(const wchar_t* key) const
{
    const std::wstring languageFile = GetLanguageFilePath(ProgramFolder());
    if (languageFile.empty())
        return std::wstring();
    return ReadProfileString(languageFile.c_str(), profile::SectionSentences, key, profile::SentenceBufferLength);
}

// The strip's sentence changes in place, without a new slide.
void OMyWindow::ShowHashingSentence(const std::wstring& sentence)
{
    m_caption.AppendSentence(sentence.c_str());
    if (m_notifyWindow == nullptr || m_notifyWindow->IsNull())
        return;
    m_notifyWindow->SetMessage(GetCaption(), 0);
    InvalidateRect(m_notifyWindow->GetHandle(), nullptr, TRUE);
}

void OMyWindow::StartHashing(const wchar_t* path)
{
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    m_findings = std::make_shared<CFileFindings>(options::LooksForChecksumFiles(ProgramFolder()));
    if (m_hashJob.Start(GetHandle(), path, m_findings) == 0)
        ShowPathErrorMessage(OpenFailedMessage, path);
    UpdateStopCommand();
}

void OMyWindow::StopHashing()
{
    if (!m_hashJob.IsRunning())
        return;
    m_hashJob.Stop();
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    UpdateStopCommand();
    ShowHashingSentence(ReadSentence(profile::KeyHashingStopped));
}

// News of a stopped or replaced job is dropped.
void OMyWindow::OnHashNews(WPARAM job)
{
    hashing::CHashNews news;
    if (!m_hashJob.TakeNews(job, news))
        return;
    if (news.finished)
        OnHashFinished(news);
    else
        OnHashProgress(news.progress);
}

void OMyWindow::OnHashProgress(const hashing::CJobProgress& progress)
{
    m_hashingDisplay.Show(progress);
    ShowHashingSentence(FormatProgressSentence(ReadSentence(profile::KeyHashingProgress), progress));
}

// A comparison asked for meanwhile is judged now that the digest is there, unless a checksum
// file beside the file has already given the verdict; a file missing or unreadable is told in
// a box and leaves the digest field empty.
void OMyWindow::OnHashFinished(const hashing::CHashNews& news)
{
    const hashing::FileStatus status = hashing::StatusOf(news.outcome, m_hashJob.GetPath());
    const bool compare = m_compareWhenHashed;
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    UpdateStopCommand();
    ShowHashingSentence(std::wstring());
    if (status == hashing::FileStatus::Stopped)
        return;
    if (status == hashing::FileStatus::Hashed) {
        const bool judged = OnDigestReady(m_hashJob.GetPath(), news.digest.c_str(), *m_findings);
        // A checksum list is hashed as a file all the same; the strip points to checking it.
        if (m_findings->IsChecksumList())
            ShowHashingSentence(ReadSentence(profile::KeyChecksumList));
        if (compare && !judged)
            CompareDigests();
        return;
    }
    const std::wstring path = m_hashJob.GetPath();
    ShowPathErrorMessage(OpenFailedMessage, path.c_str());
}

void OMyWindow::UpdateStopCommand()
{
    HMENU menu = ::GetMenu(GetHandle());
    if (menu != nullptr)
        EnableMenuItem(menu, commands::StopHashing, MF_BYCOMMAND | (IsHashing() ? MF_ENABLED : MF_GRAYED));
}
