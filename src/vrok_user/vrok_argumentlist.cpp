#include "vrok_user/vrok_argumentlist.h"

#include <new>

namespace vrok { namespace main {

using data::type::string::CString;

namespace {

const wchar_t Quote = L'"';
const wchar_t Blank = L' ';
const wchar_t* const Delimiters = L"\" ";

}

bool CArgumentList::IsDelimiter(wchar_t character)
{
    return character == Quote || character == Blank;
}

void CArgumentList::Parse(const wchar_t* commandLine)
{
    if (!IsEmpty() || !commandLine || !*commandLine)
        return;

    const CString text(commandLine);
    const CString::size_type length = text.size();
    CString::size_type position = text.FindAnyOf(Delimiters);
    if (position == CString::NotFound) {
        Add(new CString(text));
        return;
    }

    while (position != CString::NotFound && position < length) {
        const wchar_t delimiter = text[position];
        const CString::size_type partner = text.FindCharacter(delimiter, position + 1);
        if (partner == CString::NotFound) {
            // An unpaired delimiter: the rest of the line is the last element, as it stands.
            Add(new CString(text.Substring(position + 1)));
            return;
        }
        CString* element = new CString(text.Substring(position + 1, partner - position - 1));
        TrimTrailingDelimiters(*element);
        TrimLeadingDelimiters(*element);
        Add(element);
        position = text.FindAnyOf(Delimiters, partner + 1);
    }
}

void CArgumentList::TrimTrailingDelimiters(CString& element)
{
    const int length = element.Length();
    if (length < 2)
        return;
    for (int i = length - 1; i >= 1; --i) {
        if (!IsDelimiter(element[i])) {
            if (i < length - 1)
                element.erase(i + 1);
            return;
        }
    }
}

void CArgumentList::TrimLeadingDelimiters(CString& element)
{
    const int length = element.Length();
    int i = 0;
    while (i < length && IsDelimiter(element[i]))
        ++i;
    if (0 < i && i < length)
        element.erase(0, i);
}

}}
