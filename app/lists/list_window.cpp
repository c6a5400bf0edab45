#include "lists/list_window.h"
#include "vrok_data/vrok_string.h"
#include "settings/profile_files.h"
#include "settings/language_texts.h"
#include "signatures/signature_sentence.h"

#include "resource.h"

#include "checksums/file_names.h"
#include "settings/command_ids.h"
#include "settings/program_messages.h"
#include "vrok_user/vrok_clipboard.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_messagebox.h"

#include <algorithm>

using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;
using vrok::user::controls::ControlClosedToolWindow;
using vrok::user::controls::label::CLabel;
using vrok::user::dpi::DpiOfWindow;
using vrok::user::dpi::Scale;
using vrok::user::messagebox::ShowPathErrorText;
using namespace lists;

const wchar_t CListWindow::ClassName[] = L"VESTIGON_LIST_WINDOW_CLASSNAME";

namespace {

const int FontHeight = 13;
const int Margin = 6;
const int BarHeight = 22;
const int ButtonWidth = 120;
const int LabelHeight = 18;
const SIZE InitialSize = {720, 480};
const SIZE MinimumSize = {360, 240};

}

CListWindow::CListWindow()
    : m_otherLines(0), m_job(WM_LIST_NEWS), m_listTaken(false),
      m_ended(false), m_stopped(false), m_shownFile(static_cast<size_t>(-1)), m_dpi(vrok::user::dpi::StandardDpi)
{
}

// The window goes first, while the controls, the font and the pictures it uses are whole.
CListWindow::~CListWindow()
{
    m_job.Stop();
    DestroyUnheard();
}

bool CListWindow::Open(CBaseWindow* owner, const std::wstring& listPath, const wchar_t* languageFilePath,
                       std::shared_ptr<const signatures::CKeyring> keys)
{
    m_texts = ReadListTexts(languageFilePath);
    m_languageFile = languageFilePath != nullptr ? languageFilePath : L"";
    m_keys = std::move(keys);
    m_listPath = listPath;
    if (!CreateFrame(owner, listPath))
        return false;
    if (StartChecking())
        return true;
    CBaseWindow::Close();
    ShowPathErrorText(m_texts.cannotRead, listPath.c_str());
    return false;
}

bool CListWindow::CreateFrame(CBaseWindow* owner, const std::wstring& listPath)
{
    CWindowClass windowClass;
    windowClass.lpszClassName = ClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VESTIGON));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.Register();
    const std::wstring caption = checksums::FileNameOf(listPath) + L" - " + m_texts.title;
    m_dpi = DpiOfWindow(owner != nullptr ? owner->GetHandle() : nullptr);
    return vrok::user::controls::CControl::Create(owner, ClassName, 0, caption.c_str(), CW_USEDEFAULT, CW_USEDEFAULT,
                                                  Px(InitialSize.cx), Px(InitialSize.cy), WS_EX_APPWINDOW,
                                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}

// The children are made before the window is first shown, so nobody (a user, a screen reader)
// finds the list window without its list and status bar.
void CListWindow::OnCreate()
{
    m_dpi = DpiOfWindow(m_handle);
    CreateChildren();
    Layout();
}

void CListWindow::CreateChildren()
{
    m_progressBar.Create(this, ProgressRange);
    m_copyButton.Create(this, commands::CopyResults, m_texts.copyButton.c_str(), 0, 0, 0, 0, 0, 0);
    m_currentFile.Create(this, CLabel::Shortening::PathMiddle);
    m_note.Create(this, CLabel::Shortening::End);
    ShowWindow(m_note.GetHandle(), SW_HIDE);
    m_table.Create(this, m_texts, m_dpi);
    m_statusBar.Create(this, 0);
    ApplyFont();
    m_table.FitColumns();
    m_currentFile.SetText(m_listPath.c_str());
    SetFocus(ListView());
}

// Top to bottom: the progress bar beside the button, the current file, the note when there is
// one, the rows, the status bar.
void CListWindow::Layout()
{
    if (m_table.View().IsNull())
        return;
    RECT client = {};
    GetClientRect(client);
    const int statusHeight = m_statusBar.FollowParent();
    const int width = client.right;
    const int margin = Px(Margin);
    const int barHeight = Px(BarHeight);
    const int buttonWidth = Px(ButtonWidth);
    const int labelHeight = Px(LabelHeight);
    m_progressBar.Move(margin, margin, width - buttonWidth - 3 * margin, barHeight);
    m_copyButton.Move(width - buttonWidth - margin, margin, buttonWidth, barHeight);
    int top = 2 * margin + barHeight;
    m_currentFile.Move(margin, top, width - 2 * margin, labelHeight);
    top += labelHeight + margin;
    if (!m_noteText.empty()) {
        m_note.Move(margin, top, width - 2 * margin, labelHeight);
        top += labelHeight + margin;
    }
    m_table.View().Move(0, top, width, client.bottom - statusHeight - top);
    m_table.FitColumns();
}

// The controls let go of the old font before it goes: none ever holds a deleted one.
void CListWindow::ApplyFont()
{
    CBaseWindow* const controls[] = {&m_copyButton, &m_currentFile, &m_note, &m_table.View(), &m_statusBar};
    for (CBaseWindow* control : controls)
        control->SetFont(nullptr);
    m_font.lfHeight = -Px(FontHeight);
    m_font.SetFaceName(L"Tahoma");
    m_font.Create();
    for (CBaseWindow* control : controls)
        control->SetFont(m_font.GetHandle());
}

int CListWindow::Px(int value) const
{
    return Scale(value, m_dpi);
}

bool CListWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    m_table.SetDpi(dpi);
    ApplyFont();
    SetWindowPos(m_handle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    return true;
}

bool CListWindow::OnSize(int, int)
{
    Layout();
    return true;
}

bool CListWindow::OnMinMaxInfo(MINMAXINFO& limits)
{
    limits.ptMinTrackSize = {Px(MinimumSize.cx), Px(MinimumSize.cy)};
    return true;
}

bool CListWindow::OnSetFocus()
{
    SetFocus(ListView());
    return true;
}

bool CListWindow::OnCommand(int id, int, HWND)
{
    if (id == commands::CopyResults) {
        CopyResults();
        SetFocus(ListView());
    }
    return true;
}

bool CListWindow::OnNotice(UINT message, WPARAM number)
{
    if (message != WM_LIST_NEWS)
        return false;
    OnNews(number);
    return true;
}

bool CListWindow::OnClose()
{
    Close();
    return true;
}

void CListWindow::ShowNote(const std::wstring& text)
{
    m_noteText = text;
    m_note.SetText(text.c_str());
    ShowWindow(m_note.GetHandle(), text.empty() ? SW_HIDE : SW_SHOWNA);
    Layout();
}

bool CListWindow::StartChecking()
{
    return m_job.Start(m_listPath, m_handle, checksums::AlgorithmSet::All(), m_keys) != 0;
}

// The sentence the main window would say of the list's signature, in the same words.
void CListWindow::ShowSignature(const signatures::SignatureResult& signature)
{
    const signatures::SignatureSentence sentence = signatures::SentenceOf(signature, false);
    if (sentence.key == nullptr)
        return;
    ShowNote(vrok::data::type::string::FillIn(
        languagetexts::ReadLanguageText(m_languageFile.c_str(), profile::SectionSignatures, sentence.key,
                                        profile::ValueBufferLength),
        L"%s", sentence.names));
}

// The window goes before the box shows: the box's message loop may see the owner let go of
// this object, so nothing of it is used afterwards.
void CListWindow::OnListUnreadable()
{
    m_ended = true;
    const std::wstring sentence = m_texts.cannotRead;
    const std::wstring path = m_listPath;
    Close();
    ShowPathErrorText(sentence, path.c_str());
}

// What the worker handed over before the stop is shown, the list before its results, whether or
// not its notice has arrived yet; a worker that had ended by then gives the usual summary.
void CListWindow::StopChecking()
{
    if (m_ended)
        return;
    m_job.Stop();
    ListNews news;
    m_job.TakeRest(news);
    if (news.listHanded)
        ShowSignature(news.signature);
    TakeList(news);
    m_table.ApplyResults(news.results);
    ShowSummary(!news.ended);
}

void CListWindow::CopyResults()
{
    vrok::user::clipboard::PutText(m_handle, FormatCopiedResults(m_table.Entries()));
}

bool CListWindow::Close()
{
    NotifyParentOfClose(ControlClosedToolWindow);
    return CBaseWindow::Close();
}

// News of a stopped job, or of another window's job, is dropped.
void CListWindow::OnNews(WPARAM jobNumber)
{
    ListNews news;
    if (!m_ended && m_job.TakeNews(jobNumber, news))
        ApplyNews(news);
}

// The rows show once the worker has read the list, in the list's order.
void CListWindow::TakeList(ListNews& news)
{
    if (!news.listHanded)
        return;
    m_listTaken = true;
    m_table.TakeEntries(news.entries);
    m_otherLines = news.otherLines;
}

// An ended worker has handed over every result before it ended.
void CListWindow::ApplyNews(ListNews& news)
{
    if (news.listState == ListState::Unreadable) {
        OnListUnreadable();
        return;
    }
    if (news.listHanded)
        ShowSignature(news.signature);
    TakeList(news);
    m_table.ApplyResults(news.results);
    if (news.ended)
        ShowSummary(false);
    else if (m_listTaken)
        ShowProgress(news.progress);
}

void CListWindow::ShowProgress(const CheckProgress& progress)
{
    int position = 0;
    if (progress.bytesTotal > 0)
        position = static_cast<int>(std::min(progress.bytesDone, progress.bytesTotal) * ProgressRange / progress.bytesTotal);
    else if (!m_table.Entries().empty())
        position = static_cast<int>(progress.current * ProgressRange / m_table.Entries().size());
    m_progressBar.SetPosition(position);
    ShowCurrentFile(progress.current);
}

void CListWindow::ShowCurrentFile(size_t index)
{
    if (index == m_shownFile || index >= m_table.Entries().size())
        return;
    m_shownFile = index;
    m_currentFile.SetText(m_table.Entries()[index].name.c_str());
}

void CListWindow::ShowSummary(bool stopped)
{
    m_ended = true;
    m_stopped = stopped;
    const Tally tally = CountResults(m_table.Entries());
    const std::wstring summary = FormatSummary(tally, m_otherLines, stopped, m_texts.summary);
    m_summaryIcon = m_table.MakeShieldIcon(ShadeOf(tally));
    m_statusBar.SetPartIcon(0, stopped ? nullptr : m_summaryIcon.Get());
    m_statusBar.SetPartText(0, summary.c_str());
    if (!stopped)
        m_progressBar.SetPosition(ProgressRange);
    m_currentFile.SetText(m_listPath.c_str());
    m_table.SelectFirstFailure();
}

bool CListWindow::OnGetDisplayInfo(NMLVDISPINFOW& info)
{
    m_table.GiveCell(info);
    return true;
}

void CListWindow::OnListViewKey(UINT key)
{
    if (key == VK_ESCAPE)
        StopChecking();
    else if (key == 'C' && GetKeyState(VK_CONTROL) < 0)
        CopyResults();
}

bool CListWindow::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != ListView())
        return true;
    if (header.code == LVN_KEYDOWN)
        OnListViewKey(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
    else if (header.code == LVN_COLUMNCLICK)
        m_table.SortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    return true;
}

// The job is stopped and waited for (bounded) before the window goes: its news would have
// nowhere to go, and the files it holds open are let go once its workers have read their pieces.
bool CListWindow::OnDestroy()
{
    m_job.Stop();
    m_job.WaitForEnd(vrok::system::job::CBackgroundJob::StopWaitMs);
    m_table.Release();
    return false;
}
