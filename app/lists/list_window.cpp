#include "lists/list_window.h"

#include "resource.h"

#include "checksums/file_names.h"

#include "settings/command_ids.h"
#include "settings/program_messages.h"
#include "vrok_user/vrok_dpi.h"
#include "vrok_user/vrok_gdiobject.h"
#include "vrok_user/vrok_messagebox.h"

#include <shlwapi.h>

#include <algorithm>

using vrok::user::basewindow::CBaseWindow;
using vrok::user::basewindow::CWindowClass;
using vrok::user::controls::ControlClosedToolWindow;
using vrok::user::dpi::DpiOfWindow;
using vrok::user::graphics::CBitmap;
using vrok::user::graphics::CFont;
using vrok::user::dpi::Scale;
using vrok::user::messagebox::ShowPathErrorText;
using namespace lists;

const wchar_t CListWindow::ClassName[] = L"VESTIGON_LIST_WINDOW_CLASSNAME";

namespace {

// Bitmap resources of the shields: OK, missing or unreadable, differs.
const int GreenShield = IDB_VERDICT_EQUAL;
const int OrangeShield = IDB_VERDICT_WARNING;
const int RedShield = IDB_VERDICT_DIFFERENT;
const COLORREF ShieldGround = RGB(255, 255, 225);
const int IconSize = 16;
const int FontHeight = 13;
const int Margin = 6;
const int BarHeight = 22;
const int ButtonWidth = 120;
const int LabelHeight = 18;
const int InitialWidth = 720;
const int InitialHeight = 480;
const int MinimumWidth = 360;
const int MinimumHeight = 240;
const int ColumnWidths[] = {260, 90, 240, 90};
const int ColumnCount = 4;
const int NameColumn = 0;
const int ResultColumn = 1;
const int DigestColumn = 2;
const int SizeColumn = 3;
// Room beside a header's text: the margins and the sort arrow.
const int HeaderPadding = 28;

enum ShieldImage { GreenImage, OrangeImage, RedImage };

// Where a result sorts: OK first, then what needs looking at, the unchecked last.
int RankOf(Result result)
{
    switch (result) {
    case Result::Ok: return 0;
    case Result::Differs: return 1;
    case Result::Missing: return 2;
    case Result::Unreadable: return 3;
    default: return 4;
    }
}

// Negative, zero or positive as the first entry sorts before, with or after the second.
int CompareEntries(const ListEntry& first, const ListEntry& second, int column)
{
    switch (column) {
    case NameColumn: return lstrcmpiW(first.name.c_str(), second.name.c_str());
    case ResultColumn: return RankOf(first.result) - RankOf(second.result);
    case DigestColumn: return first.computed.compare(second.computed);
    default:
        if (first.sizeKnown != second.sizeKnown)
            return first.sizeKnown ? 1 : -1;
        return first.size < second.size ? -1 : first.size > second.size ? 1 : 0;
    }
}

// The size as Explorer shows it ("2.93 KB", "1.00 GB").
std::wstring ByteSizeText(unsigned long long size)
{
    wchar_t text[64] = {};
    return StrFormatByteSizeW(static_cast<LONGLONG>(size), text, 64) != nullptr ? std::wstring(text) : std::wstring();
}

int ImageOf(Result result)
{
    switch (result) {
    case Result::Ok: return GreenImage;
    case Result::Differs: return RedImage;
    case Result::Missing:
    case Result::Unreadable: return OrangeImage;
    default: return I_IMAGENONE;
    }
}

int ImageOf(Shade shade)
{
    switch (shade) {
    case Shade::Green: return GreenImage;
    case Shade::Red: return RedImage;
    default: return OrangeImage;
    }
}

struct CDcDeleter { void operator()(HDC context) const { DeleteDC(context); } };
struct CObjectDeleter { void operator()(HGDIOBJ object) const { DeleteObject(object); } };
typedef std::unique_ptr<std::remove_pointer<HDC>::type, CDcDeleter> CDcOwner;
typedef std::unique_ptr<std::remove_pointer<HBITMAP>::type, CObjectDeleter> CBitmapOwner;

// A shield drawn for the density, brought down to the list's icon size, its pale ground made
// transparent. An image that cannot be made stays empty: the row shows no shield.
void AddShield(HIMAGELIST list, int bitmapId, int dpi, int iconSize)
{
    CBitmap source;
    BITMAP size = {};
    HDC screen = GetDC(nullptr);
    CDcOwner from(CreateCompatibleDC(screen));
    CDcOwner to(CreateCompatibleDC(screen));
    CBitmapOwner small(CreateCompatibleBitmap(screen, iconSize, iconSize));
    ReleaseDC(nullptr, screen);
    if (!source.LoadForDpi(bitmapId, dpi) || !from || !to || !small ||
        GetObjectW(source.GetHandle(), sizeof(size), &size) == 0) {
        ImageList_Add(list, nullptr, nullptr);
        return;
    }
    HGDIOBJ oldFrom = SelectObject(from.get(), source.GetHandle());
    HGDIOBJ oldTo = SelectObject(to.get(), small.get());
    SetStretchBltMode(to.get(), HALFTONE);
    StretchBlt(to.get(), 0, 0, iconSize, iconSize, from.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(from.get(), oldFrom);
    SelectObject(to.get(), oldTo);
    ImageList_AddMasked(list, small.get(), ShieldGround);
}

// The clipboard holds the text as Unicode; false when another program keeps it open.
bool PutOnClipboard(HWND owner, const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    CopyMemory(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed)
        GlobalFree(memory);
    return placed;
}

}

CListWindow::CListWindow()
    : m_sortColumn(-1), m_sortAscending(true), m_otherLines(0), m_job(WM_LIST_NEWS), m_listTaken(false),
      m_ended(false), m_stopped(false),
      m_shownFile(static_cast<size_t>(-1)), m_dpi(vrok::user::dpi::StandardDpi), m_listView(nullptr), m_progressBar(nullptr), m_currentFile(nullptr),
      m_copyButton(nullptr), m_statusBar(nullptr)
{
}

CListWindow::~CListWindow()
{
    m_job.Stop();
}

bool CListWindow::Open(CBaseWindow* owner, const std::wstring& listPath, const wchar_t* languageFilePath)
{
    m_texts = ReadListTexts(languageFilePath);
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
    if (!vrok::user::controls::CControl::Create(owner, ClassName, 0, caption.c_str(), CW_USEDEFAULT, CW_USEDEFAULT,
                                                Px(InitialWidth), Px(InitialHeight), WS_EX_APPWINDOW,
                                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN))
        return false;
    return true;
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
    HINSTANCE module = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    m_progressBar = ::CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_handle,
                                    nullptr, module, nullptr);
    SendMessageW(m_progressBar, PBM_SETRANGE32, 0, ProgressRange);
    m_copyButton = ::CreateWindowExW(0, L"BUTTON", m_texts.copyButton.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                   0, 0, 0, 0, m_handle,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(commands::CopyResults)), module, nullptr);
    m_currentFile = ::CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS,
                                    0, 0, 0, 0, m_handle, nullptr, module, nullptr);
    m_listView = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHAREIMAGELISTS,
                                 0, 0, 0, 0, m_handle, nullptr, module, nullptr);
    m_statusBar = ::CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  m_handle, nullptr, module, nullptr);
    ApplyFont();
    SendMessageW(m_listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_shields.reset(ImageList_Create(Px(IconSize), Px(IconSize), ILC_COLOR32 | ILC_MASK, 3, 0));
    for (int shield : {GreenShield, OrangeShield, RedShield})
        AddShield(m_shields.get(), shield, m_dpi, Px(IconSize));
    SendMessageW(m_listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_shields.get()));
    AddColumns();
    SetWindowTextW(m_currentFile, m_listPath.c_str());
    SetFocus(m_listView);
}

void CListWindow::AddColumns()
{
    const std::wstring* titles[] = {&m_texts.columnName, &m_texts.columnResult, &m_texts.columnDigest,
                                    &m_texts.columnSize};
    for (int column = 0; column < ColumnCount; ++column) {
        LVCOLUMNW description = {};
        description.mask = LVCF_TEXT | LVCF_FMT;
        description.fmt = column == SizeColumn ? LVCFMT_RIGHT : LVCFMT_LEFT;
        description.pszText = const_cast<wchar_t*>(titles[column]->c_str());
        SendMessageW(m_listView, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
    }
    FitColumns();
}

// At least the width the density gives it, and room for the header's text in the window's font.
int CListWindow::ColumnWidth(int column) const
{
    wchar_t title[128] = {};
    LVCOLUMNW description = {};
    description.mask = LVCF_TEXT;
    description.pszText = title;
    description.cchTextMax = 128;
    SendMessageW(m_listView, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
    const int textWidth = static_cast<int>(SendMessageW(m_listView, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title)));
    return std::max(Px(ColumnWidths[column]), textWidth + Px(HeaderPadding));
}

// The name column takes the room the window gains beyond the columns' own widths.
void CListWindow::FitColumns()
{
    int others = 0;
    for (int column = NameColumn + 1; column < ColumnCount; ++column) {
        const int width = ColumnWidth(column);
        SendMessageW(m_listView, LVM_SETCOLUMNWIDTH, column, width);
        others += width;
    }
    RECT client = {};
    ::GetClientRect(m_listView, &client);
    SendMessageW(m_listView, LVM_SETCOLUMNWIDTH, NameColumn, std::max(ColumnWidth(NameColumn), static_cast<int>(client.right) - others));
}

void CListWindow::Layout()
{
    if (m_listView == nullptr)
        return;
    RECT client = {};
    ::GetClientRect(m_handle, &client);
    SendMessageW(m_statusBar, WM_SIZE, 0, 0);
    RECT bar = {};
    ::GetWindowRect(m_statusBar, &bar);
    const int statusHeight = bar.bottom - bar.top;
    const int width = client.right;
    const int margin = Px(Margin);
    const int barHeight = Px(BarHeight);
    const int buttonWidth = Px(ButtonWidth);
    MoveWindow(m_progressBar, margin, margin, width - buttonWidth - 3 * margin, barHeight, TRUE);
    MoveWindow(m_copyButton, width - buttonWidth - margin, margin, buttonWidth, barHeight, TRUE);
    const int labelTop = 2 * margin + barHeight;
    MoveWindow(m_currentFile, margin, labelTop, width - 2 * margin, Px(LabelHeight), TRUE);
    const int listTop = labelTop + Px(LabelHeight) + margin;
    MoveWindow(m_listView, 0, listTop, width, client.bottom - statusHeight - listTop, TRUE);
    FitColumns();
}

// The controls let go of the old font before it goes: none ever holds a deleted one.
void CListWindow::ApplyFont()
{
    const HWND controls[] = {m_copyButton, m_currentFile, m_listView, m_statusBar};
    for (HWND control : controls)
        SendMessageW(control, WM_SETFONT, 0, FALSE);
    m_font.reset(new CFont());
    m_font->lfHeight = -Px(FontHeight);
    m_font->SetFaceName(L"Tahoma");
    m_font->Create();
    for (HWND control : controls)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font->GetHandle()), TRUE);
}

int CListWindow::Px(int value) const
{
    return Scale(value, m_dpi);
}

bool CListWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
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
    limits.ptMinTrackSize = {Px(MinimumWidth), Px(MinimumHeight)};
    return true;
}

bool CListWindow::OnSetFocus()
{
    SetFocus(m_listView);
    return true;
}

bool CListWindow::OnCommand(int id, int, HWND)
{
    if (id == commands::CopyResults) {
        CopyResults();
        SetFocus(m_listView);
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

bool CListWindow::StartChecking()
{
    return m_job.Start(m_listPath, m_handle, checksums::AlgorithmSet::All()) != 0;
}

// The rows show once the worker has read the list, in the list's order.
void CListWindow::ShowListedRows()
{
    m_listTaken = true;
    m_rows.resize(m_entries.size());
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row] = row;
    SendMessageW(m_listView, LVM_SETITEMCOUNT, m_entries.size(), 0);
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
    if (news.listHanded) {
        m_entries.swap(news.entries);
        m_otherLines = news.otherLines;
        ShowListedRows();
    }
    ApplyResults(news.results);
    ShowSummary(!news.ended);
}

void CListWindow::CopyResults()
{
    PutOnClipboard(m_handle, FormatCopiedResults(m_entries));
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

// An ended worker has handed over every result before it ended.
void CListWindow::ApplyNews(ListNews& news)
{
    if (news.listState == ListState::Unreadable) {
        OnListUnreadable();
        return;
    }
    if (news.listHanded) {
        m_entries.swap(news.entries);
        m_otherLines = news.otherLines;
        ShowListedRows();
    }
    ApplyResults(news.results);
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
    else if (!m_entries.empty())
        position = static_cast<int>(progress.current * ProgressRange / m_entries.size());
    SendMessageW(m_progressBar, PBM_SETPOS, position, 0);
    ShowCurrentFile(progress.current);
}

void CListWindow::ShowCurrentFile(size_t index)
{
    if (index == m_shownFile || index >= m_entries.size())
        return;
    m_shownFile = index;
    SetWindowTextW(m_currentFile, m_entries[index].name.c_str());
}

void CListWindow::ApplyResults(const std::vector<CheckedFile>& files)
{
    if (files.empty())
        return;
    for (const CheckedFile& file : files) {
        if (file.index >= m_entries.size())
            continue;
        ListEntry& entry = m_entries[file.index];
        entry.result = file.result;
        entry.computed = file.digest;
        entry.size = file.size;
        entry.sizeKnown = file.sizeKnown;
    }
    if (m_sortColumn >= 0)
        SortRows();
    InvalidateRect(m_listView, nullptr, FALSE);
}

// A second click on the same header sorts the other way.
void CListWindow::SortBy(int column)
{
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;
    SortRows();
    const HWND header = reinterpret_cast<HWND>(SendMessageW(m_listView, LVM_GETHEADER, 0, 0));
    for (int index = 0; index < ColumnCount; ++index) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (index == column)
            item.fmt |= m_sortAscending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    InvalidateRect(m_listView, nullptr, FALSE);
}

// Rows that compare equal keep the list's order.
void CListWindow::SortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](size_t first, size_t second) {
        const int order = CompareEntries(m_entries[first], m_entries[second], m_sortColumn);
        if (order == 0)
            return first < second;
        return m_sortAscending ? order < 0 : order > 0;
    });
}

void CListWindow::SelectFirstFailure()
{
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_entries[m_rows[row]].result == Result::Ok)
            continue;
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(m_listView, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        SendMessageW(m_listView, LVM_ENSUREVISIBLE, row, FALSE);
        return;
    }
}

void CListWindow::ShowSummary(bool stopped)
{
    m_ended = true;
    m_stopped = stopped;
    const Tally tally = CountResults(m_entries);
    const std::wstring summary = FormatSummary(tally, m_otherLines, stopped, m_texts.summary);
    m_summaryIcon.reset(ImageList_GetIcon(m_shields.get(), ImageOf(ShadeOf(tally)), ILD_NORMAL));
    SendMessageW(m_statusBar, SB_SETICON, 0, reinterpret_cast<LPARAM>(stopped ? nullptr : m_summaryIcon.get()));
    SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(summary.c_str()));
    if (!stopped)
        SendMessageW(m_progressBar, PBM_SETPOS, ProgressRange, 0);
    SetWindowTextW(m_currentFile, m_listPath.c_str());
    SelectFirstFailure();
}

bool CListWindow::OnGetDisplayInfo(NMLVDISPINFOW& info)
{
    LVITEMW& item = info.item;
    if (info.hdr.hwndFrom != m_listView || item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.size())
        return true;
    const ListEntry& entry = m_entries[m_rows[item.iItem]];
    if (item.mask & LVIF_IMAGE)
        item.iImage = ImageOf(entry.result);
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
        lstrcpynW(item.pszText, CellText(entry, item.iSubItem).c_str(), item.cchTextMax);
    return true;
}

std::wstring CListWindow::CellText(const ListEntry& entry, int column) const
{
    switch (column) {
    case NameColumn: return entry.name;
    case ResultColumn: return m_texts.ResultText(entry.result);
    case DigestColumn: return entry.computed;
    case SizeColumn: return entry.sizeKnown ? ByteSizeText(entry.size) : std::wstring();
    default: return std::wstring();
    }
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
    if (header.hwndFrom != m_listView)
        return true;
    if (header.code == LVN_KEYDOWN)
        OnListViewKey(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
    else if (header.code == LVN_COLUMNCLICK)
        SortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    return true;
}

// The job is stopped and waited for (bounded) before the window goes: its news would have
// nowhere to go, and the files it holds open are let go once its workers have read their pieces.
bool CListWindow::OnDestroy()
{
    m_job.Stop();
    m_job.WaitForEnd(vrok::system::job::CBackgroundJob::StopWaitMs);
    SendMessageW(m_listView, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    return false;
}
