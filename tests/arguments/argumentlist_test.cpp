#include "vrok_user/vrok_argumentlist.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vrok::data::type::string::CString;
using vrok::main::CArgumentList;
using Elements = std::vector<std::wstring>;

namespace {

Elements ElementsOf(CArgumentList& list)
{
    Elements elements;
    for (CString* element = list.MoveFirst(); element; element = list.MoveNext())
        elements.push_back(*element);
    EXPECT_EQ(static_cast<int>(elements.size()), list.GetCount());
    return elements;
}


}

TEST(ArgumentList, SplitsCommandLinesAsTheWorkedTableSays)
{
    const struct { const wchar_t* commandLine; Elements elements; } rows[] = {
        { L"", {} },
        { nullptr, {} },
        { L"C:\\Data\\file.iso", { L"C:\\Data\\file.iso" } },
        { L"\"C:\\Data\\my file.iso\"", { L"C:\\Data\\my file.iso" } },
        { L"C:\\Data\\my file.iso", { L"file.iso" } },
        { L"\"a b\" \"c d\"", { L"a b", L"c", L"" } },
        { L"\"  a  \"", { L"a" } },
        // An unpaired last delimiter takes the rest, untrimmed; only quote and blank delimit.
        { L"\"C:\\my file.iso", { L"C:\\my file.iso" } },
        { L"C:\\a\tb.iso", { L"C:\\a\tb.iso" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.commandLine ? testsupport::Narrow(row.commandLine) : "(null)");
        CArgumentList list;
        list.Parse(row.commandLine);
        EXPECT_EQ(ElementsOf(list), row.elements);
    }
}
