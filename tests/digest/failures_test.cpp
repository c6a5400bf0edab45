#include "file_digest.h"

#include "modal_watcher.h"
#include "test_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::CModalWatcher;
using testsupport::CTemporaryFolder;

namespace {

struct COutcome
{
    bool digestReturned;
    std::vector<testsupport::CSeenBox> boxes;
};

COutcome HashWatched(const std::wstring& path)
{
    CModalWatcher watcher;
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    return COutcome{ text != nullptr, watcher.Boxes() };
}

void ExpectOpenFailedBox(const COutcome& outcome, const std::wstring& path)
{
    EXPECT_FALSE(outcome.digestReturned);
    ASSERT_EQ(1u, outcome.boxes.size());
    EXPECT_EQ(L"Erreur", outcome.boxes[0].caption);
    EXPECT_EQ(L"Open file " + path + L" failed !", outcome.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), outcome.boxes[0].icon);
}

// Another program holding the file open with the given sharing.
class CHeldFile
{
public:
    CHeldFile(const std::wstring& path, DWORD access, DWORD share)
        : m_handle(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~CHeldFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    bool IsHeld() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

}

TEST(DigestFailures, MissingFileShowsTheOpenFailedBox)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.PathOf(L"nothing-here.bin");
    ExpectOpenFailedBox(HashWatched(path), path);
}

TEST(DigestFailures, DirectoryShowsTheOpenFailedBox)
{
    CTemporaryFolder folder;
    ExpectOpenFailedBox(HashWatched(folder.Path()), folder.Path());
}

TEST(DigestFailures, EmptyFileShowsTheOpenFailedBox)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"empty.bin", std::string());
    ExpectOpenFailedBox(HashWatched(path), path);
}

TEST(DigestFailures, FileHeldOpenForWritingElsewhereShowsTheOpenFailedBox)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"busy.bin", "being written");
    {
        CHeldFile writer(path, GENERIC_WRITE, 0);
        ASSERT_TRUE(writer.IsHeld());
        ExpectOpenFailedBox(HashWatched(path), path);
    }
    {
        // Even a writer that lets others read keeps the file from being hashed meanwhile.
        CHeldFile writer(path, GENERIC_WRITE, FILE_SHARE_READ);
        ASSERT_TRUE(writer.IsHeld());
        ExpectOpenFailedBox(HashWatched(path), path);
    }
    const COutcome afterwards = HashWatched(path);
    EXPECT_TRUE(afterwards.digestReturned);
    EXPECT_TRUE(afterwards.boxes.empty());
}

TEST(DigestFailures, FileHeldOpenForReadingElsewhereIsHashed)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"read.bin", "abc");
    CHeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.IsHeld());
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    ASSERT_TRUE(text);
    EXPECT_STREQ(L"900150983cd24fb0d6963f7d28e17f72", text.get());
}

TEST(DigestFailures, NonLatinPathIsHashed)
{
    CTemporaryFolder folder;
    // "данные" / "文件" / "αρχείο"
    const std::wstring subfolder = folder.PathOf(L"\x0434\x0430\x043D\x043D\x044B\x0435");
    ASSERT_TRUE(CreateDirectoryW(subfolder.c_str(), nullptr));
    const std::wstring path = subfolder + L"\\\x6587\x4EF6 \x03B1\x03C1\x03C7\x03B5\x03AF\x03BF.txt";
    const std::wstring written = folder.WriteFile(path.substr(folder.Path().size() + 1), "message digest");
    ASSERT_EQ(path, written);
    CModalWatcher watcher;
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    ASSERT_TRUE(text);
    EXPECT_STREQ(L"f96b697d7cb7938d525a2f31aaf161d0", text.get());
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(DigestFailures, NonLatinPathAppearsWholeInTheBox)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.PathOf(L"\x0444\x0430\x0439\x043B-\x6587\x4EF6.bin");
    ExpectOpenFailedBox(HashWatched(path), path);
}

// "Open file " and " failed !" leave 492 of the box's 511 characters for the path.
TEST(DigestFailures, PathOf492CharactersStillFitsTheBox)
{
    const std::wstring path = L"C:\\" + std::wstring(489, L'p');
    ASSERT_EQ(492u, path.size());
    ExpectOpenFailedBox(HashWatched(path), path);
}

TEST(DigestFailures, PathOf493CharactersOrMoreShowsNoBoxAndNoDigest)
{
    for (size_t length : { 493u, 600u, 2000u }) {
        const COutcome outcome = HashWatched(L"C:\\" + std::wstring(length - 3, L'q'));
        EXPECT_FALSE(outcome.digestReturned) << length;
        EXPECT_TRUE(outcome.boxes.empty()) << length;
    }
}
