// The comparison of the reference field with the digest field: every verdict with its sentence
// from the language file and its picture in the strip, and the two ways to ask for it.
#include "main_window_fixture.h"

#include "modal_watcher.h"

#include "cool_control.h"
#include "digest_comparison.h"
#include "window_caption.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace mainwindowtest;
using testsupport::CModalWatcher;

namespace {

// One window, started on abc.txt, for the whole suite (each window that goes costs time).
class ComparisonTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new CProgramFolder();
        s_file = new std::wstring(s_folder->WriteFile(L"abc.txt", "abc"));
        s_opened = new COpenedWindow(*s_folder, s_file->c_str());
    }
    static void TearDownTestSuite()
    {
        delete s_opened;
        delete s_file;
        delete s_folder;
    }

    void SetUp() override
    {
        ASSERT_EQ(0, s_opened->Started());
        // Each test starts from the file's own digest.
        if (WindowText(s_opened->DigestField()) != AbcDigest)
            DropFiles(s_opened->Handle(), {*s_file});
        ASSERT_EQ(AbcDigest, WindowText(s_opened->DigestField()));
    }

    static const COpenedWindow& Opened() { return *s_opened; }

    static void CompareWith(const std::wstring& reference)
    {
        SetWindowTextW(s_opened->InputField(), reference.c_str());
        PumpMessages();
        SendMessageW(s_opened->Handle(), WM_COMPARE_REQUEST, 0,
                     reinterpret_cast<LPARAM>(s_opened->Window().GetDropPanel()->GetHandle()));
        PumpMessages();
    }

    static std::wstring Sentence() { return SplitCaption(s_opened->StripText()).sentence; }

    static CProgramFolder* s_folder;
    static std::wstring* s_file;
    static COpenedWindow* s_opened;
};

CProgramFolder* ComparisonTest::s_folder = nullptr;
std::wstring* ComparisonTest::s_file = nullptr;
COpenedWindow* ComparisonTest::s_opened = nullptr;

struct CComparisonRow
{
    const char* name;
    std::wstring reference;
    const wchar_t* sentence;
    bool (*hasPictureColour)(COLORREF);
};

std::wstring Upper(std::wstring text)
{
    for (wchar_t& character : text)
        if (character >= L'a' && character <= L'z')
            character = static_cast<wchar_t>(character - L'a' + L'A');
    return text;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& character : text)
        if (character >= L'A' && character <= L'Z')
            character = static_cast<wchar_t>(character - L'A' + L'a');
    return text;
}

}

TEST_F(ComparisonTest, EveryVerdictShowsItsSentenceAndPicture)
{
    const std::wstring digest = AbcDigest;
    const CSentences& say = EnglishSentences;
    const CComparisonRow rows[] = {
        {"empty", L"", say.emptyString, IsOrange},
        {"31 characters", digest.substr(0, 31), say.tooShort, IsOrange},
        {"33 characters", digest + L"0", say.tooLong, IsOrange},
        {"trailing blank", digest + L" ", say.tooLong, IsOrange},
        {"equal", digest, say.equal, IsGreen},
        {"letter G", digest.substr(0, 31) + L"G", say.notHexadecimal, IsOrange},
        {"letter g", digest.substr(0, 31) + L"g", say.notHexadecimal, IsOrange},
        {"blank inside", digest.substr(0, 10) + L" " + digest.substr(11), say.notHexadecimal, IsOrange},
        {"32 hex digits different", MessageDigestDigest, say.different, IsRed},
        {"only digits", std::wstring(32, L'7'), say.different, IsRed},
    };
    for (const CComparisonRow& row : rows)
    {
        CompareWith(row.reference);
        // Sentences are kept to 49 characters.
        const std::wstring expected = std::wstring(row.sentence).substr(0, 49);
        const CCaptionParts parts = SplitCaption(Opened().StripText());
        EXPECT_EQ(L"file : ", parts.prefix) << row.name;
        EXPECT_NE(std::wstring::npos, parts.pathLine.find(L"abc.txt")) << row.name;
        EXPECT_EQ(expected, parts.sentence) << row.name;
        EXPECT_TRUE(Opened().StripHasIcon()) << row.name;
        EXPECT_TRUE(row.hasPictureColour(StripIconColour(Opened()))) << row.name << " " << std::hex
                                                                     << StripIconColour(Opened());
        // Nothing else changes: both fields keep their texts (the input field lowers letters).
        EXPECT_EQ(Lower(row.reference), WindowText(Opened().InputField())) << row.name;
        EXPECT_EQ(digest, WindowText(Opened().DigestField())) << row.name;
    }
}

// The input field turns what is typed or pasted into lower case: an upper-case digest arrives
// as the digest itself.
TEST_F(ComparisonTest, AnUpperCaseDigestInTheFieldIsLoweredAndEqual)
{
    CompareWith(Upper(AbcDigest));
    EXPECT_EQ(AbcDigest, WindowText(Opened().InputField()));
    EXPECT_EQ(EnglishSentences.equal, Sentence());
    EXPECT_TRUE(IsGreen(StripIconColour(Opened())));
}

// The verdicts themselves, for texts that the field would not let through as they are.
TEST(DigestVerdict, CaseCountsAndOnlyLowerHexadecimalDiffers)
{
    using comparison::JudgeReference;
    const std::wstring digest = AbcDigest;
    EXPECT_STREQ(L"string_not_hexacecimal", JudgeReference(Upper(digest).c_str(), digest.c_str()).sentenceKey);
    EXPECT_EQ(103, JudgeReference(Upper(digest).c_str(), digest.c_str()).pictureId);
    EXPECT_STREQ(L"hash_equal", JudgeReference(digest.c_str(), digest.c_str()).sentenceKey);
    EXPECT_EQ(101, JudgeReference(digest.c_str(), digest.c_str()).pictureId);
    EXPECT_STREQ(L"hash_different", JudgeReference(MessageDigestDigest, digest.c_str()).sentenceKey);
    EXPECT_EQ(104, JudgeReference(MessageDigestDigest, digest.c_str()).pictureId);
    EXPECT_STREQ(L"string_empty_string", JudgeReference(nullptr, digest.c_str()).sentenceKey);
    EXPECT_STREQ(L"string_empty_string", JudgeReference(digest.c_str(), nullptr).sentenceKey);
    EXPECT_STREQ(L"string_empty_string", JudgeReference(digest.c_str(), L"").sentenceKey);
    // Equality is tested before the digits: equal upper-case texts are equal.
    EXPECT_STREQ(L"hash_equal", JudgeReference(Upper(digest).c_str(), Upper(digest).c_str()).sentenceKey);

    EXPECT_TRUE(comparison::IsLowerHex(L"0123456789abcdef"));
    EXPECT_FALSE(comparison::IsLowerHex(L"0123456789abcdeF"));
    EXPECT_FALSE(comparison::IsLowerHex(L""));
    EXPECT_FALSE(comparison::IsLowerHex(L"12 4"));
}

TEST_F(ComparisonTest, WithoutADigestEveryReferenceIsAnEmptyComparison)
{
    {
        CModalWatcher watcher;
        DropFiles(Opened().Handle(), {s_folder->Path() + L"\\not there.txt"});
        EXPECT_EQ(1u, watcher.Boxes().size());
    }
    ASSERT_EQ(L"", WindowText(Opened().DigestField()));
    CompareWith(AbcDigest);
    EXPECT_EQ(EnglishSentences.emptyString, Sentence());
    EXPECT_TRUE(IsOrange(StripIconColour(Opened())));
}

TEST_F(ComparisonTest, TwoComparisonsInARowLeaveOnlyTheSecondSentence)
{
    CompareWith(AbcDigest);
    ASSERT_EQ(EnglishSentences.equal, Sentence());
    const std::wstring pathLine = SplitCaption(Opened().StripText()).pathLine;

    CompareWith(L"abc");
    const std::wstring caption = Opened().StripText();
    EXPECT_EQ(L"file : " + pathLine + L"\n" + EnglishSentences.tooShort, caption);
    EXPECT_EQ(std::wstring::npos, caption.find(EnglishSentences.equal));
    EXPECT_TRUE(IsOrange(StripIconColour(Opened())));
}

TEST_F(ComparisonTest, EnterInTheInputFieldComparesOnce)
{
    SetWindowTextW(Opened().InputField(), AbcDigest);
    PumpMessages();
    CStripShowCounter shows(Opened().Window().GetNotifyWindow()->GetHandle());
    SetFocus(Opened().InputField());
    // The key goes down and up; translating the posted key-down makes its character.
    PostMessageW(Opened().InputField(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(Opened().InputField(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    PumpMessages(100);

    EXPECT_EQ(1, shows.Count());
    EXPECT_EQ(EnglishSentences.equal, Sentence());
    EXPECT_EQ(AbcDigest, WindowText(Opened().InputField())) << "the Enter key adds nothing to the field";
}

TEST_F(ComparisonTest, TheCompareButtonComparesOnceAndTypingDoesNot)
{
    CStripShowCounter shows(Opened().Window().GetNotifyWindow()->GetHandle());
    // Typing reaches the main window as the input field's notifications: no comparison.
    SetWindowTextW(Opened().InputField(), MessageDigestDigest);
    PumpMessages(60);
    EXPECT_EQ(0, shows.Count());

    SendMessageW(Opened().CompareButton(), BM_CLICK, 0, 0);
    PumpMessages(100);
    EXPECT_EQ(1, shows.Count());
    EXPECT_EQ(std::wstring(EnglishSentences.different).substr(0, 49), Sentence());
    EXPECT_TRUE(IsRed(StripIconColour(Opened())));
}

TEST_F(ComparisonTest, AMegabyteReferenceIsTooLong)
{
    CompareWith(std::wstring(1 << 20, L'a'));
    EXPECT_EQ(EnglishSentences.tooLong, Sentence());
}

// Before any file the sentence follows the prefix directly; and neither a path nor a sentence,
// however long, gets past the caption's 359 characters.
TEST(WindowCaption, StaysInsideItsBufferWhateverItHolds)
{
    CWindowCaption caption;
    caption.AppendSentence(L"Nothing yet.");
    EXPECT_STREQ(L"file : Nothing yet.", caption.Text());

    HDC screen = GetDC(nullptr);
    const std::wstring longPath = L"C:\\" + std::wstring(600, L'\u65e5') + L"\\name.txt";
    caption.FormatPath(longPath.c_str(), screen, 100000);
    const std::wstring text = caption.Text();
    EXPECT_LE(text.size(), 359u);
    EXPECT_EQ(L"file : C:\\", text.substr(0, 10));
    EXPECT_NE(std::wstring::npos, text.find(L"..."));
    EXPECT_EQ(L"\\name.txt\n", text.substr(text.size() - 10));
    EXPECT_EQ(static_cast<int>(text.size()), caption.PathLineEnd());

    caption.AppendSentence(std::wstring(2000, L's').c_str());
    EXPECT_EQ(359u, std::wstring(caption.Text()).size());
    caption.AppendSentence(L"Short.");
    EXPECT_EQ(text + L"Short.", caption.Text());

    // A narrow width keeps at least the file name behind an ellipsis.
    caption.FormatPath(L"C:\\some\\rather\\deep\\folder\\name.txt", screen, 60);
    EXPECT_NE(std::wstring::npos, std::wstring(caption.Text()).find(L"..."));
    ReleaseDC(nullptr, screen);
}
