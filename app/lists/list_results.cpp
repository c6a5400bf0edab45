#include "lists/list_results.h"

#include "checksums/digest_verdict.h"
#include "vrok_data/vrok_string.h"

#include "checksums/name_escaping.h"

namespace lists {

Result ResultOf(hashing::FileStatus status, const std::wstring& computed, const std::wstring& expected,
                checksums::Algorithm algorithm)
{
    checksums::FileDigests digests;
    digests.Set(algorithm, computed);
    switch (status) {
    case hashing::FileStatus::Hashed:
        return checksums::JudgeReference(expected, digests, algorithm).verdict == checksums::ReferenceVerdict::Equal
                   ? Result::Ok
                   : Result::Differs;
    case hashing::FileStatus::Missing: return Result::Missing;
    case hashing::FileStatus::Unreadable: return Result::Unreadable;
    case hashing::FileStatus::Stopped: break;
    }
    return Result::Pending;
}

Tally CountResults(const std::vector<ListEntry>& entries)
{
    Tally tally;
    for (const ListEntry& entry : entries) {
        switch (entry.result) {
        case Result::Ok: ++tally.ok; break;
        case Result::Differs: ++tally.differs; break;
        case Result::Missing: ++tally.missing; break;
        case Result::Unreadable: ++tally.unreadable; break;
        case Result::Pending: ++tally.pending; break;
        }
    }
    return tally;
}

Shade ShadeOf(const Tally& tally)
{
    if (tally.differs > 0)
        return Shade::Red;
    if (tally.ok > 0 && tally.missing == 0 && tally.unreadable == 0 && tally.pending == 0)
        return Shade::Green;
    return Shade::Orange;
}

std::wstring FillCount(const std::wstring& wordTemplate, size_t count)
{
    const std::wstring number = std::to_wstring(count);
    if (wordTemplate.find(L"%u") == std::wstring::npos)
        return wordTemplate + L" " + number;
    return vrok::data::type::string::FillIn(wordTemplate, L"%u", {number});
}

namespace {

void AddCount(std::wstring& summary, const std::wstring& wordTemplate, size_t count)
{
    if (count == 0)
        return;
    if (!summary.empty())
        summary += L", ";
    summary += FillCount(wordTemplate, count);
}

const wchar_t* SuffixOf(Result result)
{
    switch (result) {
    case Result::Ok: return L": OK";
    case Result::Differs: return L": FAILED";
    case Result::Missing:
    case Result::Unreadable: return L": FAILED open or read";
    default: return nullptr;
    }
}

}

std::wstring FormatSummary(const Tally& tally, size_t otherLines, bool stopped, const SummaryWords& words)
{
    std::wstring counts;
    AddCount(counts, words.ok, tally.ok);
    AddCount(counts, words.differs, tally.differs);
    AddCount(counts, words.missing, tally.missing);
    AddCount(counts, words.unreadable, tally.unreadable);
    if (stopped && counts.empty())
        counts = FillCount(words.ok, 0);
    if (stopped)
        AddCount(counts, words.pending, tally.pending);
    if (counts.empty())
        counts = words.noLines;
    AddCount(counts, words.otherLines, otherLines);
    return stopped ? words.stopped + L": " + counts : counts;
}

std::wstring PrintableName(const std::wstring& name)
{
    return name.find(L'\n') == std::wstring::npos ? name : L"\\" + checksums::EscapeName(name);
}

std::wstring FormatCopiedResults(const std::vector<ListEntry>& entries)
{
    std::wstring text;
    for (const ListEntry& entry : entries) {
        if (const wchar_t* suffix = SuffixOf(entry.result))
            text += PrintableName(entry.name) + suffix + L"\r\n";
    }
    return text;
}

}
