#ifndef VESTIGON_CHECKSUM_FORMS_H
#define VESTIGON_CHECKSUM_FORMS_H

#include "checksums/checksum_text.h"

#include <string>
#include <vector>

// The forms of a checksum line, for the parser of whole checksum texts.
namespace checksums { namespace forms {

// What decides a line's algorithm and whether it is taken.
struct LineRules
{
    AlgorithmSet accepted;
    std::optional<Algorithm> named;   // what the file's name says
    bool bareDigest;                  // a digest alone is a line with no name
    bool everyForm;                   // gpg records, comments and PGP text are read too
};

// A line of the text; `structure` marks the lines that only frame the checksum lines (a PGP
// signature's armour, headers and signature block).
struct TextLine
{
    std::wstring text;
    bool structure = false;
};

bool IsBlankLine(const std::wstring& line);

// A coreutils line, a BSD line or (with bareDigest) a bare digest, blanks before it allowed;
// false when it is none of them or its algorithm is not taken.
bool ParseSingleLine(const std::wstring& line, const LineRules& rules, ChecksumLine& out);

// A `gpg --print-md` record starting at lines[first] (with bareDigest also one without a name):
// how many lines it takes, 0 when none starts there. `taken` says whether `out` holds a line of
// a taken algorithm; a record of another algorithm (RMD160, say) is not.
size_t ParseGpgRecord(const std::vector<TextLine>& lines, size_t first, const LineRules& rules, ChecksumLine& out,
                      bool& taken);

// `# <name>: <N> bytes`; false for any other line.
bool ParseSizeLine(const std::wstring& line, ListedSize& out);

}}

#endif
