#ifndef VESTIGON_LIST_RESULTS_H
#define VESTIGON_LIST_RESULTS_H

#include "checksums/algorithm_names.h"
#include "hashing/file_status.h"
#include "vrok_business/vrok_digest.h"

#include <string>
#include <vector>

// What checking a checksum list found, one entry per checksum line in the list's order, and the
// texts made from it: the summary counts, its colour, and the lines "Copy results" gives.
namespace lists {

enum class Result { Pending, Ok, Differs, Missing, Unreadable };

struct ListEntry
{
    std::wstring name;       // as the list gives it (unescaped)
    std::wstring path;       // the file it names, resolved against the list's folder
    std::wstring expected;   // lowercase hexadecimal digits of `algorithm`
    std::wstring computed;   // empty until the file has been hashed
    unsigned long long size = 0;
    bool sizeKnown = false;
    Result result = Result::Pending;
    vrok::business::digest::Algorithm algorithm = vrok::business::digest::Algorithm::Md5;
    bool mayBeBlake2b = false;   // 128 digits of SHA-512 (`algorithm`) or BLAKE2b-512
    size_t lineNumber = 0;       // in the list, counting from 1
};

struct Tally
{
    size_t ok = 0;
    size_t differs = 0;
    size_t missing = 0;
    size_t unreadable = 0;
    size_t pending = 0;
};

// A listed file's result: OK when its digest of the line's algorithm equals the listed one, the
// file's status otherwise; Pending for a file whose hashing was stopped.
Result ResultOf(hashing::FileStatus status, const std::wstring& computed, const std::wstring& expected,
                checksums::Algorithm algorithm);

Tally CountResults(const std::vector<ListEntry>& entries);

// The colour of the summary: green when every file is OK, red when any differs, orange when
// none differs but some are missing or unreadable (or nothing was there to check).
enum class Shade { Green, Orange, Red };
Shade ShadeOf(const Tally& tally);

// The words of the summary from the language file; "%u" in a count stands for the number.
struct SummaryWords
{
    std::wstring ok, differs, missing, unreadable, pending, otherLines, noLines, stopped;
};

// "12 OK, 1 differs, 2 missing": the counts that are not zero, in that order, then the lines
// that were no checksum lines; a stopped check starts with the stopped word and counts what it
// checked even when that is nothing ("Stopped: 0 OK").
std::wstring FormatSummary(const Tally& tally, size_t otherLines, bool stopped, const SummaryWords& words);

// Puts the number where the template holds "%u" (first place only); a template without it is
// followed by the number. The template is never used as a format string.
std::wstring FillCount(const std::wstring& wordTemplate, size_t count);

// The lines that `md5sum -c` prints for the entries that have a result, in list order, each
// ended by CRLF: "NAME: OK", "NAME: FAILED", "NAME: FAILED open or read".
std::wstring FormatCopiedResults(const std::vector<ListEntry>& entries);

// The name as md5sum prints it in its results: a name holding a line feed is written with its
// backslashes and line breaks escaped and a leading backslash; any other name as it is.
std::wstring PrintableName(const std::wstring& name);

}

#endif
