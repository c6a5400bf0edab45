// The file hasher on its own: a digest across several read buffers and its progress reports; and
// the background job the window hashes with: news of stopped and replaced jobs.
#include "hashing/file_hasher.h"
#include "hashing/hash_job.h"

#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <vector>

using hashing::Outcome;

namespace {

// 9 MiB and 3 bytes: many pieces, and a partial block at the end.
const wchar_t MultiBufferFile[] = L"digest\\len_9437187.bin";

// Records every progress report.
struct CRecordingObserver : hashing::IHashObserver
{
    bool ShouldStop() override { return false; }
    void OnProgress(unsigned long long done, unsigned long long total) override
    {
        reports.push_back(done);
        totals.push_back(total);
    }
    std::vector<unsigned long long> reports;
    std::vector<unsigned long long> totals;
};

hashing::DigestRequest Request(vrok::business::digest::Algorithm algorithm, size_t bytes = 0, const char* trailer = "")
{
    hashing::DigestRequest request;
    request.algorithm = algorithm;
    request.digestBytes = bytes;
    request.trailer = trailer;
    return request;
}

// The file's MD5 digest in hexadecimal digits, or what kept it from one.
std::wstring Md5Of(const std::wstring& path, hashing::IHashObserver& observer)
{
    std::vector<std::string> digests;
    switch (hashing::HashFile(path, {Request(vrok::business::digest::Algorithm::Md5)}, observer, digests)) {
    case Outcome::Digest: return hashing::HexOf(digests[0]);
    case Outcome::Stopped: return L"stopped";
    case Outcome::OpenFailed: return L"open failed";
    default: return L"read failed";
    }
}

}

TEST(Hashing, MultiBufferFileGetsMd5sumsDigestWithGrowingProgress)
{
    CRecordingObserver observer;
    EXPECT_EQ(testsupport::ReferenceDigestOf(L"digest\\md5sums.txt", L"len_9437187.bin"), Md5Of(MultiBufferFile, observer));
    ASSERT_GE(observer.reports.size(), 3u);
    for (size_t i = 1; i < observer.reports.size(); ++i)
        EXPECT_LT(observer.reports[i - 1], observer.reports[i]);
    EXPECT_EQ(9437187u, observer.reports.back());
    for (unsigned long long total : observer.totals)
        EXPECT_EQ(9437187u, total);
}

// Every tail length around MD5's padding boundaries and the hasher's pieces.
TEST(Hashing, EveryTailLengthGetsTheDigestMd5sumPrints)
{
    for (const auto& entry : testsupport::ReadReferenceDigests(L"digest\\md5sums.txt")) {
        SCOPED_TRACE(testsupport::Narrow(entry.path));
        CRecordingObserver observer;
        EXPECT_EQ(entry.digest, Md5Of(entry.path, observer));
    }
}

// A non-Latin name and a name deep past MAX_PATH, each held open by a reader that shares it,
// are hashed; files that cannot be read say so.
TEST(Hashing, LongAndNonLatinPathsAreHashedAndUnreadableFilesSaySo)
{
    testsupport::CTemporaryFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"\x0434\x0430\x043D\x043D\x044B\x0435").c_str(), nullptr));
    const std::wstring deep = folder.MakeDeepFolder(592);
    const std::wstring written = folder.WriteFile(L"busy.bin", "being written");
    const struct { std::wstring path; DWORD access, share; const wchar_t* md5; } rows[] = {
        {folder.WriteFile(L"\x0434\x0430\x043D\x043D\x044B\x0435\\\x6587\x4EF6 \x03B1\x03C1\x03C7.txt", "message digest"),
         GENERIC_READ, FILE_SHARE_READ, L"f96b697d7cb7938d525a2f31aaf161d0"},
        {folder.WriteFile(deep + L"\\message.txt", "message digest"), GENERIC_READ, FILE_SHARE_READ,
         L"f96b697d7cb7938d525a2f31aaf161d0"},
        {folder.PathOf(L"\x0444\x0430\x0439\x043B-\x6587\x4EF6.bin"), 0, 0, L"open failed"},
        {folder.Path(), 0, 0, L"open failed"},
        {written, GENERIC_WRITE, 0, L"open failed"},
        {written, GENERIC_WRITE, FILE_SHARE_READ, L"open failed"},  // a writer letting others read still keeps it
    };
    ASSERT_EQ(604u, rows[1].path.size());
    for (const auto& row : rows) {
        SCOPED_TRACE(testsupport::Narrow(row.path));
        testsupport::CHeldFile held(row.path, row.access, row.share);
        ASSERT_EQ(row.access != 0, held.IsHeld());
        CRecordingObserver observer;
        EXPECT_EQ(row.md5, Md5Of(row.path, observer));
    }
}

namespace {

// Says stop once the first piece is read.
struct CStopAfterFirstPiece : CRecordingObserver
{
    bool ShouldStop() override { return !reports.empty(); }
};

}

// Several digests in one read, each on a thread of its own through the ring of pieces (9 MiB goes
// round it more than once), as coreutils prints them; a signature's trailer follows the file.
TEST(Hashing, OneReadGivesEveryRequestedDigest)
{
    using vrok::business::digest::Algorithm;
    const std::vector<hashing::DigestRequest> requests = {
        Request(Algorithm::Md5), Request(Algorithm::Sha256), Request(Algorithm::Blake2b, 32), Request(Algorithm::Sha512),
        Request(Algorithm::Sha256, 0, "abc")};
    const wchar_t* lists[] = {L"md5sums.txt", L"sha256sums.txt", L"b2-256sums.txt", L"sha512sums.txt"};
    for (const std::wstring name : {L"len_0.bin", L"len_65537.bin", L"len_9437187.bin"}) {
        SCOPED_TRACE(testsupport::Narrow(name));
        CRecordingObserver observer;
        std::vector<std::string> digests;
        ASSERT_EQ(Outcome::Digest, hashing::HashFile(L"digest\\" + name, requests, observer, digests));
        ASSERT_EQ(requests.size(), digests.size());
        for (size_t index = 0; index < 4; ++index)
            EXPECT_EQ(testsupport::ReferenceDigestOf(std::wstring(L"digest\\") + lists[index], name), hashing::HexOf(digests[index]));
        if (name == L"len_0.bin") {
            EXPECT_EQ(L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", hashing::HexOf(digests[4]));
        }
    }
    CStopAfterFirstPiece stopping;
    std::vector<std::string> digests;
    EXPECT_EQ(Outcome::Stopped, hashing::HashFile(MultiBufferFile, requests, stopping, digests));
    EXPECT_EQ(1u, stopping.reports.size());
}

// --- the background job the main window hashes with ---

namespace {

// A hashing held until the test lets it go, as a slow disk would hold it.
HANDLE g_release = nullptr;

Outcome HeldHash(const std::wstring& path, const std::vector<hashing::DigestRequest>& requests,
                 hashing::IHashObserver& observer, std::vector<std::string>& digests)
{
    WaitForSingleObject(g_release, 10000);
    return hashing::HashFile(path, requests, observer, digests);
}

const std::vector<hashing::DigestRequest> Md5Request = {Request(vrok::business::digest::Algorithm::Md5)};

// A hidden window that receives the jobs' news; the news messages still queued for it by number.
struct CNewsWindow
{
    CNewsWindow() : handle(CreateWindowExW(0, L"STATIC", L"news", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr))
    {
        g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~CNewsWindow()
    {
        DestroyWindow(handle);
        CloseHandle(g_release);
    }
    std::vector<WPARAM> QueuedNews() const
    {
        std::vector<WPARAM> numbers;
        for (MSG message; PeekMessageW(&message, handle, WM_APP, WM_APP, PM_REMOVE);)
            numbers.push_back(message.wParam);
        return numbers;
    }
    HWND handle;
};

}

// The replaced job is told to stop when the next starts: whatever it still posted is dropped,
// and the newer job's digest arrives.
TEST(HashJob, NewsOfAReplacedJobIsDroppedAndTheNewerJobsDigestArrives)
{
    CNewsWindow window;
    hashing::CHashJob job(WM_APP);
    job.UseHashFunction(&HeldHash);
    const unsigned replaced = job.Start(window.handle, MultiBufferFile, Md5Request);
    const unsigned newer = job.Start(window.handle, L"digest\\len_3.bin", Md5Request);
    ASSERT_NE(0u, replaced);
    ASSERT_NE(replaced, newer);
    SetEvent(g_release);
    ASSERT_TRUE(job.WaitForEnd(5000));
    hashing::CHashNews news;
    EXPECT_FALSE(job.TakeNews(replaced, news));
    EXPECT_TRUE(job.IsRunning()) << "a message of the replaced job changes nothing";
    ASSERT_TRUE(job.TakeNews(newer, news));
    EXPECT_TRUE(news.finished);
    ASSERT_EQ(1u, news.digests.size());
    EXPECT_EQ(testsupport::ReferenceDigestOf(L"digest\\md5sums.txt", L"len_3.bin"), hashing::HexOf(news.digests[0]));
    EXPECT_FALSE(job.IsRunning());
}

// A job stopped while it reads ends after its piece without posting anything more.
TEST(HashJob, AStoppedJobPostsNoNewsAfterTheStop)
{
    CNewsWindow window;
    hashing::CHashJob job(WM_APP);
    job.UseHashFunction(&HeldHash);
    ASSERT_NE(0u, job.Start(window.handle, MultiBufferFile, Md5Request));
    job.Stop();
    EXPECT_FALSE(job.IsRunning());
    SetEvent(g_release);
    ASSERT_TRUE(job.WaitForEnd(5000));
    EXPECT_TRUE(window.QueuedNews().empty());
}
