#include "cli/check_command.h"

#include "checksums/checksum_text.h"
#include "checksums/file_names.h"
#include "checksums/hex_digest.h"
#include "settings/language_texts.h"
#include "settings/profile_files.h"
#include "signatures/key_store.h"
#include "signatures/signature_sentence.h"
#include "vrok_data/vrok_string.h"
#include "checksums/pasted_digest.h"
#include "cli/check_report.h"
#include "cli/list_job_runner.h"
#include "cli/message_quoting.h"
#include "cli/usage_texts.h"
#include "vrok_persistence/vrok_longpath.h"

namespace cli {

namespace {

std::wstring FullPathOf(const std::wstring& name)
{
    return vrok::persistence::file::MakeFullPath(name.c_str());
}

// Why a list could not be read, as coreutils tells it.
std::wstring ReasonListUnread(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return ReasonOfFailure(hashing::Outcome::OpenFailed, path);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return L"read error";
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size > lists::CListCheckJob::MaxListFileBytes ? L"File too large" : L"Permission denied";
}

// Runs the job started by `start` to its end, telling its results through `report`; false when
// the list could not be read (the reason is then told) or no job could be started.
template <typename Start>
bool RunReported(const std::wstring& listName, const std::wstring& listPath, CCheckReport& report,
                 CConsoleOutput& output, Start start, signatures::SignatureResult* signature = nullptr)
{
    CListJobRunner runner;
    bool unreadable = false;
    const bool ran = runner.Run(start(runner), output, [&](lists::ListNews& news) {
        if (news.listHanded && signature != nullptr)
            *signature = news.signature;
        if (news.listHanded)
            report.TakeList(std::move(news.entries), std::move(news.otherLineNumbers));
        for (const lists::CheckedFile& file : news.results)
            report.TakeResult(file);
        unreadable = news.ended && news.listState == lists::ListState::Unreadable;
    });
    if (!ran)
        output.Warn(QuoteForMessage(listName) + L": the work could not be started");
    else if (unreadable)
        output.Warn(QuoteForMessage(listName) + L": " + ReasonListUnread(listPath));
    return ran && !unreadable;
}

// The list's signature, told on standard error in the words of the English language file; true
// when it holds with a shipped or added key.
bool TellSignature(const std::wstring& listName, const signatures::SignatureResult& result, CConsoleOutput& output)
{
    const signatures::SignatureSentence sentence = signatures::SentenceOf(result, false);
    const std::wstring text = sentence.key == nullptr
                                  ? std::wstring(L"no signature found")
                                  : vrok::data::type::string::FillIn(
                                        languagetexts::ReadLanguageText(GetPathBesideProgram(L"english.ini").c_str(),
                                                                        profile::SectionSignatures, sentence.key,
                                                                        profile::ValueBufferLength),
                                        L"%s", sentence.names);
    output.Warn(QuoteForMessage(listName) + L": " + text);
    return result.verdict == signatures::SignatureVerdict::Signed;
}

// The keys beside the program: those it ships and those the user added.
std::shared_ptr<const signatures::CKeyring> KnownKeys()
{
    const signatures::CKeyStore store(checksums::FolderOf(GetPathBesideProgram(L"english.ini")));
    return std::make_shared<const signatures::CKeyring>(store.Keyring());
}

bool CheckList(const std::wstring& listName, const CommandRequest& request, CConsoleOutput& output)
{
    const std::wstring listPath = FullPathOf(listName);
    // With a signature required, a clear-signed list is checked from its signed text alone.
    const std::shared_ptr<const signatures::CKeyring> keys = request.requireSignature ? KnownKeys() : nullptr;
    signatures::SignatureResult signature;
    CCheckReport report(listName, checksums::AlgorithmOfFileName(checksums::FileNameOf(listPath)), request, output, true);
    const bool checked = RunReported(listName, listPath, report, output, [&](CListJobRunner& runner) {
        return runner.Job().Start(listPath, runner.Window(), checksums::AlgorithmSet::All(), keys);
    }, &signature) && report.Finish();
    return (!request.requireSignature || TellSignature(listName, signature, output)) && checked;
}

// The digest given on the command line, as typed or as copied from a page ("sha256:...").
bool ReadGivenDigest(const std::wstring& given, lists::ListEntry& entry)
{
    const checksums::PastedDigest pasted = checksums::TakeDigestFromPaste(given);
    entry.expected = pasted.extracted ? pasted.text : checksums::LowerCaseHex(given);
    std::optional<checksums::Algorithm> algorithm = pasted.extracted ? pasted.algorithm : std::nullopt;
    if (!algorithm)
        algorithm = checksums::AlgorithmOfDigits(entry.expected.size());
    if (entry.expected.empty() || !algorithm || !checksums::CanHaveDigits(*algorithm, entry.expected.size()))
        return false;
    entry.algorithm = *algorithm;
    entry.mayBeBlake2b = *algorithm == checksums::Algorithm::Sha512 && (!pasted.extracted || !pasted.algorithm);
    return true;
}

}

int RunCheck(const CommandRequest& request, CConsoleOutput& output)
{
    bool passed = true;
    for (const std::wstring& list : request.operands)
        passed = CheckList(list, request, output) && passed;
    return passed ? 0 : 1;
}

int RunVerify(const CommandRequest& request, CConsoleOutput& output)
{
    lists::ListEntry entry;
    entry.name = request.operands[0];
    entry.path = FullPathOf(entry.name);
    if (!ReadGivenDigest(request.operands[1], entry)) {
        ReportUsageError(L"invalid digest '" + request.operands[1] + L"'" +
                             L": not 32, 40, 56, 64, 96 or 128 hexadecimal digits",
                         output);
        return UsageErrorCode;
    }
    CCheckReport report(entry.name, entry.algorithm, request, output, false);
    const bool passed = RunReported(entry.name, entry.path, report, output, [&](CListJobRunner& runner) {
        return runner.Job().StartOnEntries({entry}, runner.Window());
    }) && report.Finish();
    return passed ? 0 : 1;
}

}
