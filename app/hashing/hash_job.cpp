#include "hashing/hash_job.h"

using vrok::system::job::CJobChannel;
using vrok::system::thread::CLockHolder;

namespace hashing {

// One file's hashing: the job's thread writes the progress and the result under the channel's
// lock, the window reads them in its locked step.
class CHashWork : public vrok::system::job::IJobWork, private IHashObserver
{
public:
    CHashWork(const std::wstring& path, CHashFunction hash, std::shared_ptr<IAfterDigest> afterDigest)
        : m_path(path), m_hash(hash), m_afterDigest(std::move(afterDigest))
    {
    }

    void Run(CJobChannel& channel) override
    {
        m_channel = &channel;
        std::wstring digest;
        const Outcome outcome = m_hash(m_path, *this, digest);
        if (outcome == Outcome::Digest && m_afterDigest && !channel.StopRequested())
            m_afterDigest->Run(m_path, [&channel] { return channel.StopRequested(); });
        CLockHolder held(channel.Lock());
        m_outcome = outcome;
        m_digest = digest;
    }

    // With the channel's lock held.
    void Take(CHashNews& news, bool ended) const
    {
        news.progress = CJobProgress{ m_done, m_total, m_channel != nullptr ? m_channel->ElapsedMs() : 0 };
        news.finished = ended;
        if (!ended)
            return;
        news.outcome = m_outcome;
        news.digest = m_digest;
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
    const std::shared_ptr<IAfterDigest> m_afterDigest;
    CJobChannel* m_channel = nullptr;
    unsigned long long m_done = 0;
    unsigned long long m_total = 0;
    // A work that ended by throwing (out of memory) could not read its file.
    Outcome m_outcome = Outcome::ReadFailed;
    std::wstring m_digest;
};

CHashJob::CHashJob(UINT newsMessage) : m_job(newsMessage), m_hash(&HashFile) {}

CHashJob::~CHashJob() = default;

unsigned CHashJob::Start(HWND window, const std::wstring& path, std::shared_ptr<IAfterDigest> afterDigest)
{
    m_path = path;
    m_work = std::make_shared<CHashWork>(path, m_hash, std::move(afterDigest));
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
