#include "signatures/signature_finder.h"

#include "checksums/checksum_text.h"
#include "checksums/file_names.h"

namespace signatures {

namespace {

const wchar_t* const ListSignatureSuffixes[] = {L".sign", L".gpg", L".asc", L".sig", L".minisig"};
const wchar_t* const FileSignatureSuffixes[] = {L".sig", L".asc", L".gpg", L".minisig"};
const wchar_t KeysName[] = L"KEYS";
const wchar_t ArmouredSuffix[] = L".asc";
const wchar_t MinisignKeySuffix[] = L".pub";
const char PublicKeyBlock[] = "-----BEGIN PGP PUBLIC KEY BLOCK-----";

std::wstring NameOf(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name)
{
    return folder.empty() ? name : folder + L"\\" + name;
}

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& suffix)
{
    return text.size() > suffix.size() &&
           checksums::SamePathIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

bool HoldsPublicKeyBlock(const std::string& bytes)
{
    return bytes.find(PublicKeyBlock) != std::string::npos;
}

// The files of the folder named `name` plus one of the suffixes, in the suffixes' order.
template <size_t Count>
std::vector<std::wstring> FindBySuffix(const std::wstring& path, const wchar_t* const (&suffixes)[Count])
{
    const std::wstring folder = FolderOf(path);
    const std::wstring name = NameOf(path);
    const std::vector<std::wstring> files = checksums::ListFolderFiles(folder.empty() ? L"." : folder);
    std::vector<std::wstring> found;
    for (const wchar_t* suffix : suffixes)
        for (const std::wstring& file : files)
            if (checksums::SamePathIgnoringCase(file, name + suffix))
                found.push_back(Joined(folder, file));
    return found;
}

}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::vector<std::wstring> FindListSignatureFiles(const std::wstring& listPath)
{
    return FindBySuffix(listPath, ListSignatureSuffixes);
}

std::vector<std::wstring> FindFileSignatureFiles(const std::wstring& filePath)
{
    std::vector<std::wstring> found;
    for (const std::wstring& path : FindBySuffix(filePath, FileSignatureSuffixes)) {
        std::string bytes;
        if (!EndsWithIgnoringCase(path, ArmouredSuffix) ||
            (checksums::ReadFileBytes(path, MaxSignatureFileBytes, bytes) && !HoldsPublicKeyBlock(bytes)))
            found.push_back(path);
    }
    return found;
}

void AddKeysBeside(const std::wstring& folder, CKeyring& keyring)
{
    size_t read = 0;
    for (const std::wstring& file : checksums::ListFolderFiles(folder.empty() ? L"." : folder)) {
        const bool keysFile = checksums::SamePathIgnoringCase(file, KeysName);
        const bool openPgp = keysFile || EndsWithIgnoringCase(file, ArmouredSuffix);
        const bool minisign = EndsWithIgnoringCase(file, MinisignKeySuffix);
        std::string bytes;
        if ((!openPgp && !minisign) || read >= MaxKeyFilesBeside ||
            !checksums::ReadFileBytes(Joined(folder, file), MaxKeyFileBytes, bytes))
            continue;
        ++read;
        bool damaged = false;
        if (openPgp && (keysFile || HoldsPublicKeyBlock(bytes)))
            keyring.AddKeys(ReadCertifiedKeys(bytes, KeyOrigin::Beside, damaged));
        else if (minisign)
            keyring.AddMinisignKeys(ReadMinisignKeys(bytes), KeyOrigin::Beside);
    }
}

}
