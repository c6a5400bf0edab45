#ifndef VESTIGON_ARMOUR_H
#define VESTIGON_ARMOUR_H

#include <string>
#include <vector>

// OpenPGP's text forms: armoured blocks and clear-signed messages.
namespace signatures {

// At most this many blocks are taken from one text; the rest is passed over.
const size_t MaxArmouredBlocks = 256;

struct ArmouredBlock
{
    std::string label;   // what follows "-----BEGIN ", such as "PGP SIGNATURE"
    std::string binary;  // the decoded bytes
};

// Base64 with optional padding at its very end; false on any other character or a length that
// is not a multiple of four.
bool DecodeBase64(const std::string& text, std::string& bytes);

bool StartsWith(const std::string& text, const char* prefix);

// The lines of a text without their ends (LF, CRLF or CR).
std::vector<std::string> SplitLines(const std::string& text);

// The blocks between "-----BEGIN <label>-----" and "-----END <label>-----" lines, decoded. A block
// whose base64 is not clean, whose end line is missing or whose checksum line differs from the
// decoded bytes is left out; `damaged` then becomes true.
std::vector<ArmouredBlock> ReadArmouredBlocks(const std::string& text, bool& damaged);

// A clear-signed message taken apart. `signedBytes` are the bytes the signature covers (the text
// with dash escapes undone, blanks at line ends removed, CRLF between lines); `text` is the
// same text as it reads, each line ended by LF, and the only part of the file that is signed.
struct ClearSignedMessage
{
    std::vector<std::string> hashNames;  // from the "Hash:" lines, such as "SHA256"
    std::string signedBytes;
    std::string text;
    std::string signature;  // the binary packets of the signature block
};

// True when the bytes start, after blanks and line ends, with "-----BEGIN PGP SIGNED MESSAGE-----".
bool LooksClearSigned(const std::string& bytes);

// False when the bytes are no clear-signed message: no such start, a header other than "Hash:",
// no signature block, or a signature block that does not decode.
bool ReadClearSigned(const std::string& bytes, ClearSignedMessage& message);

}

#endif
