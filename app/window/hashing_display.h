#ifndef VESTIGON_HASHING_DISPLAY_H
#define VESTIGON_HASHING_DISPLAY_H

#include "hashing/hash_job.h"
#include "vrok_user/vrok_com.h"

#include <windows.h>

#include <optional>
#include <string>

struct ITaskbarList3;

// The taskbar button's progress (Windows 7 and later), through the shell's COM object; where
// the system has none (XP, Vista) every call does nothing.
class CTaskbarProgress
{
public:
    CTaskbarProgress();
    ~CTaskbarProgress();
    CTaskbarProgress(const CTaskbarProgress&) = delete;
    CTaskbarProgress& operator=(const CTaskbarProgress&) = delete;

    void Set(HWND window, unsigned long long done, unsigned long long total);
    void Clear(HWND window);

private:
    // Entered and made at the first use; released before the apartment is left.
    std::optional<vrok::user::com::CApartment> m_apartment;
    vrok::user::com::CInterface<ITaskbarList3> m_taskbar;
};

// What the main window shows of a hashing job: a standard progress bar over the status bar's
// second part and the taskbar button's progress. The bar is a child of the status bar, which
// destroys it.
class CHashingDisplay
{
public:
    // Steps of the bar from empty to full.
    static const int Range = 1000;
    // Pixels at 96 DPI between the bar and each side of its part.
    static const int EdgeInset = 2;

    CHashingDisplay();

    // Creates the (hidden) bar over the given part of the status bar.
    void Attach(HWND mainWindow, HWND statusBar, int part);
    void Show(const hashing::CJobProgress& progress);
    void Hide();
    // Moves a shown bar back over its part once the status bar has been laid out again.
    void FollowStatusBar();

    HWND GetProgressBar() const { return m_progressBar; }

private:
    HWND m_mainWindow;
    HWND m_statusBar;
    HWND m_progressBar;
    int m_part;
    CTaskbarProgress m_taskbar;
};

// The progress sentence from its pattern in the language file: {percent} becomes "42 %",
// {speed} "123.4 MB/s" and {time} the time left as m:ss (h:mm:ss from an hour on), each once.
std::wstring FormatProgressSentence(const std::wstring& pattern, const hashing::CJobProgress& progress);

#endif
