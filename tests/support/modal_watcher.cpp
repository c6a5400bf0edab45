#include "modal_watcher.h"
#include "window_testing.h"

#include "settings/program_texts.h"

#include <iterator>

namespace testsupport {

namespace {

// Thread timers carry no user data: the callback finds its watcher by the timer's identifier.
std::map<UINT_PTR, CModalWatcher*> watchers;

// Message boxes show the system's shared icons, so the handle tells which one it is.
const std::pair<LPCWSTR, UINT> SharedIcons[] = { { IDI_ERROR, MB_ICONERROR }, { IDI_INFORMATION, MB_ICONINFORMATION },
                                                 { IDI_WARNING, MB_ICONWARNING }, { IDI_QUESTION, MB_ICONQUESTION } };

}

// The first visible icon and the first non-empty text among the box's static controls.
CSeenBox ReadBox(HWND box)
{
    CSeenBox seen{ WindowText(box), std::wstring(), 0 };
    for (HWND control = nullptr; (control = FindWindowExW(box, control, L"Static", nullptr)) != nullptr;) {
        if ((GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            if (seen.text.empty())
                seen.text = WindowText(control);
        } else {
            const auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
            for (const auto& [shared, flag] : SharedIcons)
                if (seen.icon == 0 && icon != nullptr && IsWindowVisible(control) && LoadIconW(nullptr, shared) == icon)
                    seen.icon = flag;
        }
    }
    return seen;
}

CModalWatcher::CModalWatcher(UINT periodMs, int answer, std::function<void(HWND)> inFirstBox)
    : m_timer(SetTimer(nullptr, 0, periodMs, OnTimer)), m_answer(answer), m_inFirstBox(std::move(inFirstBox))
{
    programtexts::InstallBoxCaptions();  // as the program does at its start
    watchers[m_timer] = this;
}

CModalWatcher::~CModalWatcher()
{
    KillTimer(nullptr, m_timer);
    watchers.erase(m_timer);
}

bool CModalWatcher::PumpUntil(size_t count, DWORD timeoutMs)
{
    return testsupport::PumpUntil([this, count] { return m_boxes.size() >= count; }, timeoutMs);
}

void CALLBACK CModalWatcher::OnTimer(HWND, UINT, UINT_PTR timerId, DWORD)
{
    const auto found = watchers.find(timerId);
    if (found == watchers.end())
        return;
    auto& handled = found->second->m_handled;
    for (auto box = handled.begin(); box != handled.end();)
        box = IsWindow(box->first) ? std::next(box) : handled.erase(box);
    // A box that an action ends stops the scan; the next tick goes on with the others.
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;)
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            found->second->Inspect(window);
}

// A box is recorded the first time it is seen and asked to close; when it is still open at
// later ticks it is cancelled, then ended, so no box can keep a test waiting.
void CModalWatcher::Inspect(HWND window)
{
    if (window == m_acting)
        return;
    const auto [handled, isNew] = m_handled.emplace(window, 0);
    if (isNew) {
        m_boxes.push_back(ReadBox(window));
        if (m_inFirstBox) {
            const std::function<void(HWND)> action = std::move(m_inFirstBox);
            m_inFirstBox = nullptr;
            m_acting = window;
            action(window);
            m_acting = nullptr;
        }
        const int button = m_answer != 0 && GetDlgItem(window, m_answer) != nullptr ? m_answer
                           : GetDlgItem(window, IDOK) != nullptr                 ? IDOK
                                                                                 : IDCANCEL;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    } else if (++handled->second == 2) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else if (handled->second >= 4) {
        EndDialog(window, IDCANCEL);
    }
}

}
