#include "file_digest.h"

#include "modal_watcher.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using testsupport::CModalWatcher;
using testsupport::CTemporaryFolder;

namespace {

struct CRfcCase
{
    const char* message;
    const wchar_t* digest;
};

// The test suite of RFC 1321, appendix A.5 (the empty message is handled apart: an empty file
// has nothing to map and is refused).
const CRfcCase RfcSuite[] = {
    { "a", L"0cc175b9c0f1b6a831c399e269772661" },
    { "abc", L"900150983cd24fb0d6963f7d28e17f72" },
    { "message digest", L"f96b697d7cb7938d525a2f31aaf161d0" },
    { "abcdefghijklmnopqrstuvwxyz", L"c3fcd3d76192e4007dfb496cca67e13b" },
    { "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", L"d174ab98d277d9f5a5611c2c9f419d9f" },
    { "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
      L"57edf4a22be3c955ac49da2e2107b67a" },
};

std::wstring DigestOfFile(const std::wstring& path)
{
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    return text ? std::wstring(text.get()) : std::wstring(L"(null)");
}

}

TEST(RfcSuite, EveryMessageGivesThePublishedDigest)
{
    CTemporaryFolder folder;
    CModalWatcher watcher;
    int index = 0;
    for (const CRfcCase& rfcCase : RfcSuite) {
        const std::wstring path = folder.WriteFile(L"rfc" + std::to_wstring(index++) + L".txt", rfcCase.message);
        EXPECT_EQ(rfcCase.digest, DigestOfFile(path)) << rfcCase.message;
    }
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(RfcSuite, DigestTextIs32LowercaseDigitsAndATerminator)
{
    CTemporaryFolder folder;
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(folder.WriteFile(L"abc.txt", "abc").c_str()));
    ASSERT_TRUE(text);
    EXPECT_EQ(L'\0', text[32]);
    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE((text[i] >= L'0' && text[i] <= L'9') || (text[i] >= L'a' && text[i] <= L'f')) << i;
}
