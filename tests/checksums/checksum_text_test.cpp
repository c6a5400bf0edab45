#include "checksums/checksum_text.h"
#include "checksums/file_names.h"

#include "digit_patterns.h"
#include "test_files.h"
#include "window_testing.h"

#include <gtest/gtest.h>

using namespace checksums;
using namespace testsupport;

namespace {

const std::string Hex = "0123456789abcdef0123456789abcdef";
const std::string Upper = "0123456789ABCDEF0123456789ABCDEF";
const std::wstring Digest = L"0123456789abcdef0123456789abcdef";
const char Garbage[] = "\x00\x9F\xFF\x81 binary\n\x01\x02";

// The parsed lines as "name=digest" pairs joined by '|', then "#<other lines>".
std::string Describe(const ChecksumText& text)
{
    std::wstring described;
    for (const ChecksumLine& line : text.lines)
        described += line.name + L"=" + (line.digest == Digest ? L"D" : line.digest) + L"|";
    return Narrow(described) + "#" + std::to_string(text.otherLines);
}

// How Describe gives a line of the digest and a name read in the ANSI code page.
std::string DescribeAnsiName(const char* name)
{
    wchar_t wide[16] = {};
    MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 16);
    return Narrow(wide) + "=D|#0";
}

// Each line as "name=ALGORITHM/digits" ('?' after SHA-512 when it may be BLAKE2b's, the digest
// itself when it is not Digits(n)), each size as "name:bytes", then "#<other lines>".
std::string DescribeForms(const ChecksumText& text)
{
    std::wstring described;
    for (const ChecksumLine& line : text.lines)
        described += line.name + L"=" + ShownNameOf(line.algorithm) + (line.mayBeBlake2b ? L"?/" : L"/") +
                     Widen(CountOrDigits(line.digest)) + L"|";
    for (const ListedSize& size : text.sizes)
        described += size.name + L":" + std::to_wstring(size.bytes) + L"|";
    return Narrow(described) + "#" + std::to_string(text.otherLines);
}

}

TEST(ChecksumText, EachFormatEncodingAndLineEndGivesItsNamesAndDigests)
{
    const struct
    {
        const char* what;
        std::string bytes;
        bool bare;
        std::string expected;
    } rows[] = {
        {"coreutils text mode, LF", Hex + "  x.iso\n", false, "x.iso=D|#0"},
        {"binary mode, CRLF, upper case", Upper + " *x.iso\r\n", false, "x.iso=D|#0"},
        {"several lines and a blank one", Hex + "  a\r\n\r\n" + Hex + "  b c\r\n", false, "a=D|b c=D|#0"},
        {"a name ending in blanks keeps them", Hex + "  x \n", false, "x =D|#0"},
        {"escaped backslash and line break", "\\" + Hex + "  a\\\\b\\nc\n", false, "a\\b\nc=D|#0"},
        {"unknown escape", "\\" + Hex + "  a\\tb\n", false, "#1"},
        {"BSD form", "MD5 (x.iso) = " + Hex + "\n", false, "x.iso=D|#0"},
        {"BSD name holding the separator", "MD5 (a) = b) = " + Upper + "\r\n", false, "a) = b=D|#0"},
        {"BSD escaped", "\\MD5 (a\\\\b) = " + Hex + "\n", false, "a\\b=D|#0"},
        {"SHA-256 and SHA-1 lines", Hex + Hex + "  x\nSHA1 (x) = " + Hex + "01234567\n", false, "#2"},
        {"one space only", Hex + " x.iso\n", false, "#1"},
        {"no name", Hex + "  \n", false, "#1"},
        {"a digest digit short", Hex.substr(1) + "  x\n", false, "#1"},
        {"bare digest refused", Hex + "\n", false, "#1"},
        {"bare digest with blanks accepted", "  " + Upper + " \r\n", true, "=D|#0"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + Hex + "  caf\xC3\xA9\n", false, "caf\xC3\xA9=D|#0"},
        {"UTF-8 without BOM", Hex + "  \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB\n", false, "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB=D|#0"},
        // A byte that is not UTF-8 (0xE9 alone) is read in the ANSI code page, where it is a letter.
        {"not UTF-8", Hex + "  caf\xE9.iso\r\n", false, DescribeAnsiName("caf\xE9.iso")},
        {"UTF-16LE with BOM", Utf16Profile(L"MD5 (\u00e9) = " + Digest + L"\r\n"), false, "\xC3\xA9=D|#0"},
        {"garbage", std::string(Garbage, sizeof Garbage - 1), true, "#2"},
        {"empty", "", true, "#0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.expected, Describe(ParseChecksumBytes(row.bytes, row.bare)));
    }
}

TEST(ChecksumText, FilesAreReadUnlessMissingLargerThanTheLimitOrHeldByAnother)
{
    CTemporaryFolder folder;
    const std::string bytes = Hex + "  x\n";
    const std::wstring path = folder.WriteFile(L"x.md5", bytes);
    ChecksumText text;
    EXPECT_TRUE(ReadChecksumFile(path, bytes.size(), false, text));
    EXPECT_EQ("x=D|#0", Describe(text));
    EXPECT_FALSE(ReadChecksumFile(path, bytes.size() - 1, false, text)) << "one byte over the limit";
    EXPECT_FALSE(ReadChecksumFile(folder.PathOf(L"missing.md5"), 1000, false, text));
    const CHeldFile held(path);
    ASSERT_TRUE(held.IsHeld());
    EXPECT_FALSE(ReadChecksumFile(path, 1000, false, text));
}

TEST(ChecksumText, ListedNamesResolveAgainstTheListsFolder)
{
    const struct
    {
        const wchar_t* folder;
        const wchar_t* name;
        const wchar_t* expected;
    } rows[] = {
        {L"C:\\dl", L"x.iso", L"C:\\dl\\x.iso"},
        {L"C:\\dl\\", L"./x.iso", L"C:\\dl\\x.iso"},
        {L"C:\\dl", L"sub/x.iso", L"C:\\dl\\sub\\x.iso"},
        {L"C:\\dl", L".\\sub\\.\\x.iso", L"C:\\dl\\sub\\x.iso"},
        {L"C:\\dl\\sub", L"../x.iso", L"C:\\dl\\x.iso"},
        {L"C:\\", L"x.iso", L"C:\\x.iso"},
        {L"\\\\server\\share", L"../x.iso", L""},
        {L"\\\\?\\C:\\dl", L"a//b", L"\\\\?\\C:\\dl\\a\\b"},
        {L"C:\\dl", L"../../x.iso", L""},
        {L"C:\\dl", L"/x.iso", L""},
        {L"C:\\dl", L"\\x.iso", L""},
        {L"C:\\dl", L"D:x.iso", L""},
        {L"C:\\dl", L"", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.folder) + " + " + Narrow(row.name));
        EXPECT_EQ(row.expected, ResolveListedName(row.folder, row.name));
    }
    EXPECT_TRUE(SamePathIgnoringCase(L"C:\\DL\\X.ISO", L"c:\\dl\\x.iso"));
    EXPECT_FALSE(SamePathIgnoringCase(L"C:\\dl\\x.iso", L"C:\\dl\\x.isa"));
}

TEST(ChecksumText, EveryPublishedFormGivesItsLinesAlgorithmsAndSizes)
{
    const std::string sha256 = UpperCase(Digits(64)), sha512 = UpperCase(Digits(128));
    const std::string signedText = "-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA256\n\n# x.iso: 1234 bytes\n"
                                   "SHA256 (x.iso) = " + Digits(64) + "\n- -----BEGIN PGP SIGNATURE-----\n"
                                   "- SHA1 (y.iso) = " + Digits(40) + "\n-----BEGIN PGP SIGNATURE-----\n\n" +
                                   Digits(64) + "  z\n=AbCd\n-----END PGP SIGNATURE-----\n";
    const struct
    {
        const char* what;
        const wchar_t* fileName;
        std::string bytes;
        bool bare;
        std::string expected;
        AlgorithmSet accepted = AlgorithmSet::All();
    } rows[] = {
        {"lengths decide in a generic file", L"checksums.txt",
         Digits(40) + "  a\n" + Digits(56) + "  b\n" + Digits(64) + " *c\n" + Digits(96) + "  d\n", false,
         "a=SHA-1/40|b=SHA-224/56|c=SHA-256/64|d=SHA-384/96|#0"},
        {"128 digits in a generic file", L"x-CHECKSUM", Digits(128) + "  a\n", false, "a=SHA-512?/128|#0"},
        {"128 digits in a SHA-512 file", L"CHECKSUM.SHA512-FreeBSD-14.0-amd64", Digits(128) + "  a\n", false, "a=SHA-512/128|#0"},
        {"b2sums.txt: any whole number of bytes", L"b2sums.txt", Digits(128) + "  a\n" + Digits(64) + "  b\n", false,
         "a=BLAKE2b/128|b=BLAKE2b/64|#0"},
        {"a length the name's algorithm lacks", L"SHA256SUMS", Digits(40) + "  a\n" + Digits(64) + "  b\n", false,
         "b=SHA-256/64|#1"},
        {"BSD tags mixed", L"CHECKSUM",
         "MD5 (a) = " + Digits(32) + "\nSHA1 (b) = " + Digits(40) + "\nSHA224 (c) = " + Digits(56) + "\nSHA384 (d) = " +
             Digits(96) + "\nSHA512 (e) = " + sha512 + "\n",
         false, "a=MD5/32|b=SHA-1/40|c=SHA-224/56|d=SHA-384/96|e=SHA-512/128|#0"},
        {"hyphenated tags, a tag of another length", L"x",
         "SHA-256 (a) = " + Digits(64) + "\nSHA-1 (b) = " + Digits(40) + "\nSHA256 (c) = " + Digits(40), false,
         "a=SHA-256/64|b=SHA-1/40|#1"},
        {"BLAKE2b tags", L"x",
         "BLAKE2b (a) = " + Digits(128) + "\nBLAKE2b-256 (b) = " + Digits(64) + "\nBLAKE2b-256 (c) = " + Digits(128) +
             "\nBLAKE2b-7 (d) = " + Digits(2) + "\nBLAKE2b (e) = " + Digits(64),
         false, "a=BLAKE2b/128|b=BLAKE2b/64|#3"},
        {"parentheses and the separator in a name", L"x", "SHA256 (a (1)) = b) = " + Digits(64), false,
         "a (1)) = b=SHA-256/64|#0"},
        {"bare digest in the own file", L"md5sum-9.1.tar.gz.sha256", "  " + sha256 + " \r\n", true, "=SHA-256/64|#0"},
        {"gpg --print-md SHA512", L"x.iso.sha512",
         "x.iso: " + Grouped(Digits(64), 8) + "\n       " + Grouped(Digits(64), 8) + "\n", false, "x.iso=SHA-512/128|#0"},
        {"gpg --print-md MD5, groups of 2", L"x", "x.iso: " + Grouped(Digits(16), 2) + "  " + Grouped(Digits(16), 2), false,
         "x.iso=MD5/32|#0"},
        {"gpg --print-mds: labels, RMD160 skipped", L"x",
         "x.iso:    MD5 = " + Grouped(Digits(32), 2) + "\nx.iso: RMD160 = " + Grouped(Digits(40), 4) + "\nx.iso: SHA256 = " +
             Grouped(Digits(56), 8) + "\n                " + Grouped(Digits(64).substr(56), 8) + "\n",
         false, "x.iso=MD5/32|x.iso=SHA-256/64|#1"},
        {"gpg, a long name on its own line", L"x",
         "long name.iso: \n" + Grouped(Digits(72), 8) + "\n " + Grouped(Digits(96).substr(72), 8) + "\n", false,
         "long name.iso=SHA-384/96|#0"},
        {"gpg without a name in the own file", L"x.iso.sha256", "   " + Grouped(Digits(64), 8) + "\n", true, "=SHA-256/64|#0"},
        {"groups of mixed lengths", L"x", "x.iso: 0123 01234567\n", false, "#1"},
        {"PGP clear-signed, a size line", L"x-CHECKSUM", signedText, false, "x.iso=SHA-256/64|y.iso=SHA-1/40|x.iso:1234|#1"},
        {"comments; a size beyond any number", L"x", "# note\n# y: 99999999999999999999 bytes\n#z: 12 bytes\n", false, "z:12|#0"},
        {"MD5 alone: comments and gpg as before", L"x.iso.md5",
         "# note\nx.iso: " + Grouped(Digits(32), 2) + "\n" + Digits(64) + "  x.iso\n", true, "#3", Md5Only},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ChecksumReading reading;
        reading.accepted = row.accepted;
        reading.named = AlgorithmOfFileName(row.fileName);
        EXPECT_EQ(row.expected, DescribeForms(ParseChecksumBytes(row.bytes, row.bare, reading)));
    }
}
