#ifndef VESTIGON_STRIP_PRESENTER_H
#define VESTIGON_STRIP_PRESENTER_H

#include "window/window_caption.h"

#include <functional>
#include <string>

namespace vrok { namespace user { namespace controls { namespace panel { class CNotifyWindow; } } } }

// What the notification strip along the top of the main window shows: "file : " and the shown
// file's path compacted to the strip's width, then a sentence (a verdict, with its picture, or
// how far hashing has come, without one). The strip may be missing: the window goes on without.
class CStripPresenter
{
public:
    CStripPresenter() : m_strip(nullptr) {}

    // `textChanged` runs after each change of the text, when the strip may need another height.
    void Attach(vrok::user::controls::panel::CNotifyWindow* strip, std::function<void()> textChanged)
    {
        m_strip = strip;
        m_textChanged = std::move(textChanged);
    }

    // The path line of a newly chosen file, measured in the strip's font in the width of its
    // line less the prefix; the sentence goes.
    void SetFile(const std::wstring& path);
    // Shows the text as it is, without a picture and without sliding in (the start file).
    void ShowAsItIs();
    // Shows the text without a picture and slides in (a newly chosen file).
    void SlideIn();
    // A verdict: the sentence after the path line, the picture, and the strip slides in.
    void ShowVerdict(const std::wstring& sentence, int pictureId);
    // Progress, a stop, or nothing: the sentence changes in place, without a picture.
    void ShowInPlace(const std::wstring& sentence);
    // Slides the strip in again, as it is.
    void Replay();
    // For the strip's new room or font: the path line is compacted again; sentence and picture stay.
    void FitAgain();

    const wchar_t* Text() const { return m_caption.Text(); }

private:
    bool HasStrip() const;
    void TextChanged() const;

    vrok::user::controls::panel::CNotifyWindow* m_strip;
    std::function<void()> m_textChanged;
    CWindowCaption m_caption;
    std::wstring m_path;
};

#endif
