#ifndef VESTIGON_PASTED_DIGEST_H
#define VESTIGON_PASTED_DIGEST_H

#include "checksums/algorithm_names.h"

#include <optional>
#include <string>

// The digest in what was copied from a publisher's page or a terminal: a bare digest, a whole
// checksum line (`<hex>  <name>`, `<hex> *<name>`, `SHA256 (<name>) = <hex>`, a `gpg --print-md`
// record), or a digest after its algorithm's name (`sha256:<hex>`, `SHA-256: <hex>`); in upper
// or lower case, its digits grouped by blanks or colons, with blanks and line breaks around.
namespace checksums {

struct PastedDigest
{
    // The digest in lowercase hexadecimal digits; the pasted text unchanged when it is none of
    // the forms above (text typed by hand keeps its own rules).
    std::wstring text;
    bool extracted = false;
    // The file the pasted line names; empty when it names none.
    std::wstring name;
    // What a tag or a name before the digest says, or else the digest's length; nothing for 128
    // digits that nothing attributes (SHA-512 or BLAKE2b-512).
    std::optional<Algorithm> algorithm;
};

PastedDigest TakeDigestFromPaste(const std::wstring& pasted);

}

#endif
