#ifndef VESTIGON_ALGORITHM_NAMES_H
#define VESTIGON_ALGORITHM_NAMES_H

#include "vrok_business/vrok_digest.h"

#include <optional>
#include <string>

// The digests' names in every spelling the program meets or writes: as it shows them ("SHA-256"),
// as BSD tags ("SHA256", "BLAKE2b-256"), as coreutils names its tools ("sha256sum", "b2sum") and
// checksum files ("x.iso.sha256", "B2SUMS"); which is the stronger; what a file's name says.
namespace checksums {

using vrok::business::digest::Algorithm;

// A set of algorithms, such as those whose checksum lines a caller takes.
class AlgorithmSet
{
public:
    constexpr AlgorithmSet() : m_bits(0) {}
    constexpr explicit AlgorithmSet(Algorithm algorithm) : m_bits(Bit(algorithm)) {}
    static constexpr AlgorithmSet All() { return AlgorithmSet((1u << (static_cast<unsigned>(Algorithm::Blake2b) + 1)) - 1); }

    constexpr bool Has(Algorithm algorithm) const { return (m_bits & Bit(algorithm)) != 0; }
    constexpr AlgorithmSet With(Algorithm algorithm) const { return AlgorithmSet(m_bits | Bit(algorithm)); }
    constexpr bool operator==(AlgorithmSet other) const { return m_bits == other.m_bits; }
    constexpr bool operator!=(AlgorithmSet other) const { return m_bits != other.m_bits; }

private:
    constexpr explicit AlgorithmSet(unsigned bits) : m_bits(bits) {}
    static constexpr unsigned Bit(Algorithm algorithm) { return 1u << static_cast<unsigned>(algorithm); }
    unsigned m_bits;
};

// What the program read before it knew other digests; its callers' default.
constexpr AlgorithmSet Md5Only = AlgorithmSet(Algorithm::Md5);

// Strongest first, the order in which checksum files of several algorithms are preferred.
const Algorithm StrongestFirst[] = {Algorithm::Sha512, Algorithm::Sha384, Algorithm::Sha256, Algorithm::Blake2b,
                                    Algorithm::Sha224, Algorithm::Sha1,   Algorithm::Md5};

// "MD5", "SHA-1", ..., "SHA-512", "BLAKE2b".
const wchar_t* ShownNameOf(Algorithm algorithm);
// "md5", "sha1", ..., "sha512", "b2": coreutils' tool is this name and "sum".
const wchar_t* ToolNameOf(Algorithm algorithm);
// The BSD tag: "MD5", "SHA256", "BLAKE2b" for BLAKE2b's 128 digits, "BLAKE2b-256" for 64.
std::wstring BsdTagOf(Algorithm algorithm, size_t digits);
// ".md5", ".sha256", ".b2": the extension of a checksum file named after the file it describes.
std::wstring ExtensionOf(Algorithm algorithm);

// Hexadecimal digits of the algorithm's digest (BLAKE2b: its default, 128).
size_t DigitsOf(Algorithm algorithm);
// True when a digest of that many digits can be the algorithm's: its own length, or for
// BLAKE2b any whole number of bytes up to 64.
bool CanHaveDigits(Algorithm algorithm, size_t digits);
// The algorithm whose digest has that many digits: 32 MD5, 40 SHA-1, 56 SHA-224, 64 SHA-256,
// 96 SHA-384, 128 SHA-512 (BLAKE2b-512 has those 128 too; the caller says whether that matters).
std::optional<Algorithm> AlgorithmOfDigits(size_t digits);

// 0 for the strongest; a higher number for each weaker one, in StrongestFirst's order.
int StrengthRankOf(Algorithm algorithm);

// A BSD tag (case counts, as in coreutils): "MD5", "SHA1" to "SHA512", the hyphenated "SHA-1" to
// "SHA-512", "BLAKE2b" and "BLAKE2b-<bits>" (a multiple of 8 up to 512). The algorithm and the
// digits its digest has; false for any other word.
bool ParseBsdTag(const std::wstring& tag, Algorithm& algorithm, size_t& digits);

// A name written before a digest by a person or a web page ("sha256:", "SHA-256:", "blake2b:"):
// a BSD tag, a shown or tool name, in any case.
bool ParseAlgorithmWord(const std::wstring& word, Algorithm& algorithm, size_t& digits);

// The algorithm a checksum file's name gives: the last word of the name, between dots,
// hyphens, underscores or blanks, that is a tool name with or without "sum"/"sums"
// (x.iso.sha512, md5sum-9.1.tar.gz.sha256, SHA256SUMS, b2sums.txt,
// CHECKSUM.SHA512-FreeBSD-14.0-RELEASE-amd64). Nothing for a generic name (checksums.txt,
// Fedora-...-CHECKSUM).
std::optional<Algorithm> AlgorithmOfFileName(const std::wstring& fileName);

// The open dialog's patterns for checksum lists, separated by semicolons.
extern const wchar_t ListFilePatterns[];

}

#endif
