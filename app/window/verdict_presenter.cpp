#include "window/verdict_presenter.h"

#include "resource.h"
#include "settings/profile_files.h"
#include "signatures/signature_sentence.h"

using checksums::Algorithm;
using checksums::ReferenceVerdict;

namespace verdicts {

namespace {

const int EqualPicture = IDB_VERDICT_EQUAL;
const int WarningPicture = IDB_VERDICT_WARNING;
const int DifferentPicture = IDB_VERDICT_DIFFERENT;
const int SealedPicture = IDB_VERDICT_SIGNED;

// The MD5 sentences are the program's first; the others name their algorithm.
Sentence Named(const wchar_t* md5Key, const wchar_t* namedKey, Algorithm algorithm)
{
    if (algorithm == Algorithm::Md5)
        return Sentence{md5Key, {}};
    return Sentence{namedKey, {checksums::ShownNameOf(algorithm)}};
}

StripVerdict One(Sentence sentence, int pictureId)
{
    StripVerdict verdict;
    verdict.sentences.push_back(std::move(sentence));
    verdict.pictureId = pictureId;
    return verdict;
}

StripVerdict OfJudged(const checksums::JudgedReference& judged)
{
    switch (judged.verdict) {
    case ReferenceVerdict::TooShort: return One({profile::KeyTooShort, {}}, WarningPicture);
    case ReferenceVerdict::TooLong: return One({profile::KeyTooLong, {}}, WarningPicture);
    case ReferenceVerdict::NotHexadecimal: return One({profile::KeyNotHexadecimal, {}}, WarningPicture);
    case ReferenceVerdict::Equal:
        return One(Named(profile::KeyHashEqual, profile::KeyHashEqualNamed, judged.algorithm), EqualPicture);
    case ReferenceVerdict::Different:
        return One(Named(profile::KeyHashDifferent, profile::KeyHashDifferentNamed, judged.algorithm), DifferentPicture);
    default: return One({profile::KeyEmptyString, {}}, WarningPicture);
    }
}

}

StripVerdict OfReference(const checksums::JudgedReference& judged, const std::wstring& referenceSource)
{
    StripVerdict verdict = OfJudged(judged);
    if (!referenceSource.empty())
        verdict.sentences.push_back(Sentence{profile::KeyReferenceFrom, {referenceSource}});
    return verdict;
}

StripVerdict OfConflict(const std::wstring& first, const std::wstring& other)
{
    return One({profile::KeyReferenceConflict, {first, other}}, WarningPicture);
}

StripVerdict OfSizeDiffers(unsigned long long actual, unsigned long long listed, const std::wstring& source)
{
    return One({profile::KeySizeDiffers, {std::to_wstring(actual), source, std::to_wstring(listed)}}, DifferentPicture);
}

StripVerdict OfPastedNameDiffers(const std::wstring& pastedName)
{
    return One({profile::KeyPastedNameDiffers, {pastedName}}, WarningPicture);
}

void AddSignature(StripVerdict& verdict, const signatures::SignatureResult& result, bool overFile)
{
    using signatures::SignatureVerdict;
    if (result.verdict == SignatureVerdict::None)
        return;
    const signatures::SignatureSentence sentence = signatures::SentenceOf(result, overFile);
    verdict.sentences.push_back(Sentence{sentence.key, sentence.names, true});
    if (result.verdict == SignatureVerdict::Bad)
        verdict.pictureId = DifferentPicture;
    else if (result.verdict == SignatureVerdict::Signed && verdict.pictureId == EqualPicture)
        verdict.pictureId = SealedPicture;
}

StripVerdict OfSignatureAlone(const signatures::SignatureResult& result, bool overFile)
{
    using signatures::SignatureVerdict;
    StripVerdict verdict;
    const bool holds = result.verdict == SignatureVerdict::Signed || result.verdict == SignatureVerdict::SignedByKeyBeside;
    verdict.pictureId = holds ? EqualPicture : WarningPicture;
    AddSignature(verdict, result, overFile);
    return verdict;
}

}
