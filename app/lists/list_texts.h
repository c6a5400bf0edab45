#ifndef VESTIGON_LIST_TEXTS_H
#define VESTIGON_LIST_TEXTS_H

#include "lists/list_results.h"

#include <string>

// The words of the list window and of its open dialog, from the [LIST_WINDOW] section of the
// current language file, read when a list window opens.
namespace lists {

struct ListTexts
{
    std::wstring title;
    std::wstring columnName, columnResult, columnDigest, columnSize;
    std::wstring resultOk, resultDiffers, resultMissing, resultUnreadable;
    std::wstring copyButton;
    std::wstring filterLists, filterAll;
    std::wstring cannotRead;   // the list file itself cannot be read; "%s" stands for its path
    SummaryWords summary;

    const std::wstring& ResultText(Result result) const;
};

ListTexts ReadListTexts(const wchar_t* languageFilePath);

// The open dialog's filter: checksum lists first, then all files, as pairs of a display name
// and its patterns, each ended by a null, the whole ended by a second null.
std::wstring MakeListFilter(const ListTexts& texts);

}

#endif
