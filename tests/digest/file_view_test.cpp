#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_view.h"

#include "test_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using testsupport::CTemporaryFolder;
using vrok::business::md5::CMd5;
using vrok::persistence::file::CFile;
using vrok::persistence::file::CView;
using vrok::persistence::file::CVirtualFile;

typedef CView<unsigned char> CByteView;

namespace {

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Pattern(size_t length)
{
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    return bytes;
}

}

TEST(FileClose, NothingHeldGivesFalse)
{
    CFile file;
    EXPECT_FALSE(file.Close());
    CVirtualFile virtualFile;
    EXPECT_FALSE(virtualFile.Close());
}

TEST(FileClose, FileIsReleasedOnceAndForgetsItsPath)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"a.bin", "abc");
    CFile file;
    ASSERT_TRUE(file.OpenForReading(path.c_str()));
    EXPECT_EQ(path, file.GetPath());
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(file.IsNull());
    EXPECT_TRUE(file.GetPath().empty());
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(Exists(path));
}

TEST(FileClose, MappingIsReleasedOnceAndTheFileStaysOpen)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"a.bin", "abcdef");
    CVirtualFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    EXPECT_EQ(6u, file.GetSize());
    EXPECT_EQ(0, file.GetMode());
    EXPECT_NE(nullptr, file.GetMappingHandle());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(0u, file.GetSize());
    EXPECT_EQ(nullptr, file.GetMappingHandle());
    EXPECT_FALSE(file.Close());
    // The file handle is still held, with its sharing: nobody may write meanwhile.
    EXPECT_FALSE(file.GetFile().IsNull());
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
}

TEST(FileLifetime, DestroyingOpenOrFailedFilesReleasesThemAndKeepsThemOnDisk)
{
    CTemporaryFolder folder;
    const std::wstring full = folder.WriteFile(L"full.bin", "xyz");
    const std::wstring empty = folder.WriteFile(L"empty.bin", std::string());
    {
        CVirtualFile opened;
        ASSERT_TRUE(opened.Open(full.c_str()));
        CVirtualFile failed;
        EXPECT_FALSE(failed.Open(empty.c_str()));
        EXPECT_FALSE(failed.GetFile().IsNull());
    }
    EXPECT_TRUE(Exists(full));
    EXPECT_TRUE(Exists(empty));
    // Released: the files can be written and deleted again.
    EXPECT_TRUE(DeleteFileW(full.c_str()));
    EXPECT_TRUE(DeleteFileW(empty.c_str()));
}

TEST(FileLifetime, TwoObjectsMayHoldTheSameFileAndASecondOpenIsRefused)
{
    CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"twice.bin", "shared");
    CVirtualFile first;
    CVirtualFile second;
    EXPECT_TRUE(first.Open(path.c_str()));
    EXPECT_TRUE(second.Open(path.c_str()));
    EXPECT_FALSE(first.Open(path.c_str()));
    EXPECT_EQ(6u, first.GetSize());
}

TEST(View, WholeFileWindowReachesTheEnd)
{
    CTemporaryFolder folder;
    const std::string content = Pattern(1000);
    CVirtualFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile(L"v.bin", content).c_str()));
    CByteView view(file);
    ASSERT_TRUE(view.Map(0, 0, 1000));
    EXPECT_EQ(1000u, view.GetLength());
    EXPECT_TRUE(view.IsEndReached());
    EXPECT_EQ(static_cast<unsigned char>(content[0]), *view.At(0));
    EXPECT_EQ(static_cast<unsigned char>(content[999]), *view.At(999));
    EXPECT_THROW(view.At(1000), CByteView::CExceptionOutboundValue);
    EXPECT_THROW(view.At(~0ull), CByteView::CExceptionOutboundValue);
    view.Unmap();
    EXPECT_EQ(0u, view.GetLength());
    EXPECT_FALSE(view.IsEndReached());
    EXPECT_THROW(view.At(0), CByteView::CExceptionOutboundValue);
}

TEST(View, WindowPastTheEndIsShortenedAndOneAtTheEndIsRefused)
{
    CTemporaryFolder folder;
    const std::string content = Pattern(200000);
    CVirtualFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile(L"v.bin", content).c_str()));
    CByteView inside(file);
    ASSERT_TRUE(inside.Map(0, 65536, 100));
    EXPECT_FALSE(inside.IsEndReached());
    EXPECT_EQ(static_cast<unsigned char>(content[65536 + 99]), *inside.At(99));
    EXPECT_THROW(inside.At(100), CByteView::CExceptionOutboundValue);

    CByteView beyond(file);
    ASSERT_TRUE(beyond.Map(0, 131072, ~0ull));  // no wrap-around of offset + length
    EXPECT_TRUE(beyond.IsEndReached());
    EXPECT_EQ(200000u - 131072u, beyond.GetLength());
    EXPECT_EQ(static_cast<unsigned char>(content[199999]), *beyond.At(200000 - 131072 - 1));

    CByteView atEnd(file);
    EXPECT_FALSE(atEnd.Map(0, 200000, 10));
    EXPECT_TRUE(atEnd.IsEndReached());
    EXPECT_THROW(atEnd.At(0), CByteView::CExceptionOutboundValue);
}

TEST(View, OffsetOffTheGranularityCannotBeMapped)
{
    CTemporaryFolder folder;
    CVirtualFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile(L"v.bin", Pattern(5000)).c_str()));
    CByteView view(file);
    EXPECT_FALSE(view.Map(0, 100, 10));
    EXPECT_THROW(view.At(0), CByteView::CExceptionOutboundValue);
}

TEST(View, WriteAccessIsNotGrantedOverAReadOnlyFile)
{
    CTemporaryFolder folder;
    CVirtualFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile(L"v.bin", "read only").c_str()));
    CByteView view(file);
    ASSERT_TRUE(view.Map(CByteView::WriteAccess, 0, 9));
    EXPECT_EQ('r', *view.At(0));
}

TEST(View, ViewWithoutFileThrowsNoFile)
{
    CByteView view;
    EXPECT_THROW(view.Map(0, 0, 1), CByteView::CExceptionNoFile);
    EXPECT_THROW(view.At(0), CByteView::CExceptionNoFile);
}

TEST(Md5Compute, UnopenedOrEmptyFileFailsAndLeavesTheDigestZero)
{
    CTemporaryFolder folder;
    CVirtualFile unopened;
    CVirtualFile empty;
    EXPECT_FALSE(empty.Open(folder.WriteFile(L"e.bin", std::string()).c_str()));
    for (CVirtualFile* file : { &unopened, &empty }) {
        CMd5 md5;
        EXPECT_FALSE(md5.Compute(*file));
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(0, md5.GetDigest()[i]);
    }
}

TEST(Md5Compute, FileWhoseMappingWasClosedCannotBeHashed)
{
    CTemporaryFolder folder;
    CVirtualFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile(L"c.bin", "abc").c_str()));
    ASSERT_TRUE(file.Close());
    CMd5 md5;
    EXPECT_FALSE(md5.Compute(file));
}
