#include "checksums/pasted_digest.h"
#include "settings/profile_files.h"
#include "checksums/digest_verdict.h"

#include "digit_patterns.h"
#include "test_files.h"

#include <gtest/gtest.h>

using namespace checksums;
using namespace testsupport;

namespace {

// "<digits>|<name>|<ALGORITHM>", or "unchanged" when the text came back as it was pasted.
std::string Describe(const PastedDigest& pasted, const std::wstring& text)
{
    if (!pasted.extracted)
        return pasted.text == text ? "unchanged" : "changed: " + Narrow(pasted.text);
    return CountOrDigits(pasted.text) + "|" + Narrow(pasted.name) + "|" +
           (pasted.algorithm ? Narrow(ShownNameOf(*pasted.algorithm)) : "");
}

}

TEST(PastedDigest, TheDigestIsTakenOutOfEveryFormThatIsCopied)
{
    const std::string sha256 = Digits(64);
    const struct
    {
        const char* text;
        std::string pasted;
        const char* expected;
    } rows[] = {
        {"bare, line breaks and no-break spaces around", "\r\n\xC2\xA0 " + sha256 + " \r\n", "64||SHA-256"},
        {"upper case", UpperCase(sha256), "64||SHA-256"},
        {"coreutils line", sha256 + "  x.iso\n", "64|x.iso|SHA-256"},
        {"binary mode, escaped", "\\" + sha256 + " *a\\\\b.iso", "64|a\\b.iso|SHA-256"},
        {"BSD line", "SHA256 (x (1).iso) = " + UpperCase(sha256), "64|x (1).iso|SHA-256"},
        {"GitHub's prefix", "sha256:" + sha256, "64||SHA-256"},
        {"a shown name and a colon", "SHA-256: " + UpperCase(sha256), "64||SHA-256"},
        {"BLAKE2b prefix", "blake2b = " + Digits(128), "128||BLAKE2b"},
        {"groups of 8 over two lines", Grouped(sha256.substr(0, 32), 8) + "\r\n" + Grouped(sha256.substr(32), 8), "64||SHA-256"},
        {"a prefix and groups by colons", "SHA1: " + Grouped(Digits(40), 2, ":"), "40||SHA-1"},
        {"gpg record", "x.iso: " + Grouped(Digits(64), 8) + "\n       " + Grouped(Digits(64), 8), "128|x.iso|SHA-512"},
        {"128 digits alone", Digits(128), "128||"},
        {"hand-typed words", "not a digest", "unchanged"},
        {"one digit short", Digits(63), "unchanged"},
        {"a prefix of another length", "sha256:" + Digits(40), "unchanged"},
        {"two checksum lines", sha256 + "  a\n" + sha256 + "  b\n", "unchanged"},
        {"groups of mixed lengths", "0123 456789ab" + Digits(52), "unchanged"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::wstring pasted = Widen(row.pasted);
        EXPECT_EQ(row.expected, Describe(TakeDigestFromPaste(pasted), pasted));
    }
}

// The C library's digit test takes digits of every script; a reference holding one is no digest.
TEST(PastedDigest, DigitsOfOtherScriptsAreNoHexadecimalDigits)
{
    const std::wstring digest(32, L'3');
    for (const wchar_t* digit : {L"\u0663", L"\uFF13", L"\u00B3", L"\u0969"}) {
        const std::wstring reference = std::wstring(digit) + digest.substr(1);
        checksums::FileDigests digests;
        digests.Set(checksums::Algorithm::Md5, digest);
        EXPECT_EQ(checksums::ReferenceVerdict::NotHexadecimal, checksums::JudgeReference(reference, digests).verdict)
            << Narrow(reference);
        EXPECT_EQ("unchanged", Describe(TakeDigestFromPaste(reference), reference));
    }
}
