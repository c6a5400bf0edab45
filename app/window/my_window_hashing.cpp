// The main window's side of hashing: a job per file on a thread of its own, its progress in the
// status bar, the strip and the taskbar, and its digests or failure once they arrive.
#include "window/my_window.h"

#include "hashing/file_status.h"
#include "settings/command_ids.h"
#include "settings/options.h"
#include "settings/profile_files.h"
#include "vrok_user/vrok_messagebox.h"

using checksums::Algorithm;
using vrok::user::messagebox::ShowPathErrorMessage;

namespace {

const wchar_t OpenFailedMessage[] = L"Open file %s failed !";

}

// The algorithms are read in one pass; the checksum files around the file are looked at first
// (their algorithm joins the read) when `lookAround` says so and the user has not turned that off.
void OMyWindow::StartHashing(const std::wstring& path, checksums::AlgorithmSet algorithms, bool lookAround,
                             size_t blake2bBytes)
{
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    std::vector<hashing::DigestRequest> requests;
    for (Algorithm algorithm : checksums::StrongestFirst)
        if (algorithms.Has(algorithm))
            AddDigestRequest(requests, algorithm, algorithm == Algorithm::Blake2b ? blake2bBytes : 0);
    m_findings = std::make_shared<CFileFindings>(lookAround && m_lookForChecksumFiles, m_keys);
    if (m_hashJob.Start(GetHandle(), path, requests, m_findings) == 0)
        ShowPathErrorMessage(OpenFailedMessage, path.c_str());
    UpdateStopCommand();
}

// Only a reference whose digest is still to be computed, for the file shown, is hashed for.
void OMyWindow::HashAgainFor(const checksums::JudgedReference& judged, const std::wstring& reference)
{
    if (judged.verdict != checksums::ReferenceVerdict::NeedsDigest || m_shownFile.empty())
        return;
    const size_t blake2bBytes = reference.size() != checksums::DigitsOf(Algorithm::Blake2b) ? reference.size() / 2 : 0;
    StartHashing(m_shownFile, judged.toCompute, false, blake2bBytes);
}

void OMyWindow::StopHashing()
{
    if (!m_hashJob.IsRunning())
        return;
    m_hashJob.Stop();
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    UpdateStopCommand();
    m_strip.ShowInPlace(ReadSentence(profile::KeyHashingStopped));
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
    m_strip.ShowInPlace(FormatProgressSentence(ReadSentence(profile::KeyHashingProgress), progress));
}

// The digests of another file replace those held; those of the same file join them.
void OMyWindow::KeepDigests(const std::wstring& path, const hashing::CHashNews& news)
{
    if (path != m_shownFile)
        m_digests.Clear();
    m_shownFile = path;
    for (size_t index = 0; index < news.requests.size() && index < news.digests.size(); ++index)
        if (news.requests[index].trailer.empty())
            m_digests.Set(news.requests[index].algorithm, hashing::HexOf(news.digests[index]));
}

// A comparison asked for meanwhile is judged now that the digest is there, unless a checksum
// file beside the file has already given the verdict; a file missing or unreadable is told in
// a box and leaves the digest field empty.
void OMyWindow::OnHashFinished(const hashing::CHashNews& news)
{
    const std::wstring path = m_hashJob.GetPath();
    const hashing::FileStatus status = hashing::StatusOf(news.outcome, path);
    const bool compare = m_compareWhenHashed;
    m_compareWhenHashed = false;
    m_hashingDisplay.Hide();
    UpdateStopCommand();
    m_strip.ShowInPlace(std::wstring());
    if (status == hashing::FileStatus::Stopped)
        return;
    if (status != hashing::FileStatus::Hashed)
    {
        ShowPathErrorMessage(OpenFailedMessage, path.c_str());
        return;
    }
    KeepDigests(path, news);
    if (!news.read)
    {
        ShowDigestInUse(m_inUse);
        ShowVerdict(verdicts::OfSizeDiffers(m_findings->FileSize(), m_findings->GetReference().listedSize,
                                            m_findings->GetReference().sizeSourceName));
        return;
    }
    ShowDigestInUse(m_inUse, m_inUseDigits);
    if (m_findings->LookedForReference())
        KeepSignature(*m_findings, path);
    const bool judged = UseFoundReference(*m_findings);
    if (!judged && m_signatureOverFile)
        ShowVerdict(verdicts::OfSignatureAlone(m_signature, true));
    // A checksum list is hashed as a file all the same; the strip points to checking it.
    if (m_findings->IsChecksumList())
        m_strip.ShowInPlace(ReadSentence(profile::KeyChecksumList));
    if (compare && !judged)
        CompareDigests();
}

void OMyWindow::UpdateStopCommand()
{
    HMENU menu = ::GetMenu(GetHandle());
    if (menu != nullptr)
        EnableMenuItem(menu, commands::StopHashing, MF_BYCOMMAND | (IsHashing() ? MF_ENABLED : MF_GRAYED));
}
