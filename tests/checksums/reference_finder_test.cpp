#include "checksums/reference_finder.h"

#include "test_files.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace checksums;
using namespace testsupport;

namespace {

const std::string A = "0123456789abcdef0123456789abcdef";
const std::string B = "fedcba9876543210fedcba9876543210";

// What the lookup gave, in a word and the names.
std::string Describe(const ReferenceLookup& lookup)
{
    switch (lookup.outcome) {
    case ReferenceLookup::Found:
        return Narrow(lookup.digest == Widen(A) ? L"A" : lookup.digest == Widen(B) ? L"B" : lookup.digest) +
               " from " + Narrow(lookup.sourceName);
    case ReferenceLookup::Conflict:
        return "conflict " + Narrow(lookup.sourceName) + " " + Narrow(lookup.otherName);
    default:
        return "nothing";
    }
}

}

TEST(ReferenceFinder, ChecksumFilesOnDiskGiveTheReferenceOfTheFileTheyList)
{
    const std::string padding(5 << 20, '#');
    const struct
    {
        const char* what;
        std::vector<std::pair<std::wstring, std::string>> files;
        const char* expected;
    } rows[] = {
        {"own file, coreutils", {{L"x.iso.md5", A + "  x.iso\n"}}, "A from x.iso.md5"},
        {"MD5SUMS of three, CRLF", {{L"MD5SUMS", B + "  a.iso\r\n" + A + " *x.iso\r\n" + B + "  z.iso\r\n"}}, "A from MD5SUMS"},
        {"BSD line, upper-case digest", {{L"checksums.md5", "MD5 (x.iso) = 0123456789ABCDEF0123456789ABCDEF\n"}},
         "A from checksums.md5"},
        {"names in another case", {{L"X.ISO.MD5SUM", A + "  X.Iso\n"}}, "A from X.ISO.MD5SUM"},
        {"folder parts", {{L"md5sums.txt", B + "  sub/x.iso\n" + A + "  ./x.iso\n" + B + "  ..\\x.iso\n"}}, "A from md5sums.txt"},
        {"bare digest in the own file", {{L"x.iso.md5.txt", A + "\r\n"}}, "A from x.iso.md5.txt"},
        {"bare digest in a list", {{L"MD5SUMS", A + "\n"}}, "nothing"},
        {"UTF-16 list among other lines", {{L"release.md5", Utf16Profile(L"# list\r\n" + Widen(A) + L"  x.iso\r\n")}},
         "A from release.md5"},
        {"two files that differ", {{L"x.iso.md5", A + "  x.iso\n"}, {L"MD5SUMS", B + "  x.iso\n"}}, "conflict x.iso.md5 MD5SUMS"},
        {"two files that agree", {{L"MD5SUMS.txt", A + "  x.iso\n"}, {L"x.iso.md5", A + "  x.iso\n"}}, "A from x.iso.md5"},
        {"other algorithms only", {{L"SHA256SUMS", A + A + "  x.iso\n"}, {L"x.iso.sha1", A + "  x.iso\n"}}, "nothing"},
        {"a list over 4 MiB", {{L"MD5SUMS", padding + "\n" + B + "  x.iso\n"}, {L"old.md5", A + "  x.iso\n"}}, "A from old.md5"},
        {"another file's line", {{L"y.iso.md5", A + "  y.iso\n"}}, "nothing"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CTemporaryFolder folder;
        folder.WriteFile(L"x.iso", "data");
        for (const auto& file : row.files)
            folder.WriteFile(file.first, file.second);
        EXPECT_EQ(row.expected, Describe(FindReferenceDigest(folder.PathOf(L"x.iso"))));
    }
}

TEST(ReferenceFinder, AChecksumFileHeldByAnotherProgramIsPassedOver)
{
    CTemporaryFolder folder;
    const std::wstring own = folder.WriteFile(L"x.iso.md5", B + "  x.iso\n");
    folder.WriteFile(L"MD5SUMS", A + "  x.iso\n");
    const CHeldFile held(own);
    ASSERT_TRUE(held.IsHeld());
    EXPECT_EQ("A from MD5SUMS", Describe(FindReferenceDigest(folder.PathOf(L"x.iso"))));
}

TEST(ReferenceFinder, CandidatesComeOwnFilesFirstThenListsThenOtherMd5FilesAtMost32)
{
    CTemporaryFolder folder;
    for (int index = 0; index < 40; ++index)
        folder.WriteFile(L"a" + std::to_wstring(100 + index) + L".md5", "");
    for (const wchar_t* name : {L"checksums.md5", L"md5sum.txt", L"Md5Sums", L"x.iso.md5.txt", L"X.ISO.md5", L"notes.txt"})
        folder.WriteFile(name, "");
    CreateDirectoryW(folder.PathOf(L"folder.md5").c_str(), nullptr);
    const std::vector<std::wstring> candidates = FindCandidateFiles(folder.Path(), L"x.iso");
    ASSERT_EQ(MaxCandidateFiles, candidates.size());
    const std::vector<std::wstring> first(candidates.begin(), candidates.begin() + 6);
    EXPECT_EQ((std::vector<std::wstring>{L"X.ISO.md5", L"x.iso.md5.txt", L"Md5Sums", L"md5sum.txt", L"checksums.md5", L"a100.md5"}),
              first);
    EXPECT_EQ(L"a126.md5", candidates.back()) << "five named files, then 27 others";
}

// A stop asked for while the files are looked through (a newer file chosen, or Stop) is heard
// before the next file is read.
TEST(ReferenceFinder, AStopIsHeardBetweenChecksumFiles)
{
    CTemporaryFolder folder;
    folder.WriteFile(L"x.iso", "data");
    folder.WriteFile(L"x.iso.md5", A + "  y.iso\n");
    folder.WriteFile(L"MD5SUMS", A + "  x.iso\n");
    for (const int askedBeforeStop : {1, 100}) {
        SCOPED_TRACE(askedBeforeStop);
        int asked = 0;
        const ReferenceLookup lookup =
            FindReferenceDigest(folder.PathOf(L"x.iso"), [&] { return ++asked > askedBeforeStop; });
        EXPECT_EQ(askedBeforeStop == 1 ? "nothing" : "A from MD5SUMS", Describe(lookup));
    }
}
