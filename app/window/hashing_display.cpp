#include "window/hashing_display.h"

#include "vrok_data/vrok_string.h"
#include "vrok_user/vrok_dpi.h"

#include <commctrl.h>
#include <shobjidl.h>

#include <cwchar>

namespace {

// The shell's taskbar object and its progress interface, named here so that nothing newer
// than XP is linked: on older systems creating the object simply fails.
const CLSID TaskbarListClass = { 0x56fdf344, 0xfd6d, 0x11d0, { 0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90 } };
const IID TaskbarList3Interface = { 0xea1afb91, 0x9e28, 0x4b86, { 0x90, 0xe9, 0x9e, 0x9f, 0x8a, 0x5e, 0xef, 0xaf } };

// Plain %u: the C runtime of older systems knows no 64-bit length modifier.
std::wstring FormatDuration(unsigned seconds)
{
    wchar_t text[32];
    if (seconds >= 3600)
        swprintf(text, 32, L"%u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        swprintf(text, 32, L"%u:%02u", seconds / 60, seconds % 60);
    return text;
}

}

CTaskbarProgress::CTaskbarProgress() = default;

CTaskbarProgress::~CTaskbarProgress() = default;

// The object is made at the first use, on the window's thread.
void CTaskbarProgress::Set(HWND window, unsigned long long done, unsigned long long total)
{
    if (!m_apartment) {
        m_apartment.emplace();
        m_taskbar = vrok::user::com::CreateInProcess<ITaskbarList3>(TaskbarListClass, TaskbarList3Interface);
        if (m_taskbar.IsValid() && FAILED(m_taskbar.Get()->HrInit()))
            m_taskbar.Close();
    }
    if (m_taskbar.IsValid())
        m_taskbar.Get()->SetProgressValue(window, done, total);
}

void CTaskbarProgress::Clear(HWND window)
{
    if (m_taskbar.IsValid())
        m_taskbar.Get()->SetProgressState(window, TBPF_NOPROGRESS);
}

CHashingDisplay::CHashingDisplay() : m_mainWindow(nullptr), m_statusBar(nullptr), m_progressBar(nullptr), m_part(0) {}

void CHashingDisplay::Attach(HWND mainWindow, HWND statusBar, int part)
{
    m_mainWindow = mainWindow;
    m_statusBar = statusBar;
    m_part = part;
    INITCOMMONCONTROLSEX controls = { sizeof(controls), ICC_PROGRESS_CLASS };
    InitCommonControlsEx(&controls);
    m_progressBar = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD, 0, 0, 0, 0, statusBar, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_progressBar, PBM_SETRANGE32, 0, Range);
}

void CHashingDisplay::Show(const hashing::CJobProgress& progress)
{
    if (m_progressBar == nullptr || progress.bytesTotal == 0)
        return;
    const int position = static_cast<int>(progress.bytesDone * Range / progress.bytesTotal);
    SendMessageW(m_progressBar, PBM_SETPOS, position, 0);
    if (!IsWindowVisible(m_progressBar)) {
        ShowWindow(m_progressBar, SW_SHOWNA);
        FollowStatusBar();
    }
    m_taskbar.Set(m_mainWindow, progress.bytesDone, progress.bytesTotal);
}

void CHashingDisplay::Hide()
{
    if (m_progressBar != nullptr && IsWindowVisible(m_progressBar)) {
        ShowWindow(m_progressBar, SW_HIDE);
        SendMessageW(m_progressBar, PBM_SETPOS, 0, 0);
        m_taskbar.Clear(m_mainWindow);
    }
}

// The status bar's parts move with the window's width and density; the bar keeps clear of the
// part's sunken edge.
void CHashingDisplay::FollowStatusBar()
{
    RECT part = {};
    if (m_progressBar == nullptr || !IsWindowVisible(m_progressBar) ||
        !SendMessageW(m_statusBar, SB_GETRECT, m_part, reinterpret_cast<LPARAM>(&part)))
        return;
    const int inset = vrok::user::dpi::Scale(EdgeInset, vrok::user::dpi::DpiOfWindow(m_statusBar));
    InflateRect(&part, -inset, -inset);
    SetWindowPos(m_progressBar, HWND_TOP, part.left, part.top, part.right - part.left, part.bottom - part.top,
                 SWP_NOACTIVATE);
}

std::wstring FormatProgressSentence(const std::wstring& pattern, const hashing::CJobProgress& progress)
{
    const unsigned long long total = progress.bytesTotal > 0 ? progress.bytesTotal : 1;
    const unsigned long long done = progress.bytesDone < total ? progress.bytesDone : total;
    const double seconds = progress.elapsedMs > 0 ? progress.elapsedMs / 1000.0 : 0.001;
    const double bytesPerSecond = done > 0 ? done / seconds : 1;
    wchar_t percent[16];
    swprintf(percent, 16, L"%u %%", static_cast<unsigned>(done * 100 / total));
    wchar_t speed[32];
    swprintf(speed, 32, L"%.1f MB/s", bytesPerSecond / 1e6);
    const double left = (total - done) / bytesPerSecond + 0.5;
    const unsigned MostSeconds = 99 * 3600;
    using vrok::data::type::string::FillIn;
    const std::wstring time = FormatDuration(left < MostSeconds ? static_cast<unsigned>(left) : MostSeconds);
    return FillIn(FillIn(FillIn(pattern, L"{percent}", {percent}), L"{speed}", {speed}), L"{time}", {time});
}
