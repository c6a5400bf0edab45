#include "checksums/reference_finder.h"

#include "digit_patterns.h"
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

// The lookup with every algorithm accepted: "<digits> <ALGORITHM> from <file>" (the digits as
// Digits(n) gives them are written as their count), a size line's ", <N> bytes" after it.
std::string DescribeAll(const ReferenceLookup& lookup)
{
    std::string described = "nothing";
    if (lookup.outcome == ReferenceLookup::Conflict)
        described = Narrow(ShownNameOf(lookup.algorithm)) + " conflict " + Narrow(lookup.sourceName) + " " +
                    Narrow(lookup.otherName);
    if (lookup.outcome == ReferenceLookup::Found)
        described = CountOrDigits(lookup.digest) + " " + Narrow(ShownNameOf(lookup.algorithm)) +
                    (lookup.mayBeBlake2b ? "?" : "") + " from " + Narrow(lookup.sourceName);
    return lookup.sizeListed ? described + ", " + std::to_string(lookup.listedSize) + " bytes" : described;
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

TEST(ReferenceFinder, OfSeveralAlgorithmsTheStrongestDecidesAndTwoOfItThatDifferConflict)
{
    const std::string sha1 = Digits(40), sha256 = Digits(64), other256 = std::string(64, 'e'), wide = Digits(128);
    const struct
    {
        const char* what;
        std::vector<std::pair<std::wstring, std::string>> files;
        const char* expected;
    } rows[] = {
        {"SHA-256 over MD5 and SHA-1",
         {{L"MD5SUMS", A + "  x.iso\n"}, {L"x.iso.sha1", sha1 + "  x.iso\n"}, {L"SHA256SUMS", sha256 + "  x.iso\n"}},
         "64 SHA-256 from SHA256SUMS"},
        {"BLAKE2b over 128 undecided digits", {{L"checksums.txt", wide + "  x.iso\n"}, {L"B2SUMS", wide + "  x.iso\n"}},
         "128 BLAKE2b from B2SUMS"},
        {"128 undecided digits over SHA-224", {{L"sha224sum.txt", Digits(56) + "  x.iso\n"}, {L"x-CHECKSUM", wide + "  x.iso\n"}},
         "128 SHA-512? from x-CHECKSUM"},
        {"two SHA-256 files that differ",
         {{L"SHA256SUMS", sha256 + "  x.iso\n"}, {L"x.iso.sha256", other256 + "\n"}, {L"MD5SUMS", A + "  x.iso\n"}},
         "SHA-256 conflict x.iso.sha256 SHA256SUMS"},
        {"SHA-1 files that differ under a SHA-256",
         {{L"x.iso.sha1", sha1 + "\n"}, {L"SHA1SUMS", std::string(40, 'e') + "  x.iso\n"},
          {L"sha256sums.txt", sha256 + "  x.iso\n"}},
         "64 SHA-256 from sha256sums.txt"},
        {"a size line alone", {{L"x-CHECKSUM", "# x.iso: 5 bytes\n# y.iso: 7 bytes\n"}}, "nothing, 5 bytes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CTemporaryFolder folder;
        for (const auto& file : row.files)
            folder.WriteFile(file.first, file.second);
        EXPECT_EQ(row.expected, DescribeAll(FindReferenceDigest(folder.PathOf(L"x.iso"), AlgorithmSet::All())));
    }
}

TEST(ReferenceFinder, EveryAlgorithmsNamesComeInTheirOrderBeforeTheMd5Names)
{
    const std::vector<std::wstring> expected = {
        L"x.iso.sha512", L"x.iso.sha512sum", L"x.iso.sha512.txt", L"x.iso.sha384", L"x.iso.sha256", L"x.iso.sha224",
        L"x.iso.sha1", L"X.ISO.B2", L"SHA512SUMS", L"SHA384SUMS.txt", L"SHA256SUMS", L"sha256sums.txt", L"SHA224SUMS",
        L"SHA1SUMS", L"B2SUMS", L"b2sums.txt", L"sha512sum.txt", L"sha256sum.txt", L"sha1sum.txt", L"checksums.txt",
        L"a_checksums.txt", L"b-checksums.txt", L"CHECKSUM.SHA512-FreeBSD", L"Fedora-CHECKSUM", L"old.sha512", L"old.sha256",
        L"old.sha1", L"old.b2", L"x.iso.md5", L"MD5SUMS", L"md5sum.txt", L"old.md5"};
    CTemporaryFolder folder;
    for (auto name = expected.rbegin(); name != expected.rend(); ++name)
        folder.WriteFile(*name, "");
    for (const wchar_t* decoy : {L"x.iso", L"notes.txt", L"x.iso.sig", L"SHA256SUMS.gpg.sig.asc"})
        folder.WriteFile(decoy, "");
    EXPECT_EQ(expected, FindCandidateFiles(folder.Path(), L"x.iso", AlgorithmSet::All()));
}

TEST(ReferenceFinder, AStopRequestedBeforeACandidateIsReadEndsTheLookUpWithNothing)
{
    CTemporaryFolder folder;
    folder.WriteFile(L"SHA256SUMS", Digits(64) + "  x.iso\n");
    folder.WriteFile(L"MD5SUMS", A + "  x.iso\n");
    for (int yesAt : {1, 2, 3}) {
        int asked = 0;
        const ReferenceLookup lookup = FindReferenceDigest(folder.PathOf(L"x.iso"), AlgorithmSet::All(), [&] { return ++asked == yesAt; });
        EXPECT_EQ(yesAt < 3 ? "nothing" : "64 SHA-256 from SHA256SUMS", DescribeAll(lookup));
        EXPECT_EQ(std::min(yesAt, 2), asked) << "asked before each of the two files";
    }
}
