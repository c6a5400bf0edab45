#include "settings/language_texts.h"

namespace languagetexts {

namespace {

std::wstring ReadCurrentLanguageText(const wchar_t* section, const wchar_t* key, int length,
                                     const wchar_t* programFolder)
{
    const std::wstring languageFile = GetLanguageFilePath(programFolder);
    return ReadLanguageText(languageFile.c_str(), section, key, length);
}

}

std::wstring ReadLanguageText(const wchar_t* languageFilePath, const wchar_t* section, const wchar_t* key,
                              int length)
{
    if (languageFilePath == nullptr || *languageFilePath == L'\0')
        return std::wstring();
    return ReadProfileString(languageFilePath, section, key, length);
}

std::wstring ReadSentence(const wchar_t* key, const wchar_t* programFolder)
{
    return ReadCurrentLanguageText(profile::SectionSentences, key, profile::SentenceBufferLength, programFolder);
}

std::wstring ReadMessage(const wchar_t* key, const wchar_t* programFolder)
{
    return ReadCurrentLanguageText(profile::SectionMessages, key, profile::ValueBufferLength, programFolder);
}

}
