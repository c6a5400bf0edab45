#include "lists/list_texts.h"

#include "checksums/algorithm_names.h"
#include "settings/language_texts.h"

namespace lists {

namespace {

const wchar_t Section[] = L"LIST_WINDOW";
const int TextBufferLength = 100;

// Where each text is kept, under its key in the section.
template <typename Texts>
struct CTextKey
{
    std::wstring Texts::*field;
    const wchar_t* key;
};
const CTextKey<ListTexts> WindowTexts[] = {
    {&ListTexts::title, L"title"}, {&ListTexts::columnName, L"column_name"},
    {&ListTexts::columnResult, L"column_result"}, {&ListTexts::columnDigest, L"column_digest"},
    {&ListTexts::columnSize, L"column_size"}, {&ListTexts::resultOk, L"result_ok"},
    {&ListTexts::resultDiffers, L"result_differs"}, {&ListTexts::resultMissing, L"result_missing"},
    {&ListTexts::resultUnreadable, L"result_unreadable"}, {&ListTexts::copyButton, L"copy_results"},
    {&ListTexts::filterLists, L"filter_lists"}, {&ListTexts::filterAll, L"filter_all"},
    {&ListTexts::cannotRead, L"cannot_read"},
};
const CTextKey<SummaryWords> SummaryTexts[] = {
    {&SummaryWords::ok, L"count_ok"}, {&SummaryWords::differs, L"count_differs"},
    {&SummaryWords::missing, L"count_missing"}, {&SummaryWords::unreadable, L"count_unreadable"},
    {&SummaryWords::pending, L"count_pending"}, {&SummaryWords::otherLines, L"count_other_lines"},
    {&SummaryWords::noLines, L"no_lines"}, {&SummaryWords::stopped, L"stopped"},
};

std::wstring Read(const wchar_t* file, const wchar_t* key)
{
    return languagetexts::ReadLanguageText(file, Section, key, TextBufferLength);
}

}

const std::wstring& ListTexts::ResultText(Result result) const
{
    static const std::wstring none;
    switch (result) {
    case Result::Ok: return resultOk;
    case Result::Differs: return resultDiffers;
    case Result::Missing: return resultMissing;
    case Result::Unreadable: return resultUnreadable;
    default: return none;
    }
}

ListTexts ReadListTexts(const wchar_t* file)
{
    ListTexts texts;
    for (const auto& text : WindowTexts)
        texts.*text.field = Read(file, text.key);
    for (const auto& word : SummaryTexts)
        texts.summary.*word.field = Read(file, word.key);
    return texts;
}

std::wstring MakeListFilter(const ListTexts& texts)
{
    std::wstring filter;
    filter += texts.filterLists + L" (" + checksums::ListFilePatterns + L")";
    filter += L'\0';
    filter += checksums::ListFilePatterns;
    filter += L'\0';
    filter += texts.filterAll + L" (*.*)";
    filter += L'\0';
    filter += L"*.*";
    filter += L'\0';
    return filter;
}

}
