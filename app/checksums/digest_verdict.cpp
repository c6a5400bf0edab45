#include "checksums/digest_verdict.h"

#include "checksums/hex_digest.h"

namespace checksums {

const std::wstring* FileDigests::Find(Algorithm algorithm, size_t digits) const
{
    const auto found = m_digests.find(Key(algorithm, digits));
    return found != m_digests.end() ? &found->second : nullptr;
}

namespace {

const size_t ShortestDigest = 32;

// Equal, or why not, once the algorithm's digest is there.
JudgedReference Compare(const std::wstring& reference, const std::wstring& digest, Algorithm algorithm)
{
    JudgedReference judged;
    judged.algorithm = algorithm;
    if (reference == digest)
        judged.verdict = ReferenceVerdict::Equal;
    else
        judged.verdict = IsLowerHex(reference) ? ReferenceVerdict::Different : ReferenceVerdict::NotHexadecimal;
    return judged;
}

JudgedReference NeedsDigests(Algorithm algorithm, AlgorithmSet toCompute)
{
    JudgedReference judged;
    judged.verdict = ReferenceVerdict::NeedsDigest;
    judged.algorithm = algorithm;
    judged.toCompute = toCompute;
    return judged;
}

// SHA-512 first; BLAKE2b-512 when SHA-512's differs. Both are computed in one read when neither is.
JudgedReference JudgeSha512OrBlake2b(const std::wstring& reference, const FileDigests& digests)
{
    const std::wstring* sha512 = digests.Find(Algorithm::Sha512);
    const std::wstring* blake2b = digests.Find(Algorithm::Blake2b);
    if (sha512 != nullptr && *sha512 == reference)
        return Compare(reference, *sha512, Algorithm::Sha512);
    if (blake2b != nullptr && *blake2b == reference)
        return Compare(reference, *blake2b, Algorithm::Blake2b);
    if (sha512 == nullptr || blake2b == nullptr) {
        AlgorithmSet missing;
        if (sha512 == nullptr)
            missing = missing.With(Algorithm::Sha512);
        if (blake2b == nullptr)
            missing = missing.With(Algorithm::Blake2b);
        return NeedsDigests(Algorithm::Sha512, missing);
    }
    return Compare(reference, *sha512, Algorithm::Sha512);
}

}

JudgedReference JudgeReference(const std::wstring& reference, const FileDigests& digests)
{
    JudgedReference judged;
    if (reference.empty() || digests.Empty())
        return judged;
    const std::optional<Algorithm> algorithm = AlgorithmOfDigits(reference.size());
    if (!algorithm) {
        judged.verdict = reference.size() < ShortestDigest ? ReferenceVerdict::TooShort : ReferenceVerdict::TooLong;
        return judged;
    }
    if (*algorithm == Algorithm::Sha512)
        return JudgeSha512OrBlake2b(reference, digests);
    return JudgeReference(reference, digests, *algorithm);
}

JudgedReference JudgeReference(const std::wstring& reference, const FileDigests& digests, Algorithm algorithm)
{
    if (reference.empty() || digests.Empty())
        return JudgedReference();
    const std::wstring* digest = digests.Find(algorithm, reference.size());
    if (digest == nullptr)
        return NeedsDigests(algorithm, AlgorithmSet(algorithm));
    return Compare(reference, *digest, algorithm);
}

}
