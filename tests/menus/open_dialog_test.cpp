// The open-file dialog record: what a new one holds, and a real dialog run on it.

#include "menu_test_support.h"
#include "vrok_user/vrok_stddialog.h"

#include <gtest/gtest.h>

#include <string>

using vrok::user::dialog::stddialog::CStdDialogOpenFile;

namespace {

const int FileNameEdit = 0x480;  // edt1
const int FileNameCombo = 0x47c; // cmb13
const int FilterCombo = 0x470;   // cmb1

TEST(OpenFileDialog, ANewRecordIsReadyToRunWithOnlyItsBuffers)
{
    CStdDialogOpenFile dialog;
    EXPECT_EQ(sizeof(OPENFILENAMEW), static_cast<size_t>(dialog.lStructSize));
    EXPECT_EQ(GetModuleHandleW(nullptr), dialog.hInstance);
    EXPECT_EQ(dialog.FilePath(), dialog.lpstrFile);
    EXPECT_EQ(260u, static_cast<unsigned>(dialog.nMaxFile));
    EXPECT_EQ(dialog.FileTitle(), dialog.lpstrFileTitle);
    EXPECT_EQ(256u, static_cast<unsigned>(dialog.nMaxFileTitle));
    EXPECT_STREQ(L"", dialog.FilePath());
    EXPECT_STREQ(L"", dialog.FileTitle());
    EXPECT_EQ(nullptr, dialog.hwndOwner);
    EXPECT_EQ(nullptr, dialog.lpstrFilter);
    EXPECT_EQ(nullptr, dialog.lpstrInitialDir);
    EXPECT_EQ(nullptr, dialog.lpstrTitle);
    EXPECT_EQ(0u, static_cast<unsigned>(dialog.Flags));
    EXPECT_EQ(0u, static_cast<unsigned>(dialog.nFilterIndex));
    EXPECT_EQ(nullptr, dialog.lpfnHook);
}

// What the thread timer does with the dialog once it is open.
struct CDialogScript
{
    std::wstring fileToChoose; // empty: cancel
    bool seen = false;
    std::wstring filterShown;
};

CDialogScript* g_script = nullptr;

BOOL CALLBACK FindOpenDialog(HWND window, LPARAM found)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOpenDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || g_script == nullptr || g_script->seen)
        return;
    KillTimer(nullptr, timer);
    g_script->seen = true;
    wchar_t filter[64] = {};
    GetDlgItemTextW(dialog, FilterCombo, filter, 64);
    g_script->filterShown = filter;
    if (g_script->fileToChoose.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (GetDlgItem(dialog, FileNameEdit) != nullptr)
        SetDlgItemTextW(dialog, FileNameEdit, g_script->fileToChoose.c_str());
    else
        SetDlgItemTextW(dialog, FileNameCombo, g_script->fileToChoose.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// Runs the dialog as the open command does, with a filter and nothing else; a watchdog ends a
// dialog that the script could not drive.
BOOL RunDialog(CStdDialogOpenFile& dialog, CDialogScript& script)
{
    dialog.lpstrFilter = L"Tous les fichiers\0*.*\0";
    g_script = &script;
    const UINT_PTR driver = SetTimer(nullptr, 0, 200, DriveDialog);
    const BOOL chosen = GetOpenFileNameW(&dialog);
    KillTimer(nullptr, driver);
    g_script = nullptr;
    return chosen;
}

TEST(OpenFileDialog, AChosenFileLandsInTheFileBuffer)
{
    testsupport::CTemporaryFolder folder;
    const std::wstring path = folder.WriteFile(L"chosen \u00e9t\u00e9.bin", "data");
    CStdDialogOpenFile dialog;
    CDialogScript script;
    script.fileToChoose = path;
    EXPECT_TRUE(RunDialog(dialog, script));
    EXPECT_TRUE(script.seen);
    EXPECT_EQ(L"Tous les fichiers", script.filterShown);
    EXPECT_EQ(path, dialog.FilePath());
    EXPECT_STREQ(L"chosen \u00e9t\u00e9.bin", dialog.FileTitle());
}

TEST(OpenFileDialog, CancelReturnsFalseAndLeavesTheBufferEmpty)
{
    CStdDialogOpenFile dialog;
    CDialogScript script;
    EXPECT_FALSE(RunDialog(dialog, script));
    EXPECT_TRUE(script.seen);
    EXPECT_STREQ(L"", dialog.FilePath());
}

}
