// The file hasher on its own: a digest across several read buffers and its progress reports.
// Stops are the background hashing tests', files that cannot be hashed the digest tests'.
#include "hashing/file_hasher.h"

#include "reference_digests.h"

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
