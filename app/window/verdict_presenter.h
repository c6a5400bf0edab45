#ifndef VESTIGON_VERDICT_PRESENTER_H
#define VESTIGON_VERDICT_PRESENTER_H

#include "checksums/digest_verdict.h"
#include "signatures/signature_result.h"

#include <string>
#include <vector>

// What the strip shows for a verdict: the sentences of the language file's [SENTENCES] to show,
// each with the names filled into its %s in order, and the picture. A pure function of the
// verdict, beside the decision itself (checksums/digest_verdict.h).
namespace verdicts {

struct Sentence
{
    const wchar_t* key;
    std::vector<std::wstring> names;
    // [SENTENCES], or [SIGNATURES] whose sentences are longer.
    bool aboutSignature = false;
};

struct StripVerdict
{
    std::vector<Sentence> sentences;
    int pictureId = 0;
};

// A judged reference (not NeedsDigest). The sentence names the algorithm when it is not MD5;
// a reference filled in from a checksum file adds "Reference from <file>.".
StripVerdict OfReference(const checksums::JudgedReference& judged, const std::wstring& referenceSource);

// Two checksum files that give different digests.
StripVerdict OfConflict(const std::wstring& first, const std::wstring& other);

// A size line that does not match the file: an incomplete download, told before any hashing.
StripVerdict OfSizeDiffers(unsigned long long actual, unsigned long long listed, const std::wstring& source);

// A pasted checksum line that names another file than the one shown.
StripVerdict OfPastedNameDiffers(const std::wstring& pastedName);

// Adds what the signature says (over the checksum list, or over the file itself) to a verdict
// on the digest, and lets it change the picture: a signature that does not match makes it red,
// whatever the digest; a digest that matches and a signature that holds by a known key show the
// sealed shield. Nothing for no signature.
void AddSignature(StripVerdict& verdict, const signatures::SignatureResult& result, bool overFile);

// A signature over the file itself, with no reference to compare: it alone tells whether the
// file is the one that was signed.
StripVerdict OfSignatureAlone(const signatures::SignatureResult& result, bool overFile);

}

#endif
