#include "checksums/checksum_text.h"
#include "checksums/checksum_writer.h"
#include "lists/list_results.h"

#include "test_files.h"

#include <gtest/gtest.h>

using namespace checksums;
using namespace testsupport;

namespace {

const std::wstring Written = L"checksums\\written\\";

std::string WithCrlf(const std::string& lines)
{
    std::string text;
    for (char c : lines)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text;
}

ChecksumText Read(const std::wstring& path)
{
    ChecksumText text;
    ReadChecksumFile(FullPath(path), 1 << 20, false, text, AlgorithmSet::All());
    return text;
}

// The digest a tool's file gives plain.bin in the algorithm; "none" when it gives none.
std::wstring DigestOfPlain(const std::wstring& fileName, Algorithm algorithm)
{
    for (const ChecksumLine& line : Read(Written + fileName).lines)
        if (line.name == L"plain.bin" && line.algorithm == algorithm)
            return line.digest;
    return L"none";
}

}

// Each tool's list of plain.bin and two escaped names is read and written again beside plain.bin,
// as Save writes it; a test step after this program has coreutils check every file written. The
// tools' BSD form and gpg's give the same digests.
TEST(ChecksumWriter, EachAlgorithmsLinesAreWrittenAsItsCoreutilsToolPrintsThem)
{
    const struct
    {
        Algorithm algorithm;
        const wchar_t* tool;
        const wchar_t* gpgName;
    } rows[] = {
        {Algorithm::Md5, L"md5", L"MD5"},          {Algorithm::Sha1, L"sha1", L"SHA1"},       {Algorithm::Sha224, L"sha224", L"SHA224"},
        {Algorithm::Sha256, L"sha256", L"SHA256"}, {Algorithm::Sha384, L"sha384", L"SHA384"}, {Algorithm::Sha512, L"sha512", L"SHA512"},
        {Algorithm::Blake2b, L"b2", nullptr},
    };
    const bool gpg = GetFileAttributesW(FullPath(Written + L"gpg-mds.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.tool));
        const std::wstring printed = Written + row.tool + L"sums.txt";
        const ChecksumText text = Read(printed);
        ASSERT_EQ(3u, text.lines.size());
        std::string bytes;
        for (const ChecksumLine& line : text.lines)
            bytes += ChecksumFileBytes(line.digest, line.name);
        EXPECT_EQ(WithCrlf(ReadWholeFile(FullPath(printed))), bytes);
        EXPECT_TRUE(ReplaceFileContent(ChecksumFilePathFor(FullPath(Written + L"plain.bin"), row.algorithm), bytes));
        EXPECT_EQ(text.lines[0].digest, DigestOfPlain(row.tool + std::wstring(L"-tag.txt"), row.algorithm));
        if (gpg && row.gpgName != nullptr) {
            EXPECT_EQ(text.lines[0].digest, DigestOfPlain(L"gpg-" + std::wstring(row.gpgName) + L".txt", row.algorithm));
            EXPECT_EQ(text.lines[0].digest, DigestOfPlain(L"gpg-mds.txt", row.algorithm));
        }
    }
}

TEST(ChecksumWriter, CheckResultsNameEachFileAsMd5sumPrintsIt)
{
    const ChecksumText text = Read(Written + L"md5sums.txt");
    std::vector<lists::ListEntry> entries(text.lines.size());
    for (size_t index = 0; index < entries.size(); ++index) {
        entries[index].name = text.lines[index].name;
        entries[index].result = lists::Result::Ok;
    }
    EXPECT_EQ(Widen(WithCrlf(ReadWholeFile(FullPath(Written + L"md5sum-c.txt")))), lists::FormatCopiedResults(entries));
}
