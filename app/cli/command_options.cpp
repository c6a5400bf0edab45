#include "cli/command_options.h"

#include <windows.h>
#include <shellapi.h>

namespace cli {

namespace {

enum class OptionId { Check, Verify, Hash, Algorithm, Tag, Quiet, Status, Strict, Warn, IgnoreMissing, RequireSignature, Help, Version };

struct LongOption
{
    const wchar_t* name;
    OptionId id;
    bool takesValue;
};

const LongOption LongOptions[] = {
    {L"algorithm", OptionId::Algorithm, true},   {L"check", OptionId::Check, false},
    {L"hash", OptionId::Hash, false},            {L"help", OptionId::Help, false},
    {L"ignore-missing", OptionId::IgnoreMissing, false}, {L"quiet", OptionId::Quiet, false},
    {L"require-signature", OptionId::RequireSignature, false},
    {L"status", OptionId::Status, false},        {L"strict", OptionId::Strict, false},
    {L"tag", OptionId::Tag, false},              {L"verify", OptionId::Verify, false},
    {L"version", OptionId::Version, false},      {L"warn", OptionId::Warn, false},
};

std::wstring Quoted(const std::wstring& text)
{
    return L"'" + text + L"'";
}

// Reads the arguments one by one, as getopt_long does, into a request.
class CParser
{
public:
    explicit CParser(const std::vector<std::wstring>& arguments) : m_arguments(arguments) {}

    CommandRequest Parse()
    {
        bool optionsEnded = false;
        for (m_next = 0; m_next < m_arguments.size() && !Decided();) {
            const std::wstring& argument = m_arguments[m_next++];
            if (optionsEnded || argument.size() < 2 || (argument[0] != L'-' && argument != L"/?"))
                m_request.operands.push_back(argument);
            else if (argument == L"--")
                optionsEnded = true;
            else if (argument == L"/?")
                Apply(OptionId::Help, std::wstring());
            else if (argument[1] == L'-')
                ReadLongOption(argument.substr(2));
            else
                ReadShortOptions(argument);
        }
        if (!Decided())
            CheckCombination();
        return m_request;
    }

private:
    bool Decided() const
    {
        return m_request.command == Command::UsageError || m_request.command == Command::Help ||
               m_request.command == Command::Version;
    }

    void Fail(const std::wstring& problem)
    {
        if (Decided())
            return;
        m_request.command = Command::UsageError;
        m_request.problem = problem;
    }

    void ReadLongOption(const std::wstring& text)
    {
        const size_t equals = text.find(L'=');
        const std::wstring name = text.substr(0, equals);
        const LongOption* found = nullptr;
        std::wstring candidates;
        for (const LongOption& option : LongOptions) {
            if (option.name == name) {
                found = &option;
                candidates.clear();
                break;
            }
            if (std::wstring(option.name).compare(0, name.size(), name) == 0) {
                candidates += L" '--" + std::wstring(option.name) + L"'";
                found = candidates.find(L"' '") == std::wstring::npos ? &option : nullptr;
            }
        }
        if (found == nullptr && !candidates.empty())
            return Fail(L"option '--" + name + L"' is ambiguous; possibilities:" + candidates);
        if (found == nullptr)
            return Fail(L"unrecognized option '--" + text + L"'");
        const std::wstring shown = L"--" + std::wstring(found->name);
        if (!found->takesValue && equals != std::wstring::npos)
            return Fail(L"option '" + shown + L"' doesn't allow an argument");
        if (!found->takesValue)
            return Apply(found->id, std::wstring());
        if (equals != std::wstring::npos)
            return Apply(found->id, text.substr(equals + 1));
        if (m_next >= m_arguments.size())
            return Fail(L"option '" + shown + L"' requires an argument");
        Apply(found->id, m_arguments[m_next++]);
    }

    // -c and -w, alone or together; -a with its value attached or in the next argument.
    void ReadShortOptions(const std::wstring& argument)
    {
        for (size_t at = 1; at < argument.size() && !Decided(); ++at) {
            switch (argument[at]) {
            case L'c': Apply(OptionId::Check, std::wstring()); break;
            case L'w': Apply(OptionId::Warn, std::wstring()); break;
            case L'a':
                if (at + 1 < argument.size())
                    return Apply(OptionId::Algorithm, argument.substr(at + 1));
                if (m_next >= m_arguments.size())
                    return Fail(L"option requires an argument -- 'a'");
                return Apply(OptionId::Algorithm, m_arguments[m_next++]);
            default: return Fail(L"invalid option -- " + Quoted(std::wstring(1, argument[at])));
            }
        }
    }

    void SetCommand(Command command)
    {
        if (m_request.command != Command::Window && m_request.command != command)
            return Fail(L"only one of --check, --verify and --hash may be given");
        m_request.command = command;
    }

    void SetVerification(const wchar_t* option)
    {
        if (m_verificationOption.empty())
            m_verificationOption = option;
    }

    void SetAlgorithm(const std::wstring& name)
    {
        size_t digits = 0;
        if (!checksums::ParseAlgorithmWord(name, m_request.algorithm, digits) ||
            digits != checksums::DigitsOf(m_request.algorithm))
            return Fail(L"invalid argument " + Quoted(name) + L" for '--algorithm'\n"
                        L"Valid arguments are: md5, sha1, sha224, sha256, sha384, sha512, blake2b");
        m_algorithmGiven = true;
    }

    void Apply(OptionId id, const std::wstring& value)
    {
        switch (id) {
        case OptionId::Check: SetCommand(Command::Check); break;
        case OptionId::Verify: SetCommand(Command::Verify); break;
        case OptionId::Hash: SetCommand(Command::Hash); break;
        case OptionId::Algorithm: SetAlgorithm(value); break;
        case OptionId::Tag: m_request.tag = true; break;
        case OptionId::Quiet: m_request.verbosity = Verbosity::Quiet; SetVerification(L"--quiet"); break;
        case OptionId::Status: m_request.verbosity = Verbosity::Status; SetVerification(L"--status"); break;
        case OptionId::Warn: m_request.verbosity = Verbosity::Warn; SetVerification(L"--warn"); break;
        case OptionId::Strict: m_request.strict = true; SetVerification(L"--strict"); break;
        case OptionId::IgnoreMissing: m_request.ignoreMissing = true; SetVerification(L"--ignore-missing"); break;
        case OptionId::RequireSignature: m_request.requireSignature = true; SetVerification(L"--require-signature"); break;
        case OptionId::Help: m_request.command = Command::Help; break;
        case OptionId::Version: m_request.command = Command::Version; break;
        }
    }

    // What each command needs and what it does not take, in coreutils' words where it has them.
    void CheckCombination()
    {
        const Command command = m_request.command;
        const size_t operands = m_request.operands.size();
        if (command == Command::Window)
            return Fail(L"no command given: --check, --verify or --hash");
        if (command != Command::Hash && m_request.tag)
            return Fail(L"the --tag option is meaningless when verifying checksums");
        if (command != Command::Hash && m_algorithmGiven)
            return Fail(L"the --algorithm option is meaningful only with --hash");
        if (command == Command::Hash && !m_verificationOption.empty())
            return Fail(L"the " + m_verificationOption + L" option is meaningful only when verifying checksums");
        if (command != Command::Check && m_request.requireSignature)
            return Fail(L"the --require-signature option is meaningful only with --check");
        if (operands == 0 || (command == Command::Verify && operands == 1))
            return Fail(L"missing operand");
        if (command == Command::Verify && operands > 2)
            return Fail(L"extra operand " + Quoted(m_request.operands[2]));
    }

    const std::vector<std::wstring>& m_arguments;
    size_t m_next = 0;
    CommandRequest m_request;
    bool m_algorithmGiven = false;
    std::wstring m_verificationOption;
};

}

bool AsksForCommandLine(const std::vector<std::wstring>& arguments)
{
    for (const std::wstring& argument : arguments) {
        if ((argument.size() > 1 && argument[0] == L'-') || argument == L"/?")
            return true;
    }
    return false;
}

CommandRequest ParseCommandLine(const std::vector<std::wstring>& arguments)
{
    return CParser(arguments).Parse();
}

std::vector<std::wstring> SplitArguments(const wchar_t* commandLine)
{
    std::vector<std::wstring> arguments;
    int count = 0;
    // CommandLineToArgvW reads an empty line as the program's own path alone.
    wchar_t** split = commandLine != nullptr && *commandLine != L'\0' ? CommandLineToArgvW(commandLine, &count) : nullptr;
    if (split == nullptr)
        return arguments;
    for (int index = 1; index < count; ++index)
        arguments.push_back(split[index]);
    LocalFree(split);
    return arguments;
}

}
