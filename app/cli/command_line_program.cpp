#include "cli/command_line_program.h"

#include "cli/check_command.h"
#include "cli/command_options.h"
#include "cli/hash_command.h"
#include "cli/message_quoting.h"
#include "cli/usage_texts.h"
#include "vrok_data/vrok_kernelhandle.h"

#include <windows.h>

namespace cli {

namespace {

std::wstring OwnPath()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring WithExeExtension(const std::wstring& path)
{
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    return (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash) ? path : path.substr(0, dot)) +
           L".exe";
}

}

int RunCommandLine(const std::vector<std::wstring>& arguments, bool windowProgram)
{
    const CStandardStreams streams(windowProgram);
    CConsoleOutput output(streams.Output(), streams.Errors());
    return RunCommandLine(arguments, output);
}

int RunCommandLine(const std::vector<std::wstring>& arguments, CConsoleOutput& output)
{
    const CommandRequest request = ParseCommandLine(arguments);
    int code = 0;
    switch (request.command) {
    case Command::Help: output.PrintText(HelpText()); break;
    case Command::Version: output.PrintText(VersionText()); break;
    case Command::Check: code = RunCheck(request, output); break;
    case Command::Verify: code = RunVerify(request, output); break;
    case Command::Hash: code = RunHash(request, output); break;
    case Command::Window:
    case Command::UsageError: ReportUsageError(request.problem, output); return UsageErrorCode;
    }
    // Results that did not reach their file or pipe are no success.
    if (!output.OutputIntact()) {
        output.Warn(L"write error");
        return code == 0 ? 1 : code;
    }
    return code;
}

int StartWindowProgram(const wchar_t* commandLine)
{
    const std::wstring program = WithExeExtension(OwnPath());
    std::wstring line(commandLine != nullptr ? commandLine : L"");
    line.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        const DWORD error = GetLastError();
        CConsoleOutput output(GetStdHandle(STD_OUTPUT_HANDLE), GetStdHandle(STD_ERROR_HANDLE));
        output.Warn(QuoteForMessage(program) + L": " +
                    (error == ERROR_FILE_NOT_FOUND ? L"No such file or directory" : L"cannot be started"));
        return 1;
    }
    vrok::data::type::kernelobject::CKernelHandle process(started.hProcess);
    vrok::data::type::kernelobject::CKernelHandle thread(started.hThread);
    return 0;
}

}
