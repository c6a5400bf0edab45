#include "cli/check_report.h"

#include "cli/message_quoting.h"

namespace cli {

using lists::Result;

namespace {

std::wstring Counted(size_t count, const wchar_t* one, const wchar_t* many)
{
    return L"WARNING: " + std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

}

CCheckReport::CCheckReport(const std::wstring& listName, std::optional<checksums::Algorithm> named,
                           const CommandRequest& request, CConsoleOutput& output, bool summary)
    : m_listName(listName), m_named(named), m_request(request), m_output(output), m_summary(summary)
{
}

void CCheckReport::TakeList(std::vector<lists::ListEntry>&& entries, std::vector<size_t>&& otherLineNumbers)
{
    m_entries.swap(entries);
    m_otherLineNumbers.swap(otherLineNumbers);
    m_arrivals.assign(m_entries.size(), Arrival());
}

void CCheckReport::TakeResult(const lists::CheckedFile& file)
{
    if (file.index >= m_arrivals.size())
        return;
    m_arrivals[file.index] = Arrival{true, file.result, file.outcome};
    PrintArrived();
}

void CCheckReport::PrintArrived()
{
    for (; m_nextPrinted < m_entries.size() && m_arrivals[m_nextPrinted].arrived; ++m_nextPrinted) {
        const lists::ListEntry& entry = m_entries[m_nextPrinted];
        WarnOtherLinesBefore(entry.lineNumber);
        PrintResult(entry, m_arrivals[m_nextPrinted]);
        m_lastAlgorithm = entry.algorithm;
        // What is told is not kept: a list of any length takes little memory once it is checked.
        m_entries[m_nextPrinted] = lists::ListEntry();
    }
}

void CCheckReport::PrintResult(const lists::ListEntry& entry, const Arrival& arrival)
{
    const std::wstring name = lists::PrintableName(entry.name);
    switch (arrival.result) {
    case Result::Ok:
        ++m_matched;
        if (!Quiet() && !StatusOnly())
            m_output.Print(name + L": OK");
        break;
    case Result::Differs:
        ++m_mismatched;
        if (!StatusOnly())
            m_output.Print(name + L": FAILED");
        break;
    case Result::Missing:
        if (m_request.ignoreMissing)
            break;
        [[fallthrough]];  // a missing file is one that could not be read
    case Result::Unreadable:
        ++m_unreadable;
        m_output.Warn(QuoteForMessage(entry.name) + L": " + ReasonOfFailure(arrival.outcome, entry.path));
        if (!StatusOnly())
            m_output.Print(name + L": FAILED open or read");
        break;
    case Result::Pending: break;
    }
}

// With --warn, each line that is no checksum line, named by the algorithm of the checksum line
// before it (or else the list's name's, or its first line's), as coreutils names the algorithm
// it was reading.
void CCheckReport::WarnOtherLinesBefore(size_t lineNumber)
{
    for (; m_nextOtherLine < m_otherLineNumbers.size() && m_otherLineNumbers[m_nextOtherLine] < lineNumber;
         ++m_nextOtherLine) {
        if (m_request.verbosity != Verbosity::Warn)
            continue;
        checksums::Algorithm algorithm = m_named.value_or(checksums::Algorithm::Md5);
        if (m_lastAlgorithm)
            algorithm = *m_lastAlgorithm;
        else if (!m_named && !m_entries.empty())
            algorithm = m_entries[0].algorithm;
        m_output.Warn(QuoteForMessage(m_listName) + L": " + std::to_wstring(m_otherLineNumbers[m_nextOtherLine]) +
                      L": improperly formatted " + checksums::BsdTagOf(algorithm, checksums::DigitsOf(algorithm)) +
                      L" checksum line");
    }
}

void CCheckReport::PrintCounts()
{
    const size_t otherLines = m_otherLineNumbers.size();
    if (otherLines != 0)
        m_output.Warn(Counted(otherLines, L"line is improperly formatted", L"lines are improperly formatted"));
    if (m_unreadable != 0)
        m_output.Warn(Counted(m_unreadable, L"listed file could not be read", L"listed files could not be read"));
    if (m_mismatched != 0)
        m_output.Warn(Counted(m_mismatched, L"computed checksum did NOT match", L"computed checksums did NOT match"));
    if (m_request.ignoreMissing && m_matched == 0)
        m_output.Warn(QuoteForMessage(m_listName) + L": no file was verified");
}

bool CCheckReport::Finish()
{
    WarnOtherLinesBefore(static_cast<size_t>(-1));
    if (m_arrivals.empty()) {
        m_output.Warn(QuoteForMessage(m_listName) + L": no properly formatted checksum lines found");
        return false;
    }
    if (m_summary && !StatusOnly())
        PrintCounts();
    return m_nextPrinted == m_arrivals.size() && m_mismatched == 0 && m_unreadable == 0 &&
           (!m_request.strict || m_otherLineNumbers.empty()) && (!m_request.ignoreMissing || m_matched > 0);
}

}
