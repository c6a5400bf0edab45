#ifndef VESTIGON_WINDOW_CAPTION_H
#define VESTIGON_WINDOW_CAPTION_H

#include <windows.h>

// The text that the notification strip shows: "file : ", then, once a file has been shown, its
// path compacted to a width in pixels and a line break, then the last verdict sentence.
// Everything stays inside 359 characters and a terminator, whatever the path or sentence.
class CWindowCaption
{
public:
    static const int Capacity = 360;
    static const wchar_t Prefix[];

    CWindowCaption();

    // Replaces everything after the prefix with the path and a line break, the middle of the
    // path giving way to an ellipsis so that the line fits `width` pixels in the context's font.
    void FormatPath(const wchar_t* path, HDC context, int width);

    // Writes the sentence after the path line (over the previous sentence), cut to the room left.
    void AppendSentence(const wchar_t* sentence);

    const wchar_t* Text() const { return m_text; }
    int PrefixLength() const { return m_prefixLength; }
    // Where the sentence starts: the length up to and including the path line.
    int PathLineEnd() const { return m_pathLineEnd; }

private:
    wchar_t m_text[Capacity];
    int m_prefixLength;
    int m_pathLineEnd;
};

#endif
