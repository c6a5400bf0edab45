#include "file_digest.h"
#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"

#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>

using testsupport::CModalWatcher;
using testsupport::CReferenceDigest;
using testsupport::ReadReferenceDigests;
using vrok::business::md5::CMd5;
using vrok::persistence::file::CVirtualFile;

// Files of chosen lengths made on the host, and the digests coreutils md5sum printed for them.
namespace {

const wchar_t ReferenceList[] = L"digest\\md5sums.txt";

std::wstring HexOf(const unsigned char* digest)
{
    wchar_t text[33] = {};
    for (int i = 0; i < 16; ++i)
        swprintf(text + 2 * i, 3, L"%02x", digest[i]);
    return text;
}

std::wstring ComputeThroughWindows(const std::wstring& path, unsigned long long windowSize)
{
    CVirtualFile file;
    if (!file.Open(path.c_str()))
        return L"(cannot open)";
    CMd5 md5;
    if (!md5.Compute(file, windowSize))
        return L"(cannot compute)";
    return HexOf(md5.GetDigest());
}

unsigned long long SizeOf(const std::wstring& path)
{
    return testsupport::ReadWholeFile(path).size();
}

bool IsEmptyFileEntry(const CReferenceDigest& entry)
{
    return entry.path.find(L"len_0.bin") != std::wstring::npos;
}

}

TEST(ReferenceDigests, ListCoversEveryPaddingBoundary)
{
    std::set<std::wstring> paths;
    for (const CReferenceDigest& entry : ReadReferenceDigests(ReferenceList))
        paths.insert(entry.path);
    for (const wchar_t* length : { L"0", L"1", L"55", L"56", L"63", L"64", L"65", L"119", L"120", L"127", L"128",
                                   L"3145728" })
        EXPECT_EQ(1u, paths.count(std::wstring(L"digest\\len_") + length + L".bin")) << length;
}

TEST(ReferenceDigests, EveryTailLengthMatchesMd5sum)
{
    const auto entries = ReadReferenceDigests(ReferenceList);
    ASSERT_GE(entries.size(), 30u);
    CModalWatcher watcher;
    for (const CReferenceDigest& entry : entries) {
        if (IsEmptyFileEntry(entry))
            continue;
        std::unique_ptr<wchar_t[]> text(ComputeFileDigest(entry.path.c_str()));
        ASSERT_TRUE(text) << testsupport::Narrow(entry.path);
        EXPECT_EQ(entry.digest, std::wstring(text.get())) << testsupport::Narrow(entry.path);
    }
    EXPECT_TRUE(watcher.Boxes().empty());
}

// 64 KiB windows: the large files span up to 64 windows, and the tails land anywhere in the last.
TEST(ReferenceDigests, SmallWindowsGiveTheSameDigests)
{
    int multiWindowFiles = 0;
    for (const CReferenceDigest& entry : ReadReferenceDigests(ReferenceList)) {
        if (IsEmptyFileEntry(entry))
            continue;
        EXPECT_EQ(entry.digest, ComputeThroughWindows(entry.path, 65536)) << testsupport::Narrow(entry.path);
        if (SizeOf(entry.path) > 2 * 65536)
            ++multiWindowFiles;
    }
    EXPECT_GE(multiWindowFiles, 3);
}

TEST(ReferenceDigests, WindowSizesOffTheGranularityAreRoundedUp)
{
    for (const CReferenceDigest& entry : ReadReferenceDigests(ReferenceList)) {
        if (entry.path != L"digest\\len_4194299.bin" && entry.path != L"digest\\len_196665.bin")
            continue;
        EXPECT_EQ(entry.digest, ComputeThroughWindows(entry.path, 1)) << testsupport::Narrow(entry.path);
        EXPECT_EQ(entry.digest, ComputeThroughWindows(entry.path, 100000)) << testsupport::Narrow(entry.path);
        EXPECT_EQ(entry.digest, ComputeThroughWindows(entry.path, 1ull << 40)) << testsupport::Narrow(entry.path);
    }
}

TEST(ReferenceDigests, EmptyFileIsRefusedWithTheErrorBoxNotHashed)
{
    CModalWatcher watcher;
    EXPECT_EQ(nullptr, std::unique_ptr<wchar_t[]>(ComputeFileDigest(L"digest\\len_0.bin")).get());
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(L"Open file digest\\len_0.bin failed !", watcher.Boxes()[0].text);
}
