#include "main_window_fixture.h"

#include "cool_control.h"
#include "vrok_user/vrok_notifywindow.h"

#include <shlobj.h>

#include <cstring>
#include <map>

using vrok::data::type::string::CString;
using vrok::main::CApplication;
using vrok::main::CArgumentList;
using vrok::user::controls::panel::CNotifyWindow;
using vrok::user::mainwindow::CStdMainWindow;

namespace mainwindowtest {

const CSentences EnglishSentences = {
    L"Nothing to compare yet.",
    L"Too long for a digest.",
    L"Too short for a digest.",
    L"Not a lowercase hexadecimal digest.",
    L"The digests are equal.",
    // Longer than a sentence may be: the window keeps its first 49 characters.
    L"The digests differ: this file is not the one that was published.",
};

const CSentences FrenchSentences = {
    L"Rien \u00e0 comparer.",
    L"Trop long.",
    L"Trop court.",
    L"Pas hexad\u00e9cimal.",
    L"Empreintes identiques.",
    L"Empreintes diff\u00e9rentes.",
};

namespace {

const wchar_t GlobalIniTemplate[] =
    L"[CURRENT_LANGUAGE]\r\n"
    L"_ini_file=%CURRENT%\r\n"
    L"_help_file=english.chm\r\n"
    L"checked_menu_index=0\r\n"
    L"\r\n"
    L"[MENU_LANGUAGE_LIST]\r\n"
    L"menu_type=2\r\n"
    L"menu_position=%POSITION%\r\n"
    L"menu_text_0=English\r\n"
    L"_ini_file_0=english.ini\r\n"
    L"_help_file_0=english.chm\r\n"
    L"menu_text_1=Fran\u00e7ais\r\n"
    L"_ini_file_1=french.ini\r\n"
    L"_help_file_1=french.chm\r\n"
    L"menu_text_2=Missing\r\n"
    L"_ini_file_2=missing.ini\r\n"
    L"_help_file_2=missing.chm\r\n"
    L"\r\n"
    L"[MENU_FILE]\r\n"
    L"menu_position=0\r\n"
    L"menu_type_0=0\r\nmenu_id_0=201\r\n"
    L"menu_type_1=-1\r\n"
    L"menu_type_2=0\r\nmenu_id_2=202\r\n"
    L"\r\n"
    L"[MENU_EDIT]\r\n"
    L"menu_position=1\r\n"
    L"menu_type_0=0\r\nmenu_id_0=204\r\n"
    L"\r\n"
    L"[MENU_HELP]\r\n"
    L"menu_position=3\r\n"
    L"menu_type_0=0\r\nmenu_id_0=206\r\n"
    L"menu_type_1=-1\r\n"
    L"menu_type_2=0\r\nmenu_id_2=205\r\n"
    L"\r\n"
    L"[CONTEXT_MENU]\r\n"
    L"menu_type_0=0\r\nmenu_id_0=201\r\n"
    L"menu_type_1=0\r\nmenu_id_1=204\r\n"
    L"menu_type_2=-1\r\n"
    L"menu_type_3=0\r\nmenu_id_3=205\r\n";

std::wstring LanguageFile(const std::wstring& windowText, const std::wstring& button, const std::wstring& file,
                          const std::wstring& edit, const std::wstring& language, const std::wstring& help,
                          const std::wstring& contextOpen, const CSentences& sentences)
{
    return L"[WINDOW_TEXT]\r\ntext=" + windowText + L"\r\n\r\n"
           L"[BUTTON_COMPARE]\r\ntext=" + button + L"\r\n\r\n"
           L"[MENU_FILE]\r\nmenu_title=" + file + L"\r\nmenu_text_0=Open\r\nmenu_text_2=Close\r\n\r\n"
           L"[MENU_EDIT]\r\nmenu_title=" + edit + L"\r\nmenu_text_0=Paste\r\n\r\n"
           L"[MENU_LANGUAGE]\r\nmenu_title=" + language + L"\r\n\r\n"
           L"[MENU_HELP]\r\nmenu_title=" + help + L"\r\nmenu_text_0=Contents\r\nmenu_text_2=About\r\n\r\n"
           L"[CONTEXT_MENU]\r\nmenu_text_0=" + contextOpen + L"\r\nmenu_text_1=Paste\r\nmenu_text_3=About\r\n\r\n"
           L"[SENTENCES]\r\n"
           L"string_empty_string=" + sentences.emptyString + L"\r\n"
           L"string_too_long=" + sentences.tooLong + L"\r\n"
           L"string_too_short=" + sentences.tooShort + L"\r\n"
           L"string_not_hexacecimal=" + sentences.notHexadecimal + L"\r\n"
           L"hash_equal=" + sentences.equal + L"\r\n"
           L"hash_different=" + sentences.different + L"\r\n";
}

void ReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to)
{
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}

CProgramFolder::CProgramFolder()
{
    WriteGlobalIni(L"english.ini");
    WriteProfile(L"english.ini", LanguageFile(L"Published digest", L"&Compare", L"&File", L"&Edit",
                                              L"&Language", L"&Help", L"Open a file", EnglishSentences));
    WriteProfile(L"french.ini", LanguageFile(L"Empreinte publi\u00e9e", L"&Comparer", L"&Fichier",
                                             L"&\u00c9dition", L"&Langue", L"&Aide", L"Ouvrir un fichier",
                                             FrenchSentences));
}

std::wstring CProgramFolder::WriteProfile(const std::wstring& name, const std::wstring& text) const
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text)
    {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
    }
    return m_folder.WriteFile(name, bytes);
}

void CProgramFolder::WriteGlobalIni(const std::wstring& currentLanguageFile, int languagePopupPosition) const
{
    std::wstring text = GlobalIniTemplate;
    ReplaceAll(text, L"%CURRENT%", currentLanguageFile);
    ReplaceAll(text, L"%POSITION%", std::to_wstring(languagePopupPosition));
    WriteProfile(L"md5_global.ini", text);
}

std::wstring CProgramFolder::WriteFile(const std::wstring& name, const std::string& bytes) const
{
    return m_folder.WriteFile(name, bytes);
}

COpenedWindow::COpenedWindow(const CProgramFolder& folder, const wchar_t* file)
    : m_folder(folder.Path()), m_file(file != nullptr ? file : L""), m_hasFile(file != nullptr), m_started(-1),
      m_closed(false)
{
    CArgumentList arguments;
    m_started = Start(arguments);
    PumpMessages(60);
}

COpenedWindow::~COpenedWindow()
{
    if (!m_closed)
        Close();
    // The window is gone: the next test may register the class again.
    UnregisterClassW(CStdMainWindow::ClassName, GetModuleHandleW(nullptr));
}

int COpenedWindow::Start(CArgumentList&)
{
    const CString file(m_file);
    OMyWindow* window = new OMyWindow(m_hasFile ? &file : nullptr);
    window->SetProgramFolder(m_folder.c_str());
    return OpenMainWindow(window);
}

OMyWindow& COpenedWindow::Window() const
{
    return *static_cast<OMyWindow*>(CApplication::GetMainWindow());
}

HWND COpenedWindow::InputField() const
{
    return Window().GetDropPanel()->GetInputField()->GetHandle();
}

HWND COpenedWindow::DigestField() const
{
    return Window().GetDropPanel()->GetDigestField()->GetHandle();
}

HWND COpenedWindow::CompareButton() const
{
    return Window().GetDropPanel()->GetCompareButton()->GetHandle();
}

std::wstring COpenedWindow::StripText() const
{
    return Window().GetNotifyWindow()->GetMessageText();
}

bool COpenedWindow::StripHasIcon() const
{
    return Window().GetNotifyWindow()->HasIcon();
}

// The message loop's work up to the quit message, without waiting forever when none comes.
int COpenedWindow::Close()
{
    m_closed = true;
    if (IsWindow(Handle()))
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return -1;
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (GetTickCount() - start < milliseconds)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void DropFiles(HWND window, const std::vector<std::wstring>& files)
{
    std::wstring list;
    for (const std::wstring& file : files)
    {
        list += file;
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    const size_t listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + listBytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), listBytes);
    GlobalUnlock(memory);
    // The window releases the drop (DragFinish).
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

bool PutClipboardText(const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr))
    {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!put)
        GlobalFree(memory);
    return put;
}

bool EmptyTheClipboard()
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    CloseClipboard();
    return !IsClipboardFormatAvailable(CF_UNICODETEXT);
}

COLORREF StripIconColour(const COpenedWindow& opened)
{
    HWND strip = opened.Window().GetNotifyWindow()->GetHandle();
    UpdateWindow(strip);
    HDC context = GetDC(strip);
    const COLORREF colour = GetPixel(context, CNotifyWindow::IconLeft + 24, CNotifyWindow::IconTop + 12);
    ReleaseDC(strip, context);
    return colour;
}

bool IsGreen(COLORREF c) { return GetGValue(c) > GetRValue(c) + 50 && GetGValue(c) > GetBValue(c) + 50; }
bool IsOrange(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 110 && GetGValue(c) < 190 && GetBValue(c) < 90; }
bool IsRed(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool IsStripGround(COLORREF c) { return c == CNotifyWindow::BackgroundColour; }

namespace {

std::map<HWND, int>& ShowCounts()
{
    static std::map<HWND, int> counts;
    return counts;
}

LRESULT CALLBACK CountShows(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam == TRUE)
    {
        const auto found = ShowCounts().find(message->hwnd);
        if (found != ShowCounts().end())
            ++found->second;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}

CStripShowCounter::CStripShowCounter(HWND strip)
{
    ShowCounts().clear();
    ShowCounts()[strip] = 0;
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, CountShows, nullptr, GetCurrentThreadId());
}

CStripShowCounter::~CStripShowCounter()
{
    UnhookWindowsHookEx(m_hook);
    ShowCounts().clear();
}

int CStripShowCounter::Count() const
{
    return ShowCounts().empty() ? 0 : ShowCounts().begin()->second;
}

CCaptionParts SplitCaption(const std::wstring& caption)
{
    CCaptionParts parts;
    parts.prefix = caption.substr(0, 7);
    const size_t lineEnd = caption.find(L'\n', 7);
    if (lineEnd == std::wstring::npos)
    {
        parts.sentence = caption.substr(7);
        return parts;
    }
    parts.pathLine = caption.substr(7, lineEnd - 7);
    parts.sentence = caption.substr(lineEnd + 1);
    return parts;
}

}
