#include "vrok_user/vrok_argumentlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vrok::data::type::string::CString;
using vrok::main::CArgumentList;

namespace {

std::vector<std::wstring> Elements(CArgumentList& list)
{
    std::vector<std::wstring> elements;
    for (CString* element = list.MoveFirst(); element; element = list.MoveNext())
        elements.push_back(*element);
    return elements;
}

std::vector<std::wstring> Split(const wchar_t* commandLine)
{
    CArgumentList list;
    list.Parse(commandLine);
    std::vector<std::wstring> elements = Elements(list);
    EXPECT_EQ(static_cast<int>(elements.size()), list.GetCount()) << "count of " << commandLine;
    return elements;
}

struct SplitCase
{
    const wchar_t* commandLine;
    std::vector<std::wstring> elements;
};

// An element that counts how many of its kind are alive, to see that clearing frees them all.
struct CCounted
{
    static int alive;
    CCounted() { ++alive; }
    ~CCounted() { --alive; }
};
int CCounted::alive = 0;

}

TEST(ArgumentList, SplitsCommandLinesAsTheWorkedTableSays)
{
    const SplitCase cases[] = {
        {L"", {}},
        {L"C:\\Data\\file.iso", {L"C:\\Data\\file.iso"}},
        {L"\"C:\\Data\\my file.iso\"", {L"C:\\Data\\my file.iso"}},
        {L"C:\\Data\\my file.iso", {L"file.iso"}},
        {L"\"a b\" \"c d\"", {L"a b", L"c", L""}},
        {L"\"  a  \"", {L"a"}},
    };
    for (const SplitCase& row : cases)
        EXPECT_EQ(Split(row.commandLine), row.elements) << "command line: " << row.commandLine;
}

TEST(ArgumentList, UnpairedLastDelimiterTakesTheRestUntrimmed)
{
    EXPECT_EQ(Split(L"\"C:\\my file.iso"), std::vector<std::wstring>{L"C:\\my file.iso"});
    // The blank after "a" pairs with nothing, so the rest keeps its quote.
    EXPECT_EQ(Split(L"\"a\" \"bc"), (std::vector<std::wstring>{L"a", L"\"bc"}));
    // Text between a closing quote and the next delimiter is skipped; the trailing blank pairs
    // with nothing and gives an empty last element.
    EXPECT_EQ(Split(L"\"a\"skipped\"b\" "), (std::vector<std::wstring>{L"a", L"b", L""}));
    EXPECT_EQ(Split(L"\""), std::vector<std::wstring>{L""});
    EXPECT_EQ(Split(L"file "), std::vector<std::wstring>{L""});
}

TEST(ArgumentList, OnlyQuoteAndBlankDelimit)
{
    EXPECT_EQ(Split(L"C:\\a\tb.iso"), std::vector<std::wstring>{L"C:\\a\tb.iso"});
    EXPECT_EQ(Split(L"\"\ta\t\""), std::vector<std::wstring>{L"\ta\t"});
    EXPECT_EQ(Split(nullptr), std::vector<std::wstring>{});
}

TEST(ArgumentList, TrimmingLeavesFirstCharacterAndAllDelimiterTexts)
{
    const struct { const wchar_t* before; const wchar_t* trailing; const wchar_t* leading; } cases[] = {
        {L"a  ", L"a  ", L"a  "},       // index 0 is never examined by the trailing trim
        {L"ab  ", L"ab", L"ab  "},
        {L"  ", L"  ", L"  "},          // all delimiters: both leave it
        {L" \"x\" ", L" \"x", L"x\" "},
        {L"", L"", L""},
        {L"x", L"x", L"x"},
    };
    for (const auto& row : cases) {
        CString trailing(row.before);
        CArgumentList::TrimTrailingDelimiters(trailing);
        EXPECT_EQ(trailing, std::wstring(row.trailing)) << "trailing trim of [" << row.before << "]";
        CString leading(row.before);
        CArgumentList::TrimLeadingDelimiters(leading);
        EXPECT_EQ(leading, std::wstring(row.leading)) << "leading trim of [" << row.before << "]";
    }
}

TEST(ArgumentList, ParseOnAFilledListChangesNothing)
{
    CArgumentList list;
    list.Parse(L"\"first file\"");
    list.Parse(L"\"second\" \"third\"");
    EXPECT_EQ(Elements(list), std::vector<std::wstring>{L"first file"});
    EXPECT_EQ(list.GetCount(), 1);

    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.MoveFirst(), nullptr);
    list.Parse(L"again");
    EXPECT_EQ(Elements(list), std::vector<std::wstring>{L"again"});
}

TEST(DoublyLinkedList, ClearAndDestructionFreeEveryElement)
{
    using List = vrok::data::structure::linkedlist::CDoublyLinkedList<CCounted>;
    {
        List list;
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(list.Add(new CCounted));
        EXPECT_EQ(CCounted::alive, 3);
        EXPECT_EQ(list.GetCount(), 3);
        list.Clear();
        EXPECT_EQ(CCounted::alive, 0);
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(list.MoveFirst(), nullptr);

        list.Add(new CCounted);
        list.Add(new CCounted);
    }
    EXPECT_EQ(CCounted::alive, 0);
}

TEST(DoublyLinkedList, AddLinksAfterTheCursor)
{
    vrok::data::structure::linkedlist::CDoublyLinkedList<CString> list;
    list.Add(new CString(L"a"));
    list.Add(new CString(L"c"));
    list.MoveFirst();
    list.Add(new CString(L"b"));
    EXPECT_EQ(*list.Current(), std::wstring(L"b"));
    std::wstring forward;
    for (CString* element = list.MoveFirst(); element; element = list.MoveNext())
        forward += *element;
    EXPECT_EQ(forward, L"abc");
}
