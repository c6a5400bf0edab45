#ifndef VESTIGON_APP_MY_WINDOW_H
#define VESTIGON_APP_MY_WINDOW_H

#include "vrok_data/vrok_string.h"
#include "vrok_user/vrok_statusbar.h"
#include "vrok_user/vrok_stdmainwindow.h"

// The program's main window: the program's icon on a blue background and, along the bottom,
// a status bar with the parts "md5" and " ".
class OMyWindow : public vrok::user::mainwindow::CStdMainWindow
{
public:
    static const int CaptionLength = 360;
    static const int StatusBarIdentifier = 123;
    static const int IconIdentifier = 106;

    // path names the file to show at start; null or empty: none.
    explicit OMyWindow(const vrok::data::type::string::CString* path);
    ~OMyWindow() override;

    void OnCreate() override;
    bool OnRegisterClass(vrok::user::basewindow::CWindowClass& windowClass) override;

    vrok::user::controls::statusbar::CStdStatusBar* GetStatusBar() const { return m_statusBar; }
    const vrok::data::type::string::CString& GetFilePath() const { return m_filePath; }
    const wchar_t* GetCaption() const { return m_caption; }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateStatusBar();
    void OnSize();

    vrok::user::controls::statusbar::CStdStatusBar* m_statusBar;
    wchar_t m_caption[CaptionLength];
    int m_prefixLength;
    int m_captionLength;
    vrok::data::type::string::CString m_filePath;
};

#endif
