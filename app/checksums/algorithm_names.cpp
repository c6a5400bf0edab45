#include "checksums/algorithm_names.h"

namespace checksums {

namespace {

struct CNames
{
    Algorithm algorithm;
    const wchar_t* shown;
    const wchar_t* tag;
    const wchar_t* tool;
    size_t digits;
};

const CNames Names[] = {
    {Algorithm::Md5, L"MD5", L"MD5", L"md5", 32},
    {Algorithm::Sha1, L"SHA-1", L"SHA1", L"sha1", 40},
    {Algorithm::Sha224, L"SHA-224", L"SHA224", L"sha224", 56},
    {Algorithm::Sha256, L"SHA-256", L"SHA256", L"sha256", 64},
    {Algorithm::Sha384, L"SHA-384", L"SHA384", L"sha384", 96},
    {Algorithm::Sha512, L"SHA-512", L"SHA512", L"sha512", 128},
    {Algorithm::Blake2b, L"BLAKE2b", L"BLAKE2b", L"b2", 128},
};

const wchar_t Blake2bLengthSeparator = L'-';
const size_t MaxBlake2bDigits = 128;

const CNames& NamesOf(Algorithm algorithm)
{
    for (const CNames& names : Names)
        if (names.algorithm == algorithm)
            return names;
    return Names[0];
}

// Every name compared here is ASCII; other letters are left as they are and match none.
std::wstring Lower(std::wstring text)
{
    for (wchar_t& character : text)
        if (character >= L'A' && character <= L'Z')
            character = static_cast<wchar_t>(character - L'A' + L'a');
    return text;
}

bool EqualIgnoringCase(const std::wstring& first, const std::wstring& second)
{
    return Lower(first) == Lower(second);
}

// "BLAKE2b-<bits>" with the prefix compared as `same` says; the digits of that many bits.
template <typename Same>
bool ParseBlake2bLength(const std::wstring& word, Same same, size_t& digits)
{
    const std::wstring prefix = std::wstring(NamesOf(Algorithm::Blake2b).tag) + Blake2bLengthSeparator;
    if (word.size() <= prefix.size() || word.size() > prefix.size() + 3 || !same(word.substr(0, prefix.size()), prefix))
        return false;
    size_t bits = 0;
    for (size_t at = prefix.size(); at < word.size(); ++at) {
        if (word[at] < L'0' || word[at] > L'9')
            return false;
        bits = bits * 10 + static_cast<size_t>(word[at] - L'0');
    }
    digits = bits / 4;
    return bits % 8 == 0 && digits > 0 && digits <= MaxBlake2bDigits;
}

// A word of a file name as a tool name: "sha256", "sha256sum", "SHA256SUMS".
std::optional<Algorithm> AlgorithmOfNameWord(std::wstring word)
{
    word = Lower(word);
    for (const wchar_t* ending : {L"sums", L"sum"}) {
        const std::wstring suffix(ending);
        if (word.size() > suffix.size() && word.compare(word.size() - suffix.size(), suffix.size(), suffix) == 0) {
            word.erase(word.size() - suffix.size());
            break;
        }
    }
    for (const CNames& names : Names)
        if (word == names.tool)
            return names.algorithm;
    return std::nullopt;
}

bool IsNameWordSeparator(wchar_t character)
{
    return character == L'.' || character == L'-' || character == L'_' || character == L' ';
}

}

const wchar_t ListFilePatterns[] = L"*.md5;*.md5sum;MD5SUMS*;md5sum*.txt;*SUMS;*.sha*;*.b2;*.b2sum;*CHECKSUM*;"
                                   L"*sum.txt;*sums.txt";

const wchar_t* ShownNameOf(Algorithm algorithm)
{
    return NamesOf(algorithm).shown;
}

const wchar_t* ToolNameOf(Algorithm algorithm)
{
    return NamesOf(algorithm).tool;
}

std::wstring BsdTagOf(Algorithm algorithm, size_t digits)
{
    const CNames& names = NamesOf(algorithm);
    if (algorithm != Algorithm::Blake2b || digits == names.digits)
        return names.tag;
    return std::wstring(names.tag) + Blake2bLengthSeparator + std::to_wstring(digits * 4);
}

std::wstring ExtensionOf(Algorithm algorithm)
{
    return std::wstring(L".") + NamesOf(algorithm).tool;
}

size_t DigitsOf(Algorithm algorithm)
{
    return NamesOf(algorithm).digits;
}

bool CanHaveDigits(Algorithm algorithm, size_t digits)
{
    if (algorithm == Algorithm::Blake2b)
        return digits > 0 && digits % 2 == 0 && digits <= MaxBlake2bDigits;
    return digits == DigitsOf(algorithm);
}

std::optional<Algorithm> AlgorithmOfDigits(size_t digits)
{
    for (const CNames& names : Names)
        if (names.digits == digits)
            return names.algorithm;
    return std::nullopt;
}

int StrengthRankOf(Algorithm algorithm)
{
    int rank = 0;
    for (Algorithm stronger : StrongestFirst) {
        if (stronger == algorithm)
            return rank;
        ++rank;
    }
    return rank;
}

bool ParseBsdTag(const std::wstring& tag, Algorithm& algorithm, size_t& digits)
{
    for (const CNames& names : Names) {
        if (tag == names.tag || tag == names.shown) {
            algorithm = names.algorithm;
            digits = names.digits;
            return true;
        }
    }
    algorithm = Algorithm::Blake2b;
    return ParseBlake2bLength(tag, [](const std::wstring& a, const std::wstring& b) { return a == b; }, digits);
}

bool ParseAlgorithmWord(const std::wstring& word, Algorithm& algorithm, size_t& digits)
{
    for (const CNames& names : Names) {
        if (EqualIgnoringCase(word, names.tag) || EqualIgnoringCase(word, names.shown) || EqualIgnoringCase(word, names.tool)) {
            algorithm = names.algorithm;
            digits = names.digits;
            return true;
        }
    }
    algorithm = Algorithm::Blake2b;
    return ParseBlake2bLength(word, EqualIgnoringCase, digits);
}

std::optional<Algorithm> AlgorithmOfFileName(const std::wstring& fileName)
{
    std::optional<Algorithm> found;
    size_t start = 0;
    while (start <= fileName.size()) {
        size_t end = start;
        while (end < fileName.size() && !IsNameWordSeparator(fileName[end]))
            ++end;
        if (const std::optional<Algorithm> named = AlgorithmOfNameWord(fileName.substr(start, end - start)))
            found = named;
        start = end + 1;
    }
    return found;
}

}
