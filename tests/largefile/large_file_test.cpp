#include "hashing/file_hasher.h"
#include "vrok_business/vrok_digest.h"

#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct CToTheEnd : hashing::IHashObserver
{
    bool ShouldStop() override { return false; }
    void OnProgress(unsigned long long, unsigned long long) override {}
};

}

// A sparse file of 4.5 GiB made on the host: larger than a 32-bit process can map at once, with
// a bit length above 32 bits. The program's hasher reads it to the end and gets md5sum's digest.
TEST(LargeFile, MultiGigabyteFileGetsTheDigestMd5sumPrints)
{
    const std::wstring expected = testsupport::ReferenceDigestOf(L"large\\md5sums.txt", L"sparse.bin");
    ASSERT_EQ(32u, expected.size());
    hashing::DigestRequest md5;
    md5.algorithm = vrok::business::digest::Algorithm::Md5;
    CToTheEnd observer;
    std::vector<std::string> digests;
    ASSERT_EQ(hashing::Outcome::Digest, hashing::HashFile(L"large\\sparse.bin", {md5}, observer, digests));
    EXPECT_EQ(expected, hashing::HexOf(digests[0]));
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
