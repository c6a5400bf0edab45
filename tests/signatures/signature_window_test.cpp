// The main window told of the signatures around a file: who signed the list or the file, a key
// found beside it, an unknown key, and a list changed after it was signed.
#include "modal_watcher.h"
#include "opened_window.h"

#include "lists/list_window.h"
#include "signatures/key_store.h"

#include <commctrl.h>
#include <memory>

#include <utility>

namespace {

std::string SignatureData(const std::wstring& name)
{
    return ReadWholeFile(FullPath(L"signatures\\" + name));
}

// The strip's pixel on the seal, at the shield's lower right: gold.
bool ShowsSeal(const COpenedWindow& run)
{
    UpdateWindow(run.Strip());
    const COLORREF seal = PixelAt(run.Strip(), 37, 33);
    return GetRValue(seal) > 180 && GetGValue(seal) > 120 && GetBValue(seal) < 110;
}

// The fingerprint gpgv found a case's signature valid under, in groups of four.
std::wstring OracleFingerprint(const std::string& caseName)
{
    const std::string cases = SignatureData(L"cases.txt");
    const size_t line = cases.find(caseName + "\t");
    std::vector<std::string> fields(1);
    for (size_t at = line; at < cases.size() && cases[at] != '\n'; ++at) {
        if (cases[at] == '\t')
            fields.push_back(std::string());
        else
            fields.back() += cases[at];
    }
    std::wstring grouped;
    for (size_t at = 0; fields.size() > 6 && at < fields[6].size(); at += 4)
        grouped += (grouped.empty() ? L"" : L" ") + Widen(fields[6].substr(at, 4));
    return grouped;
}

}

TEST(SignatureWindow, TheStripTellsWhoSignedTheListOrTheFile)
{
    // The keys the user added: the test's OpenPGP keys and its minisign key.
    CProgramFolder program;
    for (const wchar_t* name : {L"md5_global.ini", L"english.ini"})
        CopyFileW((L"..\\vestigon\\" + std::wstring(name)).c_str(), program.PathOf(name).c_str(), FALSE);
    program.WriteFile(L"added_keys.gpg", SignatureData(L"keys.gpg"));
    program.WriteFile(L"added_keys.minisign", SignatureData(L"mini.pub"));
    const struct
    {
        const char* what;
        std::vector<std::pair<std::wstring, std::wstring>> files;  // name in the folder, from the test data
        bool (*colour)(COLORREF);
        bool sealed;
        std::vector<std::wstring> told;
    } rows[] = {
        {"a list signed by an added key", {{L"SHA256SUMS", L"SHA256SUMS"}, {L"SHA256SUMS.sign", L"SHA256SUMS.sign"}},
         IsGreen, true, {L"digests match", L"Signed by Test Ed <ed@example.org> (" + OracleFingerprint("ed-subkey-binary-list") + L")"}},
        {"the list changed after signing", {{L"SHA256SUMS", L"SHA256SUMS.changed"}, {L"SHA256SUMS.sign", L"SHA256SUMS.sign"}},
         IsRed, false, {L"The signature does NOT match: the checksum list was changed"}},
        {"a clear-signed list", {{L"CHECKSUM", L"CHECKSUM"}}, IsGreen, true,
         {L"Signed by Test RSA <rsa@example.org> (" + OracleFingerprint("rsa-clear-signed") + L")"}},
        {"a signature over the file itself", {{L"x.iso.sig", L"x.iso.sig"}}, IsGreen, true, {L"Signed by Test Ed"}},
        {"a minisign signature over the file", {{L"x.iso.minisig", L"x.iso.minisig"}}, IsGreen, true, {L"Signed by "}},
        {"a key found only beside the file",
         {{L"SHA256SUMS", L"SHA256SUMS"}, {L"SHA256SUMS.sig", L"SHA256SUMS.beside.sig"}, {L"KEYS", L"beside\\KEYS"}},
         IsGreen, false, {L"Signed by Test Beside", L"compare its fingerprint with the publisher's page"}},
        {"an unknown key", {{L"SHA256SUMS", L"SHA256SUMS"}, {L"SHA256SUMS.sig", L"SHA256SUMS.unknown.sig"}}, IsGreen,
         false, {L"Signed by unknown key "}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CTemporaryFolder download;
        const std::wstring file = download.WriteFile(L"x.iso", SignatureData(L"x.iso"));
        for (const auto& copied : row.files)
            download.WriteFile(copied.first, SignatureData(copied.second));
        CModalWatcher watcher;
        COpenedWindow run(program.Path(), &file);
        PumpMessages(500);
        EXPECT_TRUE(row.colour(run.IconColour())) << Narrow(run.StripText());
        EXPECT_EQ(row.sealed, ShowsSeal(run));
        for (const std::wstring& told : row.told)
            EXPECT_NE(std::wstring::npos, run.StripText().find(told)) << Narrow(run.StripText());
        EXPECT_TRUE(watcher.Boxes().empty());
    }
}

// The list window tells the list's signature above its rows in the main window's words; a
// clear-signed list is checked from its signed text alone.
TEST(SignatureWindow, TheListWindowTellsWhoSignedTheList)
{
    CProgramFolder program;
    CopyFileW(L"..\\vestigon\\english.ini", program.PathOf(L"english.ini").c_str(), FALSE);
    program.WriteFile(L"added_keys.gpg", SignatureData(L"keys.gpg"));
    const auto keys = std::make_shared<const signatures::CKeyring>(signatures::CKeyStore(program.Path()).Keyring());
    CTemporaryFolder download;
    download.WriteFile(L"x.iso", SignatureData(L"x.iso"));
    download.WriteFile(L"z.iso", "not vouched for");
    const std::string outside = "\nd4f0bc5a29de06b510f9aa428f1eedba926012b591fef7a518e776a7c9bd1824  z.iso\n";
    const struct { const char* what; std::wstring list; std::string bytes; std::wstring told; int rows; } rows[] = {
        {"a detached signature", L"SHA256SUMS", SignatureData(L"SHA256SUMS"), L"Signed by Test Ed <ed@example.org> (", 1},
        {"a clear-signed list, a line added around it", L"CHECKSUM", SignatureData(L"CHECKSUM") + outside,
         L"Signed by Test RSA <rsa@example.org> (", 1},
    };
    download.WriteFile(L"SHA256SUMS.sign", SignatureData(L"SHA256SUMS.sign"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        vrok::user::basewindow::CBaseWindow owner;
        owner.CreateWindowEx(nullptr, 0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr);
        CListWindow window;
        ASSERT_TRUE(window.Open(&owner, download.WriteFile(row.list, row.bytes), program.PathOf(L"english.ini").c_str(), keys));
        ASSERT_TRUE(PumpUntil([&] { return window.HasEnded(); }, 20000));
        EXPECT_EQ(0u, WindowText(window.NoteLabel()).find(row.told)) << Narrow(WindowText(window.NoteLabel()));
        EXPECT_TRUE(IsWindowVisible(window.NoteLabel()));
        EXPECT_EQ(row.rows, SendMessageW(window.ListView(), LVM_GETITEMCOUNT, 0, 0));
    }
}
