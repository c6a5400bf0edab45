#ifndef VESTIGON_TESTS_MAIN_WINDOW_FIXTURE_H
#define VESTIGON_TESTS_MAIN_WINDOW_FIXTURE_H

#include "test_files.h"

#include "my_window.h"
#include "vrok_user/vrok_main.h"

#include <windows.h>

#include <string>
#include <vector>

namespace mainwindowtest {

// Digests of small files the tests write (RFC 1321's examples).
const wchar_t AbcDigest[] = L"900150983cd24fb0d6963f7d28e17f72";
const wchar_t MessageDigestDigest[] = L"f96b697d7cb7938d525a2f31aaf161d0";

// The verdict sentences of the fixture languages: one distinct sentence per key.
struct CSentences
{
    const wchar_t* emptyString;
    const wchar_t* tooLong;
    const wchar_t* tooShort;
    const wchar_t* notHexadecimal;
    const wchar_t* equal;
    const wchar_t* different;
};
extern const CSentences EnglishSentences;
extern const CSentences FrenchSentences;

// A program folder of the test's own with md5_global.ini (English current, French second, the
// language popup at position 2), english.ini and french.ini, written as UTF-16LE with a
// byte-order mark as the program ships them, and a folder "files" for the files to hash.
class CProgramFolder
{
public:
    CProgramFolder();

    const std::wstring& Path() const { return m_folder.Path(); }
    std::wstring GlobalIni() const { return m_folder.PathOf(L"md5_global.ini"); }
    std::wstring WriteProfile(const std::wstring& name, const std::wstring& text) const;
    // md5_global.ini with [CURRENT_LANGUAGE] _ini_file replaced.
    void WriteGlobalIni(const std::wstring& currentLanguageFile, int languagePopupPosition = 2) const;
    // A file with these bytes; returns its full path.
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const;

private:
    testsupport::CTemporaryFolder m_folder;
};

// The program's main window opened through an application object, as the program does, on the
// fixture folder, optionally with a file named on the command line. Going away, it closes the
// window, lets the message loop end, and unregisters the window class for the next one.
class COpenedWindow : public vrok::main::CApplication
{
public:
    COpenedWindow(const CProgramFolder& folder, const wchar_t* file = nullptr);
    ~COpenedWindow() override;
    COpenedWindow(const COpenedWindow&) = delete;
    COpenedWindow& operator=(const COpenedWindow&) = delete;

    int Start(vrok::main::CArgumentList& arguments) override;
    int Started() const { return m_started; }

    OMyWindow& Window() const;
    HWND Handle() const { return Window().GetHandle(); }
    HWND InputField() const;
    HWND DigestField() const;
    HWND CompareButton() const;

    std::wstring StripText() const;
    bool StripHasIcon() const;

    // Closes the window now; the result of the message loop (0 after a normal close).
    int Close();

private:
    std::wstring m_folder;
    std::wstring m_file;
    bool m_hasFile;
    int m_started;
    bool m_closed;
};

// Dispatches the thread's messages for the given time at least.
void PumpMessages(DWORD milliseconds = 30);

std::wstring WindowText(HWND window);

// Sends WM_DROPFILES with a drop of these files (a real HDROP with a wide file list).
void DropFiles(HWND window, const std::vector<std::wstring>& files);

// Puts Unicode text on the clipboard, or empties it.
bool PutClipboardText(const std::wstring& text);
bool EmptyTheClipboard();

// The colour of the verdict picture in the strip, sampled where the shield is plain.
COLORREF StripIconColour(const COpenedWindow& opened);
bool IsGreen(COLORREF colour);
bool IsOrange(COLORREF colour);
bool IsRed(COLORREF colour);
bool IsStripGround(COLORREF colour);

// Counts the times the strip is shown (slides in) while it exists.
class CStripShowCounter
{
public:
    explicit CStripShowCounter(HWND strip);
    ~CStripShowCounter();
    CStripShowCounter(const CStripShowCounter&) = delete;
    CStripShowCounter& operator=(const CStripShowCounter&) = delete;
    int Count() const;

private:
    HHOOK m_hook;
};

// The texts of a file-name line as the caption holds it: prefix, path line, sentence.
struct CCaptionParts
{
    std::wstring prefix;
    std::wstring pathLine;
    std::wstring sentence;
};
CCaptionParts SplitCaption(const std::wstring& caption);

}

#endif
