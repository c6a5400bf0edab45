#ifndef VESTIGON_TESTS_MODAL_WATCHER_H
#define VESTIGON_TESTS_MODAL_WATCHER_H

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// What a dialog box showed when it was found: its caption, its text (the first non-icon static
// control) and its icon as the MB_ICON* flag that selects it (MB_ICONERROR, MB_ICONINFORMATION,
// MB_ICONWARNING, MB_ICONQUESTION), or 0 when it shows none.
struct CSeenBox
{
    std::wstring caption;
    std::wstring text;
    UINT icon;
};

// Watches the calling thread from construction to destruction with a thread timer. Modal loops
// (message boxes, dialogs) dispatch the timer's message; at every tick each dialog-class window
// ("#32770") of this thread is recorded once and dismissed (the chosen answer's button, else
// its IDOK button when it has one, otherwise IDCANCEL; a box that stays open is then cancelled
// and finally ended), so a test that shows a box never hangs on it.
class CModalWatcher
{
public:
    // answer: the button pressed in a box that has it (IDYES, IDNO); otherwise OK or Cancel.
    // inFirstBox: run inside the first box or dialog that shows, before it is answered.
    explicit CModalWatcher(UINT periodMs = 50, int answer = 0, std::function<void(HWND)> inFirstBox = nullptr);
    ~CModalWatcher();
    CModalWatcher(const CModalWatcher&) = delete;
    CModalWatcher& operator=(const CModalWatcher&) = delete;

    const std::vector<CSeenBox>& Boxes() const { return m_boxes; }

    // Pumps the thread's messages until at least `count` boxes were seen or `timeoutMs` passed;
    // for boxes that a posted message opens later. True when the count was reached.
    bool PumpUntil(size_t count, DWORD timeoutMs = 5000);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timerId, DWORD);
    void Inspect(HWND window);

    UINT_PTR m_timer;
    int m_answer;
    std::function<void(HWND)> m_inFirstBox;
    HWND m_acting = nullptr;  // the box whose action runs: later ticks leave it alone meanwhile
    std::vector<CSeenBox> m_boxes;
    std::map<HWND, int> m_handled;  // boxes still open and the ticks they have stayed
};

// Reads what a dialog box shows (caption, text, icon).
CSeenBox ReadBox(HWND box);

}

#endif
