#ifndef VESTIGON_SIGNATURE_SENTENCE_H
#define VESTIGON_SIGNATURE_SENTENCE_H

#include "signatures/signature_result.h"

#include <string>
#include <vector>

// What a signature's verdict says in words: the key of its sentence in the language file's
// [SIGNATURES] section and the names filled into its %s in order (who signed, the fingerprint
// in groups of four), for the window and the command line alike.
namespace signatures {

struct SignatureSentence
{
    const wchar_t* key = nullptr;  // null for no signature
    std::vector<std::wstring> names;
};

// `overFile`: the signature is over the file itself rather than over a checksum list.
SignatureSentence SentenceOf(const SignatureResult& result, bool overFile);

}

#endif
