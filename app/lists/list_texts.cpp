#include "lists/list_texts.h"

#include "checksums/algorithm_names.h"
#include "settings/language_texts.h"

namespace lists {

namespace {

const wchar_t Section[] = L"LIST_WINDOW";
const int TextBufferLength = 100;

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
    texts.title = Read(file, L"title");
    texts.columnName = Read(file, L"column_name");
    texts.columnResult = Read(file, L"column_result");
    texts.columnDigest = Read(file, L"column_digest");
    texts.columnSize = Read(file, L"column_size");
    texts.resultOk = Read(file, L"result_ok");
    texts.resultDiffers = Read(file, L"result_differs");
    texts.resultMissing = Read(file, L"result_missing");
    texts.resultUnreadable = Read(file, L"result_unreadable");
    texts.copyButton = Read(file, L"copy_results");
    texts.filterLists = Read(file, L"filter_lists");
    texts.filterAll = Read(file, L"filter_all");
    texts.cannotRead = Read(file, L"cannot_read");
    texts.summary.ok = Read(file, L"count_ok");
    texts.summary.differs = Read(file, L"count_differs");
    texts.summary.missing = Read(file, L"count_missing");
    texts.summary.unreadable = Read(file, L"count_unreadable");
    texts.summary.pending = Read(file, L"count_pending");
    texts.summary.otherLines = Read(file, L"count_other_lines");
    texts.summary.noLines = Read(file, L"no_lines");
    texts.summary.stopped = Read(file, L"stopped");
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
