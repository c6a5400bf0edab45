#include "hashing/hash_job.h"

using vrok::system::job::CJobChannel;
using vrok::system::thread::CLockHolder;

namespace hashing {

// One file's hashing: the job's thread writes the progress and the result under the channel's
// lock, the window reads them in its locked step.
class CHashWork : public vrok::system::job::IJobWork, private IHashObserver
{
public:
    CHashWork(const std::wstring& path, const std::vector<DigestRequest>& requests, CHashFunction hash,
              std::shared_ptr<IHashCompanion> companion)
        : m_path(path), m_hash(hash), m_companion(std::move(companion)), m_requests(requests)
    {
    }

    void Run(CJobChannel& channel) override
    {
        m_channel = &channel;
        const std::function<bool()> stopRequested = [&channel] { return channel.StopRequested(); };
        std::vector<DigestRequest> requests = m_requests;
        const bool read = !m_companion || m_companion->BeforeHashing(m_path, requests, stopRequested);
        std::vector<std::string> digests;
        Outcome outcome = Outcome::Stopped;
        if (read && !channel.StopRequested())
            outcome = m_hash(m_path, requests, *this, digests);
        if (outcome == Outcome::Digest && m_companion && !channel.StopRequested())
            m_companion->AfterDigests(m_path, requests, digests, stopRequested);
        CLockHolder held(channel.Lock());
        m_read = read;
        m_outcome = read ? outcome : Outcome::Digest;
        m_requests.swap(requests);
        m_digests.swap(digests);
    }

    // With the channel's lock held.
    void Take(CHashNews& news, bool ended) const
    {
        news.progress = CJobProgress{ m_done, m_total, m_channel != nullptr ? m_channel->ElapsedMs() : 0 };
        news.finished = ended;
        if (!ended)
            return;
        news.outcome = m_outcome;
        news.read = m_read;
        news.requests = m_requests;
        news.digests = m_digests;
    }

private:
    bool ShouldStop() override { return m_channel->StopRequested(); }

    void OnProgress(unsigned long long bytesDone, unsigned long long bytesTotal) override
    {
        CLockHolder held(m_channel->Lock());
        m_done = bytesDone;
        m_total = bytesTotal;
        m_channel->NotifyProgress();
    }

    const std::wstring m_path;
    const CHashFunction m_hash;
    const std::shared_ptr<IHashCompanion> m_companion;
    CJobChannel* m_channel = nullptr;
    unsigned long long m_done = 0;
    unsigned long long m_total = 0;
    // A work that ended by throwing (out of memory) could not read its file.
    Outcome m_outcome = Outcome::ReadFailed;
    bool m_read = true;
    std::vector<DigestRequest> m_requests;
    std::vector<std::string> m_digests;
};

namespace {

// The window's one file at a time, read ahead when it is large.
Outcome HashOneFile(const std::wstring& path, const std::vector<DigestRequest>& requests, IHashObserver& observer,
                    std::vector<std::string>& digests)
{
    return HashFile(path, requests, observer, digests);
}

}

CHashJob::CHashJob(UINT newsMessage) : m_job(newsMessage), m_hash(&HashOneFile) {}

CHashJob::~CHashJob() = default;

unsigned CHashJob::Start(HWND window, const std::wstring& path, const std::vector<DigestRequest>& requests,
                         std::shared_ptr<IHashCompanion> companion)
{
    m_path = path;
    m_work = std::make_shared<CHashWork>(path, requests, m_hash, std::move(companion));
    return m_job.Start(window, m_work);
}

bool CHashJob::TakeNews(WPARAM number, CHashNews& news)
{
    if (!m_work)
        return false;
    const CHashWork& work = *m_work;
    return m_job.TakeNews(number, [&](bool ended) { work.Take(news, ended); });
}

}
