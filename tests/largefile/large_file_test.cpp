#include "hashing/file_digest.h"
#include "vrok_business/vrok_digest.h"

#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

// The same file through the engines of the SHA family, whose padding ends with the bit length
// (above 32 bits here, in the upper half of the length's last 64-bit word), and BLAKE2b's, whose
// byte counter passes 32 bits.
TEST(LargeFile, MultiGigabyteFileGetsTheDigestsOfTheOtherCoreutilsTools)
{
    const struct { const wchar_t* list; vrok::business::digest::Algorithm algorithm; } rows[] = {
        { L"large\\sha256sums.txt", vrok::business::digest::Algorithm::Sha256 },
        { L"large\\sha512sums.txt", vrok::business::digest::Algorithm::Sha512 },
        { L"large\\b2sums.txt", vrok::business::digest::Algorithm::Blake2b },
    };
    std::vector<unsigned char> piece(1 << 20);
    for (const auto& row : rows) {
        const std::wstring expected = testsupport::ReferenceDigestOf(row.list, L"sparse.bin");
        ASSERT_FALSE(expected.empty()) << testsupport::Narrow(row.list);
        const auto stream = vrok::business::digest::CreateDigestStream(row.algorithm);
        HANDLE file = CreateFileW(L"large\\sparse.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD got = 0;
        while (ReadFile(file, piece.data(), static_cast<DWORD>(piece.size()), &got, nullptr) && got > 0)
            stream->Update(piece.data(), got);
        CloseHandle(file);
        unsigned char digest[vrok::business::digest::MaxDigestBytes];
        stream->Finish(digest);
        EXPECT_EQ(testsupport::Narrow(expected), testsupport::HexOf(digest, stream->DigestBytes()))
            << testsupport::Narrow(row.list);
    }
}
