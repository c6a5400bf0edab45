#include "lists/list_check_job.h"

#include "signatures/signature_check.h"
#include "signatures/signature_lookup.h"

#include "checksums/checksum_text.h"
#include "checksums/file_names.h"
#include "hashing/file_hasher.h"
#include "hashing/file_status.h"
#include "vrok_persistence/vrok_longpath.h"

#include <algorithm>

using vrok::system::job::CJobChannel;
using vrok::system::thread::CLockHolder;

namespace lists {

namespace {

// The folder a list's names are relative to: the working folder for a list named bare.
std::wstring ListFolderOf(const std::wstring& listPath)
{
    const std::wstring folder = checksums::FolderOf(listPath);
    return folder.empty() && checksums::FileNameOf(listPath) == listPath ? std::wstring(L".") : folder;
}

bool SizeOf(const std::wstring& path, unsigned long long& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

// What a worker needs of a listed file: its path in the long form, so that names deep in
// folders are found as well, and the digest it must have.
struct FileToCheck
{
    std::wstring path;
    std::wstring expected;
    vrok::business::digest::Algorithm algorithm;
    bool mayBeBlake2b;
};

// The digests a listed file is hashed for: its own, and BLAKE2b-512 beside SHA-512 when its 128
// digits may be either. An empty expected digest asks for the algorithm's own length.
std::vector<hashing::DigestRequest> RequestsFor(const FileToCheck& file)
{
    using vrok::business::digest::Algorithm;
    std::vector<hashing::DigestRequest> requests(1);
    requests[0].algorithm = file.algorithm;
    if (file.algorithm == Algorithm::Blake2b)
        requests[0].digestBytes = file.expected.size() / 2;
    if (file.mayBeBlake2b) {
        requests.emplace_back();
        requests.back().algorithm = Algorithm::Blake2b;
    }
    return requests;
}

// The computed digest that answers the expected one: the first, unless another matches.
std::wstring DigestFound(const std::vector<std::string>& digests, const std::wstring& expected)
{
    for (const std::string& digest : digests) {
        if (hashing::HexOf(digest) == expected)
            return expected;
    }
    return digests.empty() ? std::wstring() : hashing::HexOf(digests[0]);
}

// The file a worker is hashing and how far it has come.
struct WorkerSlot
{
    bool busy = false;
    size_t index = 0;
    unsigned long long bytesDone = 0;
};

}

// The list and its files: the job's threads read the list and hash the files, handing the
// entries and each file's result over under the channel's lock; the window takes them in its
// locked step. Workers take the next file from a shared counter, so files end in any order;
// every result carries its index and the rows keep the list's order.
class CListCheckWork : public vrok::system::job::IJobWork
{
public:
    CListCheckWork(const std::wstring& listPath, checksums::AlgorithmSet accepted,
                   std::shared_ptr<const signatures::CKeyring> keys)
        : m_listPath(listPath), m_accepted(accepted), m_keys(std::move(keys))
    {
    }
    explicit CListCheckWork(std::vector<ListEntry>&& entries) : m_given(std::move(entries)), m_entriesGiven(true) {}

    void Run(CJobChannel& channel) override;
    // With the channel's lock held.
    void Take(ListNews& news, bool ended);

private:
    class CSlotObserver;

    bool ReadList(CJobChannel& channel);
    bool ReadText(checksums::ChecksumText& text);
    void TakeEntries(CJobChannel& channel, std::vector<ListEntry>&& entries, checksums::ChecksumText&& text);
    void MeasureSizes(CJobChannel& channel);
    void CheckFiles(CJobChannel& channel, unsigned slot);
    CheckedFile CheckOne(CJobChannel& channel, unsigned slot, size_t index);
    void Hand(CJobChannel& channel, unsigned slot, CheckedFile&& file);
    CheckProgress Progress() const;

    // The worker's own: set before the files are hashed, read-only afterwards.
    const std::wstring m_listPath;
    const checksums::AlgorithmSet m_accepted = checksums::Md5Only;
    const std::shared_ptr<const signatures::CKeyring> m_keys;
    signatures::SignatureResult m_signature;
    std::vector<ListEntry> m_given;
    const bool m_entriesGiven = false;
    std::vector<FileToCheck> m_files;
    std::vector<unsigned long long> m_sizes;
    std::vector<bool> m_sizeKnown;
    volatile LONG m_nextFile = 0;

    // Guarded by the channel's lock.
    ListState m_listState = ListState::Reading;
    std::vector<ListEntry> m_listed;
    bool m_listHanded = false;
    size_t m_otherLines = 0;
    std::vector<size_t> m_otherLineNumbers;
    std::vector<CheckedFile> m_waiting;
    std::vector<WorkerSlot> m_slots;
    unsigned long long m_bytesOfEndedFiles = 0;
    unsigned long long m_bytesTotal = 0;
    size_t m_lastStarted = 0;
};

// Adds one file's progress to its worker's slot.
class CListCheckWork::CSlotObserver : public hashing::IHashObserver
{
public:
    CSlotObserver(CListCheckWork& work, CJobChannel& channel, unsigned slot)
        : m_work(work), m_channel(channel), m_slot(slot)
    {
    }
    bool ShouldStop() override { return m_channel.StopRequested(); }
    void OnProgress(unsigned long long bytesDone, unsigned long long) override
    {
        CLockHolder held(m_channel.Lock());
        m_work.m_slots[m_slot].bytesDone = bytesDone;
        m_channel.NotifyProgress();
    }

private:
    CListCheckWork& m_work;
    CJobChannel& m_channel;
    const unsigned m_slot;
};

void CListCheckWork::Run(CJobChannel& channel)
{
    if (!ReadList(channel))
        return;
    MeasureSizes(channel);
    const unsigned workers = static_cast<unsigned>(std::min<size_t>(
        std::min(vrok::system::thread::ProcessorCount(), CListCheckJob::MaxParallelFiles), m_files.size()));
    {
        CLockHolder held(channel.Lock());
        m_slots.resize(workers);
    }
    vrok::system::thread::RunOnThreads(workers, [this, &channel](unsigned slot) { CheckFiles(channel, slot); });
}

// The entries for the window, the files for the workers.
bool CListCheckWork::ReadList(CJobChannel& channel)
{
    checksums::ChecksumText text;
    if (m_entriesGiven) {
        TakeEntries(channel, std::move(m_given), std::move(text));
        return true;
    }
    if (!ReadText(text))
        return false;
    const std::wstring folder = ListFolderOf(m_listPath);
    std::vector<ListEntry> entries(text.lines.size());
    for (size_t index = 0; index < entries.size(); ++index) {
        checksums::ChecksumLine& line = text.lines[index];
        ListEntry& entry = entries[index];
        entry.name = std::move(line.name);
        entry.path = checksums::ResolveListedName(folder, entry.name);
        entry.expected = std::move(line.digest);
        entry.algorithm = line.algorithm;
        entry.mayBeBlake2b = line.mayBeBlake2b;
        entry.lineNumber = line.lineNumber;
    }
    TakeEntries(channel, std::move(entries), std::move(text));
    return true;
}

// Without keys the list is read as it is; with them, its signature is checked first and a
// clear-signed list is read from the signed text alone: a line written around it is not vouched for.
bool CListCheckWork::ReadText(checksums::ChecksumText& text)
{
    if (!m_keys)
        return checksums::ReadChecksumFile(m_listPath, CListCheckJob::MaxListFileBytes, false, text, m_accepted);
    std::string bytes;
    if (!checksums::ReadFileBytes(m_listPath, CListCheckJob::MaxListFileBytes, bytes))
        return false;
    std::string signedText;
    m_signature = signatures::CheckListSignatures(m_listPath, bytes, *m_keys, signatures::CurrentTime(), signedText);
    checksums::ChecksumReading reading;
    reading.accepted = m_accepted;
    reading.named = checksums::AlgorithmOfFileName(checksums::FileNameOf(m_listPath));
    text = checksums::ParseChecksumBytes(signedText, false, reading);
    return true;
}

void CListCheckWork::TakeEntries(CJobChannel& channel, std::vector<ListEntry>&& entries,
                                 checksums::ChecksumText&& text)
{
    m_files.reserve(entries.size());
    for (const ListEntry& entry : entries) {
        m_files.push_back(FileToCheck{vrok::persistence::file::ToLongPathForm(entry.path.c_str()), entry.expected,
                                      entry.algorithm, entry.mayBeBlake2b});
    }
    CLockHolder held(channel.Lock());
    m_listed.swap(entries);
    m_otherLines = text.otherLines;
    m_otherLineNumbers.swap(text.otherLineNumbers);
    m_listState = ListState::Read;
    channel.Notify();
}

void CListCheckWork::MeasureSizes(CJobChannel& channel)
{
    m_sizes.assign(m_files.size(), 0);
    m_sizeKnown.assign(m_files.size(), false);
    unsigned long long total = 0;
    for (size_t index = 0; index < m_files.size() && !channel.StopRequested(); ++index) {
        m_sizeKnown[index] = SizeOf(m_files[index].path, m_sizes[index]);
        total += m_sizes[index];
    }
    CLockHolder held(channel.Lock());
    m_bytesTotal = total;
}

void CListCheckWork::CheckFiles(CJobChannel& channel, unsigned slot)
{
    for (;;) {
        const size_t index = static_cast<size_t>(InterlockedIncrement(&m_nextFile) - 1);
        if (index >= m_files.size() || channel.StopRequested())
            return;
        {
            CLockHolder held(channel.Lock());
            m_slots[slot] = WorkerSlot{ true, index, 0 };
            m_lastStarted = std::max(m_lastStarted, index);
        }
        CheckedFile file = CheckOne(channel, slot, index);
        if (file.result == Result::Pending)
            return;
        Hand(channel, slot, std::move(file));
    }
}

// A name that leads nowhere (rooted, or above the folder's root) names no file here.
CheckedFile CListCheckWork::CheckOne(CJobChannel& channel, unsigned slot, size_t index)
{
    const FileToCheck& listed = m_files[index];
    CheckedFile file;
    file.index = index;
    file.outcome = hashing::Outcome::OpenFailed;
    std::wstring digest;
    hashing::FileStatus status = hashing::FileStatus::Missing;
    if (!listed.path.empty()) {
        CSlotObserver observer(*this, channel, slot);
        std::vector<std::string> digests;
        file.outcome = hashing::HashFile(listed.path, RequestsFor(listed), observer, digests,
                                         m_slots.size() > 1 ? hashing::ReadAhead::None : hashing::ReadAhead::ForLargeFiles);
        status = hashing::StatusOf(file.outcome, listed.path);
        digest = DigestFound(digests, listed.expected);
    }
    // DigestFound gives the matching one of SHA-512's and BLAKE2b's: judged as the line's own.
    file.result = ResultOf(status, digest, listed.expected, listed.algorithm);
    if (status == hashing::FileStatus::Hashed)
        file.digest = digest;
    file.size = m_sizes[index];
    file.sizeKnown = m_sizeKnown[index] && file.result != Result::Missing;
    return file;
}

void CListCheckWork::Hand(CJobChannel& channel, unsigned slot, CheckedFile&& file)
{
    CLockHolder held(channel.Lock());
    m_slots[slot].busy = false;
    m_bytesOfEndedFiles += m_sizes[file.index];
    if (channel.StopRequested())
        return;
    m_waiting.push_back(std::move(file));
    channel.Notify();
}

CheckProgress CListCheckWork::Progress() const
{
    CheckProgress progress;
    progress.bytesTotal = m_bytesTotal;
    progress.bytesDone = m_bytesOfEndedFiles;
    progress.current = m_lastStarted;
    for (const WorkerSlot& slot : m_slots) {
        if (!slot.busy)
            continue;
        progress.bytesDone += slot.bytesDone;
        progress.current = std::min(progress.current, slot.index);
    }
    return progress;
}

// The list goes first, once: the results of a step always find their rows.
void CListCheckWork::Take(ListNews& news, bool ended)
{
    news.ended = ended;
    news.listState = ended && m_listState == ListState::Reading ? ListState::Unreadable : m_listState;
    if (m_listState == ListState::Read && !m_listHanded) {
        m_listHanded = true;
        news.listHanded = true;
        news.entries.swap(m_listed);
        news.otherLines = m_otherLines;
        news.otherLineNumbers.swap(m_otherLineNumbers);
        news.signature = m_signature;
    }
    news.results.swap(m_waiting);
    news.progress = Progress();
}

CListCheckJob::CListCheckJob(UINT newsMessage) : m_job(newsMessage) {}

CListCheckJob::~CListCheckJob() = default;

unsigned CListCheckJob::Start(const std::wstring& listPath, HWND window, checksums::AlgorithmSet accepted,
                              std::shared_ptr<const signatures::CKeyring> keys)
{
    m_work = std::make_shared<CListCheckWork>(listPath, accepted, std::move(keys));
    return m_job.Start(window, m_work);
}

unsigned CListCheckJob::StartOnEntries(std::vector<ListEntry> entries, HWND window)
{
    m_work = std::make_shared<CListCheckWork>(std::move(entries));
    return m_job.Start(window, m_work);
}

bool CListCheckJob::TakeNews(WPARAM number, ListNews& news)
{
    if (!m_work)
        return false;
    CListCheckWork& work = *m_work;
    return m_job.TakeNews(number, [&](bool ended) { work.Take(news, ended); });
}

void CListCheckJob::TakeRest(ListNews& news)
{
    if (!m_work)
        return;
    CListCheckWork& work = *m_work;
    m_job.TakeRest([&](bool ended) { work.Take(news, ended); });
}

}
