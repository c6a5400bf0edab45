#ifndef VROK_USER_ARGUMENTLIST_H
#define VROK_USER_ARGUMENTLIST_H

#include "vrok_data/vrok_doublylinkedlist.h"
#include "vrok_data/vrok_string.h"

namespace vrok { namespace main {

// The command line split into strings by the program's own rule: a double quote pairs with
// the next double quote and a blank with the next blank, and the text strictly between the
// pair is an element. Text in front of the first delimiter is never taken unless the line holds
// no delimiter at all; an unpaired last delimiter takes the rest of the line. Only the double
// quote and the blank are delimiters; a tab is ordinary text.
//
// The program uses the first element: the file shown at start.
class CArgumentList : public data::structure::linkedlist::CDoublyLinkedList<data::type::string::CString>
{
public:
    CArgumentList() = default;
    ~CArgumentList() override = default;

    // Appends the elements of the text. Does nothing on a list that has elements already, or on
    // an empty or null text.
    void Parse(const wchar_t* commandLine);

    // Cuts the trailing delimiters of an element of two characters or more; its first character
    // is never looked at, so an element that is all delimiters after it stays as it is.
    static void TrimTrailingDelimiters(data::type::string::CString& element);

    // Drops the leading delimiters of an element, unless it is all delimiters.
    static void TrimLeadingDelimiters(data::type::string::CString& element);

private:
    static bool IsDelimiter(wchar_t character);
};

}}

#endif
