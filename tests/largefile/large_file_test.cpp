#include "hashing/file_digest.h"

#include "modal_watcher.h"
#include "reference_digests.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A sparse file of 4.5 GiB made on the host: larger than a 32-bit process can map at once, with
// a bit length above 32 bits. It is read to the end and gets md5sum's digest.
TEST(LargeFile, MultiGigabyteFileGetsTheDigestMd5sumPrints)
{
    const std::wstring expected = testsupport::ReferenceDigestOf(L"large\\md5sums.txt", L"sparse.bin");
    ASSERT_EQ(32u, expected.size());
    testsupport::CModalWatcher watcher;
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(L"large\\sparse.bin"));
    ASSERT_TRUE(text);
    EXPECT_EQ(expected, std::wstring(text.get()));
    EXPECT_TRUE(watcher.Boxes().empty());
}
