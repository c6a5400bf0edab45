#include "cli/usage_texts.h"

#include "vestigon_version.h"

namespace cli {

void ReportUsageError(const std::wstring& problem, CConsoleOutput& output)
{
    output.Warn(problem + L"\nTry '" + CConsoleOutput::ProgramName + L" --help' for more information.");
}

std::wstring HelpText()
{
    return L"Usage: vestigon [FILE]\n"
           L"  or:  vestigon --check [OPTION]... LIST...\n"
           L"  or:  vestigon --verify [OPTION]... FILE DIGEST\n"
           L"  or:  vestigon --hash [--algorithm NAME] [--tag] FILE...\n"
           L"Without an option the window opens, hashing FILE when one is given.\n"
           L"\n"
           L"  -c, --check           check the files each checksum LIST names, each line by its\n"
           L"                        own algorithm (MD5, SHA-1, SHA-2, BLAKE2b); names are\n"
           L"                        found beside the LIST\n"
           L"      --verify          check FILE against DIGEST, whose length gives the algorithm\n"
           L"      --hash            print the checksum line of each FILE (wildcards expanded)\n"
           L"  -a, --algorithm=NAME  md5, sha1, sha224, sha256 (the default), sha384, sha512\n"
           L"                        or blake2b, for --hash\n"
           L"      --tag             print BSD-style checksum lines, for --hash\n"
           L"\n"
           L"The following options are useful only when verifying checksums:\n"
           L"      --ignore-missing  don't fail or report status for missing files\n"
           L"      --quiet           don't print OK for each successfully verified file\n"
           L"      --status          don't output anything, status code shows success\n"
           L"      --strict          exit non-zero for improperly formatted checksum lines\n"
           L"  -w, --warn            warn about improperly formatted checksum lines\n"
           L"      --require-signature  fail unless the LIST's signature holds with a shipped or\n"
           L"                        added publisher's key, and tell who signed it\n"
           L"\n"
           L"      --help            display this help and exit\n"
           L"      --version         output version information and exit\n"
           L"\n"
           L"Exit status: 0 when every file is OK, 1 when any is not or cannot be read,\n"
           L"2 for a wrong option or a missing argument.\n";
}

std::wstring VersionText()
{
    return L"vestigon " VESTIGON_PRODUCT_VERSION_TEXT L"\n";
}

}
