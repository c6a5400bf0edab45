#include "cli/list_job_runner.h"

#include "settings/program_messages.h"

namespace cli {

CListJobRunner::CListJobRunner()
    : m_job(WM_LIST_NEWS),
      m_window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr))
{
}

bool CListJobRunner::Run(unsigned job, CConsoleOutput& output, const std::function<void(lists::ListNews&)>& take)
{
    if (job == 0 || !m_window.IsValid())
        return false;
    const DWORD start = GetTickCount();
    MSG message;
    for (bool ended = false; !ended && GetMessageW(&message, nullptr, 0, 0) > 0;) {
        if (message.hwnd != m_window.Get() || message.message != WM_LIST_NEWS) {
            DispatchMessageW(&message);
            continue;
        }
        lists::ListNews news;
        if (!m_job.TakeNews(message.wParam, news))
            continue;
        take(news);
        ended = news.ended;
        if (!ended && news.progress.bytesTotal > 0)
            output.ShowProgress(FormatProgress(news.progress.bytesDone, news.progress.bytesTotal, GetTickCount() - start));
    }
    output.ClearProgress();
    return true;
}

}
