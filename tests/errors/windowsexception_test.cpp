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

TEST(WindowsException, NullSourcePathLeavesTheRestComplete)
{
    SetLastError(ERROR_ACCESS_DENIED);
    const CWindowsException exception(nullptr, "The window has been created before !", 211);
    EXPECT_EQ(nullptr, exception.GetSourcePath());
    EXPECT_STREQ("The window has been created before !", exception.what());
    EXPECT_EQ(211, exception.GetLine());
    EXPECT_EQ(static_cast<unsigned>(ERROR_ACCESS_DENIED), exception.GetCode());
}

TEST(WindowsException, CopyOwnsItsOwnSourcePathAndKeepsEverythingElse)
{
    SetLastError(ERROR_INVALID_HANDLE);
    CWindowsException* original =
        new CWindowsException("..\\src\\vrok_user\\vrok_basewindow", "Registering failed !", 259);
    const CWindowsException copy(*original);
    EXPECT_NE(original->GetSourcePath(), copy.GetSourcePath());
    delete original;  // the copy must not share anything with it
    EXPECT_STREQ("..\\src\\vrok_user\\vrok_basewindow", copy.GetSourcePath());
    EXPECT_STREQ("Registering failed !", copy.what());
    EXPECT_EQ(259, copy.GetLine());
    EXPECT_EQ(static_cast<unsigned>(ERROR_INVALID_HANDLE), copy.GetCode());
    EXPECT_GT(std::wcslen(copy.GetText()), 0u);
}

TEST(WindowsException, CaughtAsStandardExceptionOrAsWindowsError)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    try {
        throw CWindowsException("..\\src\\vrok_user\\vrok_main", "Pointer to the main window is not saved.", 146);
    } catch (const std::exception& caught) {
        EXPECT_STREQ("Pointer to the main window is not saved.", caught.what());
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    try {
        throw CWindowsException("..\\src\\vrok_user\\vrok_main", "lost", 146);
    } catch (const CWindowsError& caught) {
        EXPECT_EQ(static_cast<unsigned>(ERROR_FILE_NOT_FOUND), caught.GetCode());
    }
}

TEST(WindowsError, StartsEmptyAndCapturesTheSystemText)
{
    CWindowsError error;
    EXPECT_EQ(0u, error.GetCode());
    EXPECT_STREQ(L"", error.GetText());
    SetLastError(ERROR_FILE_NOT_FOUND);
    error.CaptureLastError();
    EXPECT_EQ(static_cast<unsigned>(ERROR_FILE_NOT_FOUND), error.GetCode());
    EXPECT_GT(std::wcslen(error.GetText()), 0u);
    // A code without system text leaves the text empty, not the previous message.
    SetLastError(0x2000FFFFu);
    error.CaptureLastError();
    EXPECT_EQ(0x2000FFFFu, error.GetCode());
    EXPECT_STREQ(L"", error.GetText());
}
