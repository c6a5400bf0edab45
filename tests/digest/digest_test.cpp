#include "hashing/file_digest.h"
#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"

#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

using testsupport::CHeldFile;
using testsupport::CModalWatcher;
using testsupport::CTemporaryFolder;
using testsupport::Narrow;
using vrok::business::md5::CMd5;
using vrok::persistence::file::CVirtualFile;

namespace {

// The digest text ComputeFileDigest returns, or "(null)".
std::wstring Digest(const std::wstring& path)
{
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    return text ? std::wstring(text.get()) : L"(null)";
}

// The digest through CMd5 reading windows of the given size.
std::wstring WindowedDigest(const std::wstring& path, unsigned long long windowSize)
{
    CVirtualFile file;
    CMd5 md5;
    if (!file.Open(path.c_str()) || !md5.Compute(file, windowSize))
        return L"(failed)";
    wchar_t text[33] = {};
    for (int i = 0; i < 16; ++i)
        swprintf(text + 2 * i, 3, L"%02x", md5.GetDigest()[i]);
    return text;
}

}

// Every tail length around the padding boundaries, whole and through 64 KiB windows (the larger
// files span up to 64 of them); window sizes off the granularity are rounded up, those near the
// size type's end down.
TEST(Digest, EveryTailLengthGivesTheDigestMd5sumPrints)
{
    CModalWatcher watcher;
    for (const auto& entry : testsupport::ReadReferenceDigests(L"digest\\md5sums.txt")) {
        SCOPED_TRACE(Narrow(entry.path));
        if (entry.path == L"digest\\len_0.bin")
            continue;
        EXPECT_EQ(entry.digest, Digest(entry.path));
        for (unsigned long long windowSize : { 65536ull, 1ull, 100000ull, 1ull << 40, ~0ull, ~0ull - 1000 })
            EXPECT_EQ(entry.digest, WindowedDigest(entry.path, windowSize)) << windowSize;
    }
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(Digest, FilesThatCannotBeHashedShowTheOpenFailedBoxAndGiveNull)
{
    CTemporaryFolder folder;
    const std::wstring busy = folder.WriteFile(L"busy.bin", "being written");
    const struct { std::wstring path; DWORD heldAccess, heldShare; } rows[] = {
        { folder.PathOf(L"missing.bin"), 0, 0 },
        { folder.Path(), 0, 0 },
        { folder.WriteFile(L"empty.bin", ""), 0, 0 },
        { L"digest\\len_0.bin", 0, 0 },
        { busy, GENERIC_WRITE, 0 },
        { busy, GENERIC_WRITE, FILE_SHARE_READ },  // a writer letting others read still keeps it
        { folder.PathOf(L"\x0444\x0430\x0439\x043B-\x6587\x4EF6.bin"), 0, 0 },
        { L"C:\\" + std::wstring(489, L'p'), 0, 0 },  // 11 + 492 + 9: the longest text a box shows
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.path));
        CHeldFile held(row.path, row.heldAccess, row.heldShare);
        ASSERT_EQ(row.heldAccess != 0, held.IsHeld());
        CModalWatcher watcher;
        EXPECT_EQ(L"(null)", Digest(row.path));
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
        EXPECT_EQ(L"Open file " + row.path + L" failed !", watcher.Boxes()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), watcher.Boxes()[0].icon);
    }
}

// A path whose whole message would not fit the box (511 characters) is shown with its middle left
// out: the box keeps the path's start and its file name.
TEST(Digest, APathTooLongForTheBoxIsShortenedInItsMiddle)
{
    for (size_t length : { 493u, 600u, 2000u, 32000u }) {
        SCOPED_TRACE(length);
        const std::wstring path = L"C:\\" + std::wstring(length - 12, L'q') + L"\\name.bin";
        CModalWatcher watcher;
        EXPECT_EQ(L"(null)", Digest(path));
        ASSERT_EQ(1u, watcher.Boxes().size());
        const std::wstring& text = watcher.Boxes()[0].text;
        EXPECT_EQ(511u, text.size());
        EXPECT_EQ(L"Open file C:\\qqq", text.substr(0, 16));
        EXPECT_EQ(L"q\\name.bin failed !", text.substr(text.size() - 19));
        EXPECT_NE(std::wstring::npos, text.find(L"q...q"));
    }
}

// A non-Latin name and a name deep past MAX_PATH, each held open by a reader that shares it:
// each is hashed without a box.
TEST(Digest, NonLatinAndLongPathsAndFilesOthersReadAreHashed)
{
    CTemporaryFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"\x0434\x0430\x043D\x043D\x044B\x0435").c_str(), nullptr));
    const std::wstring deep = folder.MakeDeepFolder(592);
    const std::wstring paths[] = {
        folder.WriteFile(L"\x0434\x0430\x043D\x043D\x044B\x0435\\\x6587\x4EF6 \x03B1\x03C1\x03C7.txt", "message digest"),
        folder.WriteFile(deep + L"\\message.txt", "message digest"),
    };
    ASSERT_EQ(604u, paths[1].size());
    for (const std::wstring& path : paths) {
        SCOPED_TRACE(Narrow(path));
        CHeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.IsHeld());
        CModalWatcher watcher;
        EXPECT_EQ(L"f96b697d7cb7938d525a2f31aaf161d0", Digest(path));
        EXPECT_TRUE(watcher.Boxes().empty());
    }
}
