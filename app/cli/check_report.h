#ifndef VESTIGON_CLI_CHECK_REPORT_H
#define VESTIGON_CLI_CHECK_REPORT_H

#include "cli/command_options.h"
#include "cli/console_output.h"
#include "lists/list_check_job.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// What checking one list prints, line for line as `sha256sum -c` prints it: each file's result in
// the list's order as soon as it and those before it are known, the messages of files that could
// not be read, with --warn the lines that are no checksum lines, and the counts at the end.
class CCheckReport
{
public:
    // `listName` as the user gave it; `named` the algorithm the list's file name gives. Without
    // `summary`, only the results are told (a single file checked against a digest).
    CCheckReport(const std::wstring& listName, std::optional<checksums::Algorithm> named, const CommandRequest& request,
                 CConsoleOutput& output, bool summary);

    void TakeList(std::vector<lists::ListEntry>&& entries, std::vector<size_t>&& otherLineNumbers);
    void TakeResult(const lists::CheckedFile& file);
    // Tells what is left and the counts; true when the list passed.
    bool Finish();

private:
    struct Arrival
    {
        bool arrived = false;
        lists::Result result = lists::Result::Pending;
        hashing::Outcome outcome = hashing::Outcome::Digest;
    };

    void PrintArrived();
    void PrintResult(const lists::ListEntry& entry, const Arrival& arrival);
    void WarnOtherLinesBefore(size_t lineNumber);
    void PrintCounts();
    bool Quiet() const { return m_request.verbosity == Verbosity::Quiet; }
    bool StatusOnly() const { return m_request.verbosity == Verbosity::Status; }

    const std::wstring m_listName;
    const std::optional<checksums::Algorithm> m_named;
    const CommandRequest& m_request;
    CConsoleOutput& m_output;
    const bool m_summary;

    std::vector<lists::ListEntry> m_entries;
    std::vector<Arrival> m_arrivals;
    std::vector<size_t> m_otherLineNumbers;
    std::optional<checksums::Algorithm> m_lastAlgorithm;
    size_t m_nextPrinted = 0;
    size_t m_nextOtherLine = 0;
    size_t m_matched = 0;
    size_t m_mismatched = 0;
    size_t m_unreadable = 0;
};

}

#endif
