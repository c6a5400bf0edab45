#include "window/checksum_commands.h"

#include "checksums/checksum_writer.h"
#include "settings/profile_files.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_longpath.h"
#include "vrok_user/vrok_messagebox.h"

#include <cstring>

using vrok::persistence::file::CFile;

namespace checksumcommands {

namespace {

const wchar_t BoxCaption[] = L"Vestigon";
const wchar_t ChecksumFileSuffix[] = L".md5";

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

std::wstring FillIn(const std::wstring& text, std::initializer_list<std::wstring> names)
{
    std::wstring filled;
    const std::wstring* name = names.begin();
    size_t start = 0;
    for (size_t mark; (mark = text.find(L"%s", start)) != std::wstring::npos; start = mark + 2) {
        filled.append(text, start, mark - start);
        if (name != names.end())
            filled += *name++;
    }
    return filled + text.substr(start);
}

bool PutTextOnClipboard(HWND owner, const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    void* target = GlobalLock(memory);
    if (target == nullptr || !OpenClipboard(owner)) {
        if (target != nullptr)
            GlobalUnlock(memory);
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    // Once the clipboard takes the memory it is the clipboard's to free.
    const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!taken)
        GlobalFree(memory);
    return taken;
}

bool SaveChecksumFileBeside(HWND owner, const std::wstring& filePath, const std::wstring& digest,
                            const wchar_t* programFolder)
{
    const std::wstring target = filePath + ChecksumFileSuffix;
    const std::string bytes = checksums::ChecksumFileBytes(digest, FileNameOf(filePath));
    if (HoldsExactly(target, bytes))
        return true;
    if (Exists(target)) {
        const std::wstring question = FillIn(ReadMessage(profile::KeyReplaceQuestion, programFolder), {FileNameOf(target)});
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
