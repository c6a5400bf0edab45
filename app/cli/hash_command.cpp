#include "cli/hash_command.h"

#include "checksums/checksum_writer.h"
#include "cli/list_job_runner.h"
#include "cli/message_quoting.h"
#include "vrok_persistence/vrok_longpath.h"

#include <algorithm>
#include <map>

namespace cli {

namespace {

struct CFindTraits
{
    typedef HANDLE Handle;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static long Release(Handle search) { return FindClose(search); }
};

// Prints each file's line, or why it has none, in the order the files were given.
class CHashPrinter
{
public:
    CHashPrinter(const CommandRequest& request, CConsoleOutput& output) : m_request(request), m_output(output) {}

    void Take(lists::ListNews& news)
    {
        if (news.listHanded)
            m_entries.swap(news.entries);
        for (lists::CheckedFile& file : news.results)
            m_waiting[file.index] = std::move(file);
        for (auto next = m_waiting.begin(); next != m_waiting.end() && next->first == m_printed;
             next = m_waiting.erase(next), ++m_printed)
            Print(m_entries[m_printed], next->second);
    }

    bool AllHashed() const { return m_printed == m_entries.size() && m_failures == 0; }

private:
    void Print(const lists::ListEntry& entry, const lists::CheckedFile& file)
    {
        if (file.result == lists::Result::Missing || file.result == lists::Result::Unreadable) {
            ++m_failures;
            m_output.Warn(QuoteForMessage(entry.name) + L": " + ReasonOfFailure(file.outcome, entry.path));
            return;
        }
        m_output.Print(m_request.tag ? checksums::FormatTaggedChecksumLine(entry.algorithm, file.digest, entry.name)
                                     : checksums::FormatChecksumLine(file.digest, entry.name));
    }

    const CommandRequest& m_request;
    CConsoleOutput& m_output;
    std::vector<lists::ListEntry> m_entries;
    std::map<size_t, lists::CheckedFile> m_waiting;
    size_t m_printed = 0;
    size_t m_failures = 0;
};

}

std::vector<std::wstring> ExpandWildcards(const std::wstring& name)
{
    const size_t folderEnd = name.find_last_of(L"\\/:") + 1;
    if (name.find_first_of(L"*?", folderEnd) == std::wstring::npos)
        return {name};
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data;
    vrok::data::type::kernelobject::CUniqueHandle<CFindTraits> search(FindFirstFileW(name.c_str(), &data));
    for (bool more = search.IsValid(); more; more = FindNextFileW(search.Get(), &data) != FALSE) {
        const std::wstring match = data.cFileName;
        if (match != L"." && match != L"..")
            found.push_back(name.substr(0, folderEnd) + match);
    }
    std::sort(found.begin(), found.end());
    return found.empty() ? std::vector<std::wstring>{name} : found;
}

int RunHash(const CommandRequest& request, CConsoleOutput& output)
{
    std::vector<lists::ListEntry> entries;
    for (const std::wstring& operand : request.operands) {
        for (const std::wstring& name : ExpandWildcards(operand)) {
            entries.emplace_back();
            entries.back().name = name;
            entries.back().path = vrok::persistence::file::MakeFullPath(name.c_str());
            entries.back().algorithm = request.algorithm;
        }
    }
    CHashPrinter printer(request, output);
    CListJobRunner runner;
    const unsigned job = runner.Job().StartOnEntries(std::move(entries), runner.Window());
    if (!runner.Run(job, output, [&](lists::ListNews& news) { printer.Take(news); })) {
        output.Warn(L"the work could not be started");
        return 1;
    }
    return printer.AllHashed() ? 0 : 1;
}

}
