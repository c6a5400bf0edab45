#include "menu_test_support.h"

#include "window_testing.h"

namespace menutest {

using vrok::user::basewindow::CBaseWindow;

namespace {

const wchar_t HostClassName[] = L"VESTIGON_TEST_MENU_HOST";
const UINT MenuGetHandle = 0x01E1; // MN_GETHMENU
std::vector<WPARAM> g_commands;
CMenuWatch* g_watch = nullptr;

void CALLBACK EndOverdueMenu(HWND, UINT, UINT_PTR, DWORD)
{
    EndMenu();
}

class CHostWindow : public CBaseWindow
{
public:
    CHostWindow()
    {
        vrok::user::basewindow::CWindowClass windowClass;
        windowClass.lpszClassName = HostClassName;
        windowClass.lpfnWndProc = HostWindowProc;
        windowClass.Register();
        CreateWindowEx(nullptr, 0, HostClassName, L"Menus host", WS_OVERLAPPEDWINDOW, 100, 100, 520, 320, nullptr);
    }
};

}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        g_commands.push_back(wParam);
        return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && g_watch != nullptr && !g_watch->seen) {
            HWND menuWindow = reinterpret_cast<HWND>(lParam);
            g_watch->seen = true;
            g_watch->menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MenuGetHandle, 0, 0));
            g_watch->entries = EntriesOf(g_watch->menu);
            GetWindowRect(menuWindow, &g_watch->place);
            if (!g_watch->m_chooseFirst) {
                EndMenu();
            } else {
                PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
                PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
            }
        }
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        CBaseWindow::DetachDestroyedWindow(window);
        return result;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring CProgramFolder::WriteProfile(const std::wstring& name, const std::wstring& text) const
{
    return m_folder.WriteFile(name, testsupport::Utf16Profile(text));
}

std::wstring CProgramFolder::GlobalValue(const wchar_t* section, const wchar_t* key) const
{
    wchar_t value[300] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 300, GlobalIni().c_str());
    return value;
}

CLanguageFolder::CLanguageFolder(int languagePosition)
{
    WriteProfile(L"md5_global.ini",
                 L"[CURRENT_LANGUAGE]\r\n_ini_file=en.ini\r\n_help_file=en.chm\r\nchecked_menu_index=0\r\n"
                 L"[MENU_LANGUAGE_LIST]\r\nmenu_type=1\r\nmenu_position=" + std::to_wstring(languagePosition) + L"\r\n"
                 L"menu_text_0=English\r\n_ini_file_0=en.ini\r\n_help_file_0=en.chm\r\n"
                 L"menu_text_1=Fran\u00e7ais\r\n_ini_file_1=lang\\fr.ini\r\n_help_file_1=fr.chm\r\n"
                 L"menu_text_2=Missing\r\n_ini_file_2=missing.ini\r\nmenu_text_3=Nothing\r\n"
                 L"[MENU_FILE]\r\nmenu_position=0\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\n"
                 L"menu_type_2=0\r\nmenu_id_2=202\r\n"
                 L"[MENU_EDIT]\r\nmenu_position=1\r\nmenu_type_0=0\r\nmenu_id_0=204\r\n"
                 L"[MENU_HELP]\r\nmenu_position=3\r\nmenu_type_0=0\r\nmenu_id_0=206\r\nmenu_type_1=-1\r\n"
                 L"menu_type_2=0\r\nmenu_id_2=205\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\n"
                 L"menu_id_2=204\r\n");
    WriteProfile(L"en.ini",
                 L"[WINDOW_TEXT]\r\ntext=Digest to check\r\n[BUTTON_COMPARE]\r\ntext=Compare\r\n"
                 L"[MENU_FILE]\r\nmenu_title=File\r\nmenu_text_0=Open\r\nmenu_text_2=Close\r\n"
                 L"[MENU_EDIT]\r\nmenu_title=Edit\r\nmenu_text_0=Paste\r\n[MENU_LANGUAGE]\r\nmenu_title=Language\r\n"
                 L"[MENU_HELP]\r\nmenu_title=Help\r\nmenu_text_0=Contents\r\nmenu_text_2=About\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_text_0=Open a file\r\nmenu_text_2=Paste a digest\r\n");
    CreateDirectoryW(PathOf(L"lang").c_str(), nullptr);
    WriteProfile(L"lang\\fr.ini",
                 L"[WINDOW_TEXT]\r\ntext=Empreinte \u00e0 v\u00e9rifier\r\n[BUTTON_COMPARE]\r\ntext=Comparer\r\n"
                 L"[MENU_FILE]\r\nmenu_title=Fichier et autres choses utiles\r\nmenu_text_0=Ouvrir\r\n"
                 L"menu_text_2=Fermer\r\n[MENU_EDIT]\r\nmenu_title=\u00c9dition\r\nmenu_text_0=Coller\r\n"
                 L"[MENU_LANGUAGE]\r\nmenu_title=Langue\r\n"
                 L"[MENU_HELP]\r\nmenu_title=Aide\r\nmenu_text_0=Sommaire\r\nmenu_text_2=\u00c0 propos\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_text_0=Ouvrir un fichier\r\nmenu_text_2=Coller une empreinte\r\n");
}

CBaseWindow& Host()
{
    static CHostWindow host;
    return host;
}

std::vector<WPARAM> TakeCommands()
{
    std::vector<WPARAM> taken;
    taken.swap(g_commands);
    return taken;
}

CMenuWatch::CMenuWatch(bool chooseFirst)
    : m_chooseFirst(chooseFirst), m_timer(SetTimer(nullptr, 0, 4000, EndOverdueMenu))
{
    g_watch = this;
    // A right click reaches a window that is active and settled: activation news still on its
    // way (from a window that went away) would end the popup as soon as it opens.
    SetForegroundWindow(Host().GetHandle());
    testsupport::PumpMessages(100);
}

CMenuWatch::~CMenuWatch()
{
    KillTimer(nullptr, m_timer);
    g_watch = nullptr;
}

namespace {
CMenuEntryView ReadEntry(HMENU menu, UINT item, BOOL byPosition)
{
    wchar_t text[128] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info))
        return {0, 0, 0, L"<none>"};
    return {info.wID, info.fType, info.fState, text};
}
}

std::vector<CMenuEntryView> EntriesOf(HMENU menu)
{
    std::vector<CMenuEntryView> entries;
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
        entries.push_back(ReadEntry(menu, position, TRUE));
    return entries;
}

CMenuEntryView EntryById(HMENU menu, UINT id)
{
    return ReadEntry(menu, id, FALSE);
}

std::wstring TextAt(HMENU menu, UINT position)
{
    return ReadEntry(menu, position, TRUE).text;
}

}
