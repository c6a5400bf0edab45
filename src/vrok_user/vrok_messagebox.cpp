#include "vrok_user/vrok_messagebox.h"

#include "vrok_data/vrok_string.h"
#include "vrok_user/vrok_main.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>

namespace vrok { namespace user { namespace messagebox {

namespace {

const wchar_t* g_errorCaption = L"";
const wchar_t* g_infoCaption = L"";

int ShowFormattedMessage(const wchar_t* caption, UINT style, const wchar_t* format, va_list arguments)
{
    wchar_t text[1024] = {};
    SetLastError(0);
    const int length = _vsnwprintf(text, MaxMessageLength, format, arguments);
    if (length < 0 || length > MaxMessageLength)
        return 0;
    text[MaxMessageLength] = L'\0';
    CModalScope open;
    return MessageBoxW(ModalOwner(), text, caption, style);
}

}

int CModalScope::s_open = 0;

void SetCaptions(const wchar_t* errorCaption, const wchar_t* infoCaption)
{
    g_errorCaption = errorCaption != nullptr ? errorCaption : L"";
    g_infoCaption = infoCaption != nullptr ? infoCaption : L"";
}

HWND ModalOwner()
{
    const mainwindow::CStdMainWindow* window = main::CApplication::GetMainWindow();
    if (window == nullptr || window->IsNull() || !IsWindow(window->GetHandle()))
        return nullptr;
    return window->GetHandle();
}

int ShowErrorMessage(const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int result =
        ShowFormattedMessage(g_errorCaption, MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST, format, arguments);
    va_end(arguments);
    return result;
}

int ShowInfoMessage(const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int result = ShowFormattedMessage(g_infoCaption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST,
                                            format, arguments);
    va_end(arguments);
    return result;
}

int ShowPathErrorMessage(const wchar_t* format, const wchar_t* path)
{
    const size_t formatRoom = std::wcslen(format) - 2;  // without its "%s"
    const size_t pathRoom = MaxMessageLength > static_cast<int>(formatRoom) ? MaxMessageLength - formatRoom : 0;
    const std::wstring shown = data::type::string::ShortenInMiddle(path != nullptr ? path : L"", pathRoom);
    return ShowErrorMessage(format, shown.c_str());
}

// The text's first %s takes the path; a text without one shows it on a line of its own.
int ShowPathErrorText(const std::wstring& text, const wchar_t* path)
{
    const std::wstring withPlace = text.find(L"%s") != std::wstring::npos ? text : text + L"\n%s";
    const size_t textRoom = withPlace.size() - 2;
    const size_t pathRoom = MaxMessageLength > static_cast<int>(textRoom) ? MaxMessageLength - textRoom : 0;
    const std::wstring shown = data::type::string::ShortenInMiddle(path != nullptr ? path : L"", pathRoom);
    return ShowErrorMessage(L"%s", data::type::string::FillIn(withPlace, L"%s", {shown}).c_str());
}

}}}
