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

}

// Each tool's list of plain.bin and two escaped names is read and written again beside plain.bin,
// as Save writes it; a test step after this program has coreutils check every file written. The
// tools' BSD form gives the same digests.
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
        const std::wstring printed = Written + row.tool + L"sums.txt";
        const ChecksumText text = Read(printed);
        ASSERT_EQ(3u, text.lines.size());
        std::string bytes;
        for (const ChecksumLine& line : text.lines)
            bytes += ChecksumFileBytes(line.digest, line.name);
        EXPECT_EQ(WithCrlf(ReadWholeFile(FullPath(printed))), bytes);
        EXPECT_TRUE(ReplaceFileContent(ChecksumFilePathFor(FullPath(Written + L"plain.bin"), row.algorithm), bytes));
        const ChecksumText tagged = Read(Written + row.tool + L"-tag.txt");
        ASSERT_EQ(1u, tagged.lines.size());
        EXPECT_EQ(text.lines[0].digest + ShownNameOf(row.algorithm),
                  tagged.lines[0].digest + ShownNameOf(tagged.lines[0].algorithm));
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
    const std::string printed = ReadWholeFile(FullPath(Written + L"md5sum-c.txt"));
    EXPECT_EQ(Widen(WithCrlf(printed)), lists::FormatCopiedResults(entries));
}
