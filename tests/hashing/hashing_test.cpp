// The file hasher on its own: digests across several read buffers, progress, stops and the
// outcomes of files that cannot be hashed. The main window's tests drive the background job.
#include "hashing/file_hasher.h"

#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <vector>

using hashing::Outcome;
using testsupport::CTemporaryFolder;

namespace {

// 9 MiB and 3 bytes: many pieces, a reader running ahead, and a partial block at the end.
const wchar_t MultiBufferFile[] = L"digest\\len_9437187.bin";

// Records every progress report; asks to stop once `stopAfter` reports came (0: never).
struct CRecordingObserver : hashing::IHashObserver
{
    explicit CRecordingObserver(size_t stopAfter = 0) : stopAfter(stopAfter) {}
    bool ShouldStop() override { return stopAfter != 0 && reports.size() >= stopAfter; }
    void OnProgress(unsigned long long done, unsigned long long total) override
    {
        reports.push_back(done);
        totals.push_back(total);
    }
    size_t stopAfter;
    std::vector<unsigned long long> reports;
    std::vector<unsigned long long> totals;
};

}

TEST(Hashing, MultiBufferFileGetsMd5sumsDigestWithGrowingProgress)
{
    CRecordingObserver observer;
    std::wstring digest;
    ASSERT_EQ(Outcome::Digest, hashing::HashFile(MultiBufferFile, observer, digest));
    EXPECT_EQ(testsupport::ReferenceDigestOf(L"digest\\md5sums.txt", L"len_9437187.bin"), digest);
    ASSERT_GE(observer.reports.size(), 3u);
    for (size_t i = 1; i < observer.reports.size(); ++i)
        EXPECT_LT(observer.reports[i - 1], observer.reports[i]);
    EXPECT_EQ(9437187u, observer.reports.back());
    for (unsigned long long total : observer.totals)
        EXPECT_EQ(9437187u, total);
}

TEST(Hashing, StopBetweenBuffersEndsWithoutDigest)
{
    CRecordingObserver observer(1);
    std::wstring digest;
    EXPECT_EQ(Outcome::Stopped, hashing::HashFile(MultiBufferFile, observer, digest));
    EXPECT_EQ(1u, observer.reports.size());
    EXPECT_TRUE(digest.empty());
}

TEST(Hashing, FilesThatCannotBeHashedGiveTheirOutcome)
{
    CTemporaryFolder folder;
    const struct { std::wstring path; Outcome outcome; } rows[] = {
        { folder.WriteFile(L"empty.bin", ""), Outcome::EmptyFile },
        { folder.PathOf(L"missing.bin"), Outcome::OpenFailed },
        { folder.Path(), Outcome::OpenFailed },
    };
    for (const auto& row : rows) {
        CRecordingObserver observer;
        std::wstring digest;
        EXPECT_EQ(row.outcome, hashing::HashFile(row.path, observer, digest)) << testsupport::Narrow(row.path);
        EXPECT_TRUE(digest.empty());
    }
}
