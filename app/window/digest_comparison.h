#ifndef VESTIGON_DIGEST_COMPARISON_H
#define VESTIGON_DIGEST_COMPARISON_H

#include "resource.h"

// The verdict on a reference digest that the user typed or pasted, against the digest of the
// shown file: which sentence of the language file's [SENTENCES] to show, with which picture.
namespace comparison {

// Bitmap resources of the three verdict pictures.
const int EqualPicture = IDB_VERDICT_EQUAL;
const int WarningPicture = IDB_VERDICT_WARNING;
const int DifferentPicture = IDB_VERDICT_DIFFERENT;

// A digest is written as this many hexadecimal digits.
const int DigestLength = 32;

struct CVerdict
{
    const wchar_t* sentenceKey;
    int pictureId;
    // For a reference that looks like another algorithm's digest: its name ("SHA-256"), which
    // the sentence names; null otherwise.
    const wchar_t* otherAlgorithm = nullptr;
};

// True when the text is not empty and holds only decimal digits and the letters a to f.
bool IsLowerHex(const wchar_t* text);

// The name of the digest whose length the text has, when it is 40, 56, 64, 96 or 128
// hexadecimal digits of either case (SHA-1, SHA-224, SHA-256, SHA-384, SHA-512); null otherwise.
const wchar_t* OtherAlgorithmOf(const wchar_t* text);

// The first verdict that applies, in this order: a missing text (null or empty), a reference
// longer than 32 (said to be another algorithm's digest when its length and digits are those
// of one), shorter than 32, equal to the digest (case counts), not lower-case hexadecimal,
// and otherwise different. Nothing is trimmed.
CVerdict JudgeReference(const wchar_t* reference, const wchar_t* digest);

}

#endif
