#include "modal_watcher.h"

#include <algorithm>
#include <map>

namespace testsupport {

namespace {

// Thread timers carry no user data: the callback finds its watcher by the timer's identifier.
std::map<UINT_PTR, CModalWatcher*>& Watchers()
{
    static std::map<UINT_PTR, CModalWatcher*> watchers;
    return watchers;
}

bool HasClass(HWND window, const wchar_t* className)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpiW(name, className) == 0;
}

std::wstring TextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(window, &text[0], length + 1);
    text.resize(lstrlenW(text.c_str()));
    return text;
}

bool IsIconStatic(HWND control)
{
    return (GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// Message boxes show the system's shared icons, so the handle tells which one it is.
UINT IconFlagOf(HICON icon)
{
    if (icon == nullptr)
        return 0;
    const struct { LPCWSTR id; UINT flag; } known[] = {
        { IDI_ERROR, MB_ICONERROR },
        { IDI_INFORMATION, MB_ICONINFORMATION },
        { IDI_WARNING, MB_ICONWARNING },
        { IDI_QUESTION, MB_ICONQUESTION },
    };
    for (const auto& entry : known)
        if (LoadIconW(nullptr, entry.id) == icon)
            return entry.flag;
    return 0;
}

struct CBoxReading
{
    CSeenBox* box;
    bool textFound;
};

BOOL CALLBACK ReadControl(HWND control, LPARAM reading)
{
    CBoxReading& result = *reinterpret_cast<CBoxReading*>(reading);
    if (!HasClass(control, L"Static"))
        return TRUE;
    if (IsIconStatic(control)) {
        if (IsWindowVisible(control) && result.box->icon == 0)
            result.box->icon = IconFlagOf(reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0)));
    } else if (!result.textFound) {
        const std::wstring text = TextOf(control);
        if (!text.empty()) {
            result.box->text = text;
            result.textFound = true;
        }
    }
    return TRUE;
}

}

CSeenBox ReadBox(HWND box)
{
    CSeenBox seen{ TextOf(box), std::wstring(), 0 };
    CBoxReading reading{ &seen, false };
    EnumChildWindows(box, ReadControl, reinterpret_cast<LPARAM>(&reading));
    return seen;
}

CModalWatcher::CModalWatcher(UINT periodMs) : m_timer(SetTimer(nullptr, 0, periodMs, OnTimer))
{
    Watchers()[m_timer] = this;
}

CModalWatcher::~CModalWatcher()
{
    KillTimer(nullptr, m_timer);
    Watchers().erase(m_timer);
}

bool CModalWatcher::PumpUntil(size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (m_boxes.size() < count && GetTickCount() - start < timeoutMs) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (m_boxes.size() < count)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return m_boxes.size() >= count;
}

void CALLBACK CModalWatcher::OnTimer(HWND, UINT, UINT_PTR timerId, DWORD)
{
    const auto found = Watchers().find(timerId);
    if (found == Watchers().end())
        return;
    CModalWatcher* watcher = found->second;
    watcher->ForgetClosedBoxes();
    EnumThreadWindows(GetCurrentThreadId(), OnThreadWindow, reinterpret_cast<LPARAM>(watcher));
}

BOOL CALLBACK CModalWatcher::OnThreadWindow(HWND window, LPARAM watcher)
{
    if (HasClass(window, L"#32770"))
        reinterpret_cast<CModalWatcher*>(watcher)->Inspect(window);
    return TRUE;
}

// A box is recorded the first time it is seen and asked to close; when it is still open at
// later ticks it is asked more firmly, so no box can keep a test waiting.
void CModalWatcher::Inspect(HWND window)
{
    auto handled = std::find_if(m_handled.begin(), m_handled.end(),
                                [window](const CHandledBox& box) { return box.window == window; });
    if (handled == m_handled.end()) {
        m_boxes.push_back(ReadBox(window));
        m_handled.push_back(CHandledBox{ window, 0 });
        const int button = GetDlgItem(window, IDOK) != nullptr ? IDOK : IDCANCEL;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
        return;
    }
    ++handled->ticksOpen;
    if (handled->ticksOpen == 2)
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    else if (handled->ticksOpen == 4)
        PostMessageW(window, WM_CLOSE, 0, 0);
    else if (handled->ticksOpen >= 6)
        EndDialog(window, IDCANCEL);
}

void CModalWatcher::ForgetClosedBoxes()
{
    m_handled.erase(std::remove_if(m_handled.begin(), m_handled.end(),
                                   [](const CHandledBox& box) { return !IsWindow(box.window); }),
                    m_handled.end());
}

}
