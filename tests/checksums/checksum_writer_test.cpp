#include "checksums/checksum_text.h"
#include "checksums/checksum_writer.h"
#include "lists/list_results.h"

#include "test_files.h"

#include <gtest/gtest.h>

using namespace checksums;
using namespace testsupport;

namespace {

const wchar_t WrittenFolder[] = L"checksums\\written\\";

std::string WithCrlf(const std::string& lines)
{
    std::string text;
    for (char c : lines)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text;
}

}

// Each tool's own list of plain.bin and back\slash.bin is written again beside plain.bin, as Save
// writes it; a test step after this program has coreutils check every file written.
TEST(ChecksumWriter, EachAlgorithmsLinesAreWrittenAsItsCoreutilsToolPrintsThem)
{
    const struct
    {
        Algorithm algorithm;
        const wchar_t* tool;
    } rows[] = {
        {Algorithm::Md5, L"md5"},       {Algorithm::Sha1, L"sha1"},     {Algorithm::Sha224, L"sha224"},
        {Algorithm::Sha256, L"sha256"}, {Algorithm::Sha384, L"sha384"}, {Algorithm::Sha512, L"sha512"},
        {Algorithm::Blake2b, L"b2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.tool));
        const std::wstring printed = FullPath(WrittenFolder + std::wstring(row.tool) + L"sums.txt");
        ChecksumText text;
        ASSERT_TRUE(ReadChecksumFile(printed, 1 << 20, false, text, AlgorithmSet::All()));
        ASSERT_EQ(2u, text.lines.size());
        std::string bytes;
        for (const ChecksumLine& line : text.lines)
            bytes += ChecksumFileBytes(line.digest, line.name);
        EXPECT_EQ(WithCrlf(ReadWholeFile(printed)), bytes);
        const std::wstring beside = FullPath(WrittenFolder + std::wstring(L"plain.bin"));
        EXPECT_TRUE(ReplaceFileContent(ChecksumFilePathFor(beside, row.algorithm), bytes));
    }
}

TEST(ChecksumWriter, CheckResultsNameEachFileAsMd5sumPrintsIt)
{
    ChecksumText text;
    ASSERT_TRUE(ReadChecksumFile(FullPath(L"checksums\\results\\MD5SUMS"), 4096, false, text));
    std::vector<lists::ListEntry> entries(text.lines.size());
    for (size_t index = 0; index < entries.size(); ++index) {
        entries[index].name = text.lines[index].name;
        entries[index].result = lists::Result::Ok;
    }
    EXPECT_EQ(3u, entries.size());
    EXPECT_EQ(Widen(WithCrlf(ReadWholeFile(FullPath(L"checksums\\results\\md5sum-c.txt")))), lists::FormatCopiedResults(entries));
}
