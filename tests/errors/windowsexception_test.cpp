#include "vrok_user/vrok_windowsexception.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

using vrok::user::windowsexception::CWindowsError;
using vrok::user::windowsexception::CWindowsException;

TEST(WindowsException, KeepsMessageSourceLineAndLastError)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    const CWindowsException exception("..\\src\\vrok_user\\vrok_main", "Pointer lost", 146);
    EXPECT_STREQ("Pointer lost", exception.what());
    EXPECT_STREQ("..\\src\\vrok_user\\vrok_main", exception.GetSourcePath());
    EXPECT_EQ(146, exception.GetLine());
    EXPECT_EQ(static_cast<unsigned>(ERROR_FILE_NOT_FOUND), exception.GetCode());
    EXPECT_GT(std::wcslen(exception.GetText()), 0u);
}
