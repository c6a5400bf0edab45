#include "window/window_caption.h"

#include <shlwapi.h>

#include <cwchar>

const wchar_t CWindowCaption::Prefix[] = L"file : ";

namespace {

// The platform's path compaction works on a buffer of MAX_PATH characters; a longer line is
// first shortened by hand, keeping its start and its end (the file name and the line break).
const size_t CompactionLimit = MAX_PATH - 1;
const wchar_t Ellipsis[] = L"...";
const size_t EllipsisLength = 3;
const size_t KeptStart = 3;

// The path in `line` (MAX_PATH characters), at most CompactionLimit of them.
void MakePathLine(const wchar_t* path, wchar_t (&line)[MAX_PATH])
{
    const size_t pathLength = std::wcslen(path);
    if (pathLength <= CompactionLimit)
    {
        std::wmemcpy(line, path, pathLength);
        line[pathLength] = L'\0';
        return;
    }
    const size_t keptEnd = CompactionLimit - KeptStart - EllipsisLength;
    wchar_t* end = line;
    end = std::wmemcpy(end, path, KeptStart) + KeptStart;
    end = std::wmemcpy(end, Ellipsis, EllipsisLength) + EllipsisLength;
    end = std::wmemcpy(end, path + pathLength - keptEnd, keptEnd) + keptEnd;
    end[0] = L'\0';
}

}

CWindowCaption::CWindowCaption() : m_text(), m_prefixLength(static_cast<int>(std::wcslen(Prefix)))
{
    std::wcscpy(m_text, Prefix);
    m_pathLineEnd = m_prefixLength;
}

void CWindowCaption::FormatPath(const wchar_t* path, HDC context, int width)
{
    std::wmemset(m_text + m_prefixLength, L'\0', Capacity - m_prefixLength);
    wchar_t line[MAX_PATH] = {};
    MakePathLine(path != nullptr ? path : L"", line);
    // The line break is not part of what is measured: the compacted path alone fits the width.
    PathCompactPathW(context, line, width > 0 ? static_cast<UINT>(width) : 0);
    line[MAX_PATH - 2] = L'\0';
    // The room after the prefix (352 characters) is larger than any compacted line.
    std::wcsncpy(m_text + m_prefixLength, line, Capacity - 2 - m_prefixLength);
    std::wcscat(m_text, L"\n");
    m_pathLineEnd = static_cast<int>(std::wcslen(m_text));
}

void CWindowCaption::AppendSentence(const wchar_t* sentence)
{
    const int room = Capacity - 1 - m_pathLineEnd;
    wchar_t* end = m_text + m_pathLineEnd;
    if (sentence != nullptr && room > 0)
        std::wcsncpy(end, sentence, room);
    m_text[Capacity - 1] = L'\0';
    if (sentence == nullptr)
        end[0] = L'\0';
}
