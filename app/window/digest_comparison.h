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
};

// True when the text is not empty and holds only decimal digits and the letters a to f.
bool IsLowerHex(const wchar_t* text);

// The first verdict that applies, in this order: a missing text (null or empty), a reference
// longer or shorter than 32, equal to the digest (case counts), not lower-case hexadecimal,
// and otherwise different. Nothing is trimmed.
CVerdict JudgeReference(const wchar_t* reference, const wchar_t* digest);

}

#endif
