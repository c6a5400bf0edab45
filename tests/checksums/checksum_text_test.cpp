#include "checksums/checksum_text.h"

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
