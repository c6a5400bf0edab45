// The open-file dialog record: what a new one holds, and the platform's dialog run on it.

#include "vrok_user/vrok_stddialog.h"
#include "test_files.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>

using vrok::user::dialog::stddialog::CStdDialogOpenFile;

namespace {

TEST(OpenFileDialog, ANewRecordHoldsOnlyItsBuffers)
{
    CStdDialogOpenFile dialog;
    EXPECT_EQ(sizeof(OPENFILENAMEW), static_cast<size_t>(dialog.lStructSize));
    EXPECT_EQ(GetModuleHandleW(nullptr), dialog.hInstance);
    EXPECT_EQ(dialog.FilePath(), dialog.lpstrFile);
    EXPECT_EQ(260u, static_cast<unsigned>(dialog.nMaxFile));
    EXPECT_EQ(dialog.FileTitle(), dialog.lpstrFileTitle);
    EXPECT_EQ(256u, static_cast<unsigned>(dialog.nMaxFileTitle));
    EXPECT_STREQ(L"", dialog.FilePath());
    EXPECT_EQ(nullptr, dialog.hwndOwner);
    EXPECT_EQ(nullptr, dialog.lpstrFilter);
    EXPECT_EQ(0u, static_cast<unsigned>(dialog.Flags));
}

// What a thread timer does with the dialog once it is open: reads its filter, then types the
// file's path and presses OK, or cancels when there is no file.
struct CDialogScript
{
    std::wstring fileToChoose;
    bool seen = false;
    std::wstring filterShown;
};
CDialogScript* g_script = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || g_script->seen)
        return;
    KillTimer(nullptr, timer);
    g_script->seen = true;
    wchar_t filter[64] = {};
    GetDlgItemTextW(dialog, cmb1, filter, 64);
    g_script->filterShown = filter;
    if (!g_script->fileToChoose.empty())
        SetDlgItemTextW(dialog, GetDlgItem(dialog, edt1) ? edt1 : cmb13, g_script->fileToChoose.c_str());
    PostMessageW(dialog, WM_COMMAND, g_script->fileToChoose.empty() ? IDCANCEL : IDOK, 0);
}

// The dialog makes the chosen file's folder current; the other tests find their data relative
// to the test folder, so it is put back.
BOOL RunDialog(CStdDialogOpenFile& dialog, CDialogScript& script)
{
    wchar_t workingFolder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, workingFolder);
    dialog.lpstrFilter = L"Tous les fichiers\0*.*\0";
    g_script = &script;
    const UINT_PTR driver = SetTimer(nullptr, 0, 200, DriveDialog);
    const BOOL chosen = GetOpenFileNameW(&dialog);
    KillTimer(nullptr, driver);
    g_script = nullptr;
    SetCurrentDirectoryW(workingFolder);
    return chosen;
}

TEST(OpenFileDialog, AChosenFileLandsInTheBuffersAndCancelLeavesThemEmpty)
{
    testsupport::CTemporaryFolder folder;
    CDialogScript choose;
    choose.fileToChoose = folder.WriteFile(L"chosen \u00e9t\u00e9.bin", "data");
    CStdDialogOpenFile chosen;
    EXPECT_TRUE(RunDialog(chosen, choose));
    EXPECT_EQ(L"Tous les fichiers", choose.filterShown);
    EXPECT_EQ(choose.fileToChoose, chosen.FilePath());
    EXPECT_STREQ(L"chosen \u00e9t\u00e9.bin", chosen.FileTitle());

    CDialogScript cancel;
    CStdDialogOpenFile cancelled;
    EXPECT_FALSE(RunDialog(cancelled, cancel));
    EXPECT_TRUE(cancel.seen);
    EXPECT_STREQ(L"", cancelled.FilePath());
}

}
