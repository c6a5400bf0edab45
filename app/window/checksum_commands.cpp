#include "window/checksum_commands.h"

#include "checksums/checksum_writer.h"
#include "settings/profile_files.h"
#include "vrok_data/vrok_string.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_messagebox.h"

#include <cstring>

using vrok::persistence::file::CFile;

namespace checksumcommands {

namespace {

const wchar_t BoxCaption[] = L"Vestigon";

// True when the file exists and holds exactly these bytes.
bool HoldsExactly(const std::wstring& path, const std::string& bytes)
{
    CFile file;
    if (!file.OpenForReading(path.c_str()))
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.GetHandle(), &size) || size.QuadPart != static_cast<LONGLONG>(bytes.size()))
        return false;
    std::string content(bytes.size(), '\0');
    DWORD read = 0;
    return ReadFile(file.GetHandle(), &content[0], static_cast<DWORD>(content.size()), &read, nullptr) &&
           read == content.size() && content == bytes;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(vrok::persistence::file::ToLongPathForm(path.c_str()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring ReadSentence(const wchar_t* key, const wchar_t* programFolder)
{
    const std::wstring languageFile = GetLanguageFilePath(programFolder);
    if (languageFile.empty())
        return std::wstring();
    return ReadProfileString(languageFile.c_str(), profile::SectionSentences, key, profile::SentenceBufferLength);
}

std::wstring ReadMessage(const wchar_t* key, const wchar_t* programFolder)
{
    const std::wstring languageFile = GetLanguageFilePath(programFolder);
    return languageFile.empty() ? std::wstring() : ReadProfileString(languageFile.c_str(), profile::SectionMessages, key);
}

bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            checksums::Algorithm algorithm, const wchar_t* programFolder)
{
    const std::wstring target = checksums::ChecksumFilePathFor(filePath, algorithm);
    const std::string bytes = checksums::ChecksumFileBytes(digest, FileNameOf(filePath));
    if (HoldsExactly(target, bytes))
        return true;
    if (Exists(target)) {
        const std::wstring question = vrok::data::type::string::FillIn(
            ReadMessage(profile::KeyReplaceQuestion, programFolder), L"%s", {FileNameOf(target)});
        vrok::user::messagebox::CModalScope box;
        if (MessageBoxW(owner, question.c_str(), BoxCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    if (checksums::ReplaceFileContent(target, bytes))
        return true;
    vrok::user::messagebox::ShowPathErrorText(ReadMessage(profile::KeyCannotWrite, programFolder), target.c_str());
    return false;
}

}
