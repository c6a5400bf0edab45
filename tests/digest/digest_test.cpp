#include "hashing/file_digest.h"
#include "window/digest_comparison.h"
#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"

#include "modal_watcher.h"
#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

using testsupport::CModalWatcher;
using testsupport::CTemporaryFolder;
using testsupport::Narrow;
using vrok::business::md5::CMd5;
using vrok::persistence::file::CVirtualFile;

namespace {

// The digest text ComputeFileDigest returns, or "(null)".
std::wstring Digest(const std::wstring& path)
{
    std::unique_ptr<wchar_t[]> text(ComputeFileDigest(path.c_str()));
    return text ? std::wstring(text.get()) : L"(null)";
}

// The digest through CMd5 reading windows of the given size.
std::wstring WindowedDigest(const std::wstring& path, unsigned long long windowSize)
{
    CVirtualFile file;
    CMd5 md5;
    if (!file.Open(path.c_str()) || !md5.Compute(file, windowSize))
        return L"(failed)";
    wchar_t text[33] = {};
    for (int i = 0; i < 16; ++i)
        swprintf(text + 2 * i, 3, L"%02x", md5.GetDigest()[i]);
    return text;
}

// Another program holding a file open with the given access and sharing (none: not held).
struct CHeldFile
{
    HANDLE handle;
    CHeldFile(const std::wstring& path, DWORD access, DWORD share)
        : handle(access ? CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr) {}
    ~CHeldFile() { if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
};

// Folders of 'f's under `base`, nested until the deepest one's path has `length` characters.
std::wstring MakeDeepFolder(std::wstring folder, size_t length)
{
    while (folder.size() + 1 < length) {
        folder += L"\\" + std::wstring(std::min<size_t>(60, length - folder.size() - 1), L'f');
        CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
    }
    return folder;
}

// The paths this program hands to CreateFileW while the object lives: meanwhile the program's
// import table sends the calls through a recorder.
class CCreateFileRecorder
{
public:
    CCreateFileRecorder() : m_entry(FindImport("CreateFileW"))
    {
        s_paths.clear();
        if (m_entry != nullptr)
            s_original = Swap(m_entry, reinterpret_cast<void*>(&Record));
    }
    ~CCreateFileRecorder()
    {
        if (m_entry != nullptr)
            Swap(m_entry, s_original);
    }
    const std::vector<std::wstring>& Paths() const { return s_paths; }

private:
    static void* Swap(void** entry, void* value)
    {
        DWORD access = 0;
        VirtualProtect(entry, sizeof(void*), PAGE_READWRITE, &access);
        void* previous = *entry;
        *entry = value;
        VirtualProtect(entry, sizeof(void*), access, &access);
        return previous;
    }
    static void** FindImport(const char* name)
    {
        BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
            base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
        for (; dll->Name != 0; ++dll) {
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
            auto* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++entries)
                if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) &&
                    strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name, name) == 0)
                    return reinterpret_cast<void**>(&entries->u1.Function);
        }
        return nullptr;
    }
    static HANDLE WINAPI Record(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE model)
    {
        s_paths.push_back(path);
        return reinterpret_cast<decltype(&CreateFileW)>(s_original)(path, access, share, security, disposition,
                                                                    flags, model);
    }
    static std::vector<std::wstring> s_paths;
    static void* s_original;
    void** m_entry;
};
std::vector<std::wstring> CCreateFileRecorder::s_paths;
void* CCreateFileRecorder::s_original = nullptr;

}

// RFC 1321, appendix A.5 (the empty message is an empty file, refused below).
TEST(Digest, RfcSuiteGivesThePublishedDigests)
{
    const std::pair<const char*, const wchar_t*> suite[] = {
        { "a", L"0cc175b9c0f1b6a831c399e269772661" },
        { "abc", L"900150983cd24fb0d6963f7d28e17f72" },
        { "message digest", L"f96b697d7cb7938d525a2f31aaf161d0" },
        { "abcdefghijklmnopqrstuvwxyz", L"c3fcd3d76192e4007dfb496cca67e13b" },
        { "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", L"d174ab98d277d9f5a5611c2c9f419d9f" },
        { "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
          L"57edf4a22be3c955ac49da2e2107b67a" },
    };
    CTemporaryFolder folder;
    CModalWatcher watcher;
    for (const auto& row : suite)
        EXPECT_EQ(row.second, Digest(folder.WriteFile(L"m.txt", row.first))) << row.first;
    EXPECT_TRUE(watcher.Boxes().empty());
}

// Every tail length around the padding boundaries, whole and through 64 KiB windows (the larger
// files span up to 64 of them); window sizes off the granularity are rounded up, those near the
// size type's end down.
TEST(Digest, EveryTailLengthGivesTheDigestMd5sumPrints)
{
    std::set<std::wstring> lengths;
    CModalWatcher watcher;
    for (const auto& entry : testsupport::ReadReferenceDigests(L"digest\\md5sums.txt")) {
        SCOPED_TRACE(Narrow(entry.path));
        const std::wstring length = entry.path.substr(11, entry.path.size() - 15);  // digest\len_<n>.bin
        lengths.insert(length);
        if (length == L"0")
            continue;
        EXPECT_EQ(entry.digest, Digest(entry.path));
        for (unsigned long long windowSize : { 65536ull, 1ull, 100000ull, 1ull << 40, ~0ull, ~0ull - 1000 })
            EXPECT_EQ(entry.digest, WindowedDigest(entry.path, windowSize)) << windowSize;
    }
    for (const wchar_t* length : { L"0", L"1", L"55", L"56", L"63", L"64", L"65", L"119", L"120", L"127", L"128",
                                   L"196665", L"3145728", L"4194299" })
        EXPECT_EQ(1u, lengths.count(length)) << Narrow(length);
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(Digest, FilesThatCannotBeHashedShowTheOpenFailedBoxAndGiveNull)
{
    CTemporaryFolder folder;
    const std::wstring busy = folder.WriteFile(L"busy.bin", "being written");
    const struct { std::wstring path; DWORD heldAccess, heldShare; } rows[] = {
        { folder.PathOf(L"missing.bin"), 0, 0 },
        { folder.Path(), 0, 0 },
        { folder.WriteFile(L"empty.bin", ""), 0, 0 },
        { L"digest\\len_0.bin", 0, 0 },
        { busy, GENERIC_WRITE, 0 },
        { busy, GENERIC_WRITE, FILE_SHARE_READ },  // a writer letting others read still keeps it
        { folder.PathOf(L"\x0444\x0430\x0439\x043B-\x6587\x4EF6.bin"), 0, 0 },
        { L"C:\\" + std::wstring(489, L'p'), 0, 0 },  // 11 + 492 + 9: the longest text a box shows
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.path));
        CHeldFile held(row.path, row.heldAccess, row.heldShare);
        ASSERT_NE(INVALID_HANDLE_VALUE, held.handle);
        CModalWatcher watcher;
        EXPECT_EQ(L"(null)", Digest(row.path));
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(L"Erreur", watcher.Boxes()[0].caption);
        EXPECT_EQ(L"Open file " + row.path + L" failed !", watcher.Boxes()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), watcher.Boxes()[0].icon);
    }
}

// A path whose whole message would not fit the box (511 characters) is shown with its middle left
// out: the box keeps the path's start and its file name.
TEST(Digest, APathTooLongForTheBoxIsShortenedInItsMiddle)
{
    for (size_t length : { 493u, 600u, 2000u, 32000u }) {
        SCOPED_TRACE(length);
        const std::wstring path = L"C:\\" + std::wstring(length - 12, L'q') + L"\\name.bin";
        CModalWatcher watcher;
        EXPECT_EQ(L"(null)", Digest(path));
        ASSERT_EQ(1u, watcher.Boxes().size());
        const std::wstring& text = watcher.Boxes()[0].text;
        EXPECT_EQ(511u, text.size());
        EXPECT_EQ(L"Open file C:\\qqq", text.substr(0, 16));
        EXPECT_EQ(L"q\\name.bin failed !", text.substr(text.size() - 19));
        EXPECT_NE(std::wstring::npos, text.find(L"q...q"));
    }
}

// Paths of any length, relative or on a network share, reach the system in their long form.
TEST(Digest, EveryPathIsOpenedInItsLongForm)
{
    CTemporaryFolder folder;
    const std::wstring deep300 = MakeDeepFolder(folder.Path(), 292), deep600 = MakeDeepFolder(deep300, 592);
    wchar_t working[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, working);
    const struct { std::wstring given, opened, digest; } rows[] = {
        { folder.WriteFile(deep300.substr(folder.Path().size() + 1) + L"\\abc.txt", "abc"),
          L"\\\\?\\" + deep300 + L"\\abc.txt", L"900150983cd24fb0d6963f7d28e17f72" },
        { folder.WriteFile(deep600.substr(folder.Path().size() + 1) + L"\\abc.txt", "abc"),
          L"\\\\?\\" + deep600 + L"\\abc.txt", L"900150983cd24fb0d6963f7d28e17f72" },
        { L"digest\\len_1.bin", L"\\\\?\\" + std::wstring(working) + L"\\digest\\len_1.bin", L"" },
        { L"\\\\server\\share\\x.bin", L"\\\\?\\UNC\\server\\share\\x.bin", L"(null)" },
        { L"\\\\?\\" + deep300 + L"\\abc.txt", L"\\\\?\\" + deep300 + L"\\abc.txt",
          L"900150983cd24fb0d6963f7d28e17f72" },
    };
    EXPECT_EQ(300u, rows[0].given.size());
    EXPECT_EQ(600u, rows[1].given.size());
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.given));
        CModalWatcher watcher;
        CCreateFileRecorder recorder;
        const std::wstring digest = Digest(row.given);
        if (!row.digest.empty()) {
            EXPECT_EQ(row.digest, digest);
        }
        ASSERT_EQ(1u, recorder.Paths().size());
        EXPECT_EQ(row.opened, recorder.Paths()[0]);
        EXPECT_EQ(row.digest == L"(null)" ? 1u : 0u, watcher.Boxes().size());
    }
}

TEST(Digest, NonLatinPathsAndFilesOthersReadAreHashed)
{
    CTemporaryFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.PathOf(L"\x0434\x0430\x043D\x043D\x044B\x0435").c_str(), nullptr));
    const std::wstring path =
        folder.WriteFile(L"\x0434\x0430\x043D\x043D\x044B\x0435\\\x6587\x4EF6 \x03B1\x03C1\x03C7.txt", "message digest");
    CHeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader.handle);
    CModalWatcher watcher;
    EXPECT_EQ(L"f96b697d7cb7938d525a2f31aaf161d0", Digest(path));
    EXPECT_TRUE(watcher.Boxes().empty());
}

// A reference on its own, before the input field lowers it: the first verdict that applies, in
// the order missing, length, exact equality (case counts), lower-case hexadecimal, different.
TEST(Verdict, AReferenceGetsTheFirstVerdictThatApplies)
{
    using namespace comparison;
    const std::wstring digest = L"900150983cd24fb0d6963f7d28e17f72";
    const std::wstring upper = L"900150983CD24FB0D6963F7D28E17F72";
    const std::wstring odd = L"zz0150983cd24fb0d6963f7d28e17f72";
    const std::wstring longer = digest + L"0", oddLonger = odd + L"!", shorter = digest.substr(1);
    const std::wstring blank = L" " + shorter;
    const struct { const char* name; const wchar_t *reference, *digest, *sentence; int picture; } rows[] = {
        {"no reference", nullptr, digest.c_str(), L"string_empty_string", WarningPicture},
        {"empty reference", L"", digest.c_str(), L"string_empty_string", WarningPicture},
        {"no digest", digest.c_str(), L"", L"string_empty_string", WarningPicture},
        {"33 characters", longer.c_str(), digest.c_str(), L"string_too_long", WarningPicture},
        {"33 of anything", oddLonger.c_str(), digest.c_str(), L"string_too_long", WarningPicture},
        {"31 characters", shorter.c_str(), digest.c_str(), L"string_too_short", WarningPicture},
        {"equal", digest.c_str(), digest.c_str(), L"hash_equal", EqualPicture},
        {"equal in upper case", upper.c_str(), upper.c_str(), L"hash_equal", EqualPicture},
        {"equal, not hexadecimal", odd.c_str(), odd.c_str(), L"hash_equal", EqualPicture},
        {"upper case of the digest", upper.c_str(), digest.c_str(), L"string_not_hexacecimal", WarningPicture},
        {"not hexadecimal", odd.c_str(), digest.c_str(), L"string_not_hexacecimal", WarningPicture},
        {"a blank inside", blank.c_str(), digest.c_str(), L"string_not_hexacecimal", WarningPicture},
        {"another digest", L"f96b697d7cb7938d525a2f31aaf161d0", digest.c_str(), L"hash_different", DifferentPicture},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CVerdict verdict = JudgeReference(row.reference, row.digest);
        EXPECT_STREQ(row.sentence, verdict.sentenceKey);
        EXPECT_EQ(row.picture, verdict.pictureId);
    }
}
