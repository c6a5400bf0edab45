#include "window/checksum_commands.h"

#include "checksums/file_names.h"
#include "settings/language_texts.h"

#include "checksums/checksum_writer.h"
#include "settings/profile_files.h"
#include "vrok_data/vrok_string.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_messagebox.h"

namespace checksumcommands {

namespace {

const wchar_t BoxCaption[] = L"Vestigon";

// True when the file exists and holds exactly these bytes.
bool HoldsExactly(const std::wstring& path, const std::string& bytes)
{
    std::string content;
    return checksums::ReadFileBytes(path, bytes.size(), content) && content == bytes;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(vrok::persistence::file::ToLongPathForm(path.c_str()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}

bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            checksums::Algorithm algorithm, const wchar_t* programFolder)
{
    const std::wstring target = checksums::ChecksumFilePathFor(filePath, algorithm);
    const std::string bytes = checksums::ChecksumFileBytes(digest, checksums::FileNameOf(filePath));
    if (HoldsExactly(target, bytes))
        return true;
    if (Exists(target)) {
        const std::wstring question = vrok::data::type::string::FillIn(
            languagetexts::ReadMessage(profile::KeyReplaceQuestion, programFolder), L"%s", {checksums::FileNameOf(target)});
        vrok::user::messagebox::CModalScope box;
        if (MessageBoxW(owner, question.c_str(), BoxCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    if (checksums::ReplaceFileContent(target, bytes))
        return true;
    vrok::user::messagebox::ShowPathErrorText(languagetexts::ReadMessage(profile::KeyCannotWrite, programFolder), target.c_str());
    return false;
}

}
