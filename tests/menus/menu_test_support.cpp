#include "menu_test_support.h"

#include "vrok_user/vrok_basewindow.h"

namespace menutest {

using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;

namespace {

const wchar_t HostClassName[] = L"VESTIGON_TEST_MENU_HOST";
const UINT MenuGetHandle = 0x01E1; // MN_GETHMENU
const UINT WatchTimeoutMs = 4000;

std::vector<CRecordedCommand>& Commands()
{
    static std::vector<CRecordedCommand> commands;
    return commands;
}

struct CWatchState
{
    bool active = false;
    bool chooseFirst = false;
    CTrackedMenu tracked;
};

CWatchState& Watch()
{
    static CWatchState state;
    return state;
}

void ReadTrackedMenu(HWND menuWindow)
{
    CWatchState& watch = Watch();
    watch.tracked.seen = true;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MenuGetHandle, 0, 0));
    watch.tracked.menu = menu;
    watch.tracked.entries = EntriesOf(menu);
    GetWindowRect(menuWindow, &watch.tracked.place);
    if (watch.chooseFirst) {
        PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        EndMenu();
    }
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        Commands().push_back({wParam, lParam});
        return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && Watch().active && !Watch().tracked.seen)
            ReadTrackedMenu(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        CBaseWindow::DetachDestroyedWindow(window);
        return result;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK EndOverdueMenu(HWND, UINT, UINT_PTR, DWORD)
{
    EndMenu();
}

class CHostWindow : public CBaseWindow
{
public:
    CHostWindow()
    {
        CWindowClass windowClass;
        windowClass.lpszClassName = HostClassName;
        windowClass.lpfnWndProc = HostWindowProc;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.Register();
        CreateWindowEx(nullptr, 0, HostClassName, L"Menus host", WS_OVERLAPPEDWINDOW, 100, 100, 520, 320, nullptr);
    }
};

}

std::wstring CProgramFolder::WriteProfile(const std::wstring& name, const std::wstring& text) const
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t character : text) {
        bytes.push_back(static_cast<char>(character & 0xFF));
        bytes.push_back(static_cast<char>((character >> 8) & 0xFF));
    }
    return m_folder.WriteFile(name, bytes);
}

FILETIME CProgramFolder::GlobalIniWriteTime() const
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(GlobalIni().c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

std::wstring CProgramFolder::GlobalValue(const wchar_t* section, const wchar_t* key) const
{
    wchar_t value[300] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 300, GlobalIni().c_str());
    return value;
}

CBaseWindow& Host()
{
    static CHostWindow host;
    return host;
}

std::vector<CRecordedCommand> TakeCommands()
{
    std::vector<CRecordedCommand> taken;
    taken.swap(Commands());
    return taken;
}

CMenuWatch::CMenuWatch(bool chooseFirst) : m_timer(SetTimer(nullptr, 0, WatchTimeoutMs, EndOverdueMenu))
{
    Watch() = CWatchState();
    Watch().active = true;
    Watch().chooseFirst = chooseFirst;
}

CMenuWatch::~CMenuWatch()
{
    KillTimer(nullptr, m_timer);
    Watch().active = false;
}

const CTrackedMenu& CMenuWatch::Tracked() const
{
    return Watch().tracked;
}

std::vector<CMenuEntryView> EntriesOf(HMENU menu)
{
    std::vector<CMenuEntryView> entries;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[128] = {};
        MENUITEMINFOW item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 128;
        GetMenuItemInfoW(menu, position, TRUE, &item);
        entries.push_back({item.wID, item.fType, item.fState, text});
    }
    return entries;
}

std::wstring TextAt(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

CMenuEntryView EntryById(HMENU menu, UINT id)
{
    wchar_t text[128] = {};
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 128;
    if (!GetMenuItemInfoW(menu, id, FALSE, &item))
        return {0, 0, 0, L"<none>"};
    return {item.wID, item.fType, item.fState, text};
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

}
