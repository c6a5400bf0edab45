#include "window/strip_presenter.h"

#include "vrok_user/vrok_graphic.h"
#include "vrok_user/vrok_notifywindow.h"

using vrok::user::graphics::CGraphic;

bool CStripPresenter::HasStrip() const
{
    return m_strip != nullptr && !m_strip->IsNull();
}

void CStripPresenter::TextChanged() const
{
    if (m_textChanged)
        m_textChanged();
}

void CStripPresenter::SetFile(const std::wstring& path)
{
    m_path = path;
    if (m_strip == nullptr)
        return;
    CGraphic graphic(m_strip->GetHandle());
    if (!m_strip->GetFont().IsNull())
        graphic.SelectFont(m_strip->GetFont());
    SIZE prefix = {};
    GetTextExtentPoint32W(graphic.GetHandle(), CWindowCaption::Prefix, m_caption.PrefixLength(), &prefix);
    m_caption.FormatPath(path.c_str(), graphic.GetHandle(), m_strip->GetLineWidth() - prefix.cx);
}

void CStripPresenter::ShowAsItIs()
{
    if (m_strip == nullptr)
        return;
    m_strip->SetMessage(Text(), 0);
    TextChanged();
}

void CStripPresenter::SlideIn()
{
    if (m_strip == nullptr)
        return;
    m_strip->SetMessage(Text(), 0);
    TextChanged();
    m_strip->Show(true);
}

void CStripPresenter::ShowVerdict(const std::wstring& sentence, int pictureId)
{
    m_caption.AppendSentence(sentence.c_str());
    if (m_strip == nullptr)
        return;
    m_strip->SetMessage(Text(), pictureId);
    TextChanged();
    m_strip->Show(true);
}

void CStripPresenter::ShowInPlace(const std::wstring& sentence)
{
    m_caption.AppendSentence(sentence.c_str());
    if (!HasStrip())
        return;
    m_strip->SetMessage(Text(), 0);
    TextChanged();
    InvalidateRect(m_strip->GetHandle(), nullptr, TRUE);
}

void CStripPresenter::Replay()
{
    if (m_strip != nullptr)
        m_strip->Show(true);
}

void CStripPresenter::FitAgain()
{
    if (m_path.empty() || !HasStrip())
        return;
    const std::wstring sentence(Text() + m_caption.PathLineEnd());
    SetFile(std::wstring(m_path));
    m_caption.AppendSentence(sentence.c_str());
    m_strip->SetMessage(Text(), m_strip->GetIconId());
    TextChanged();
    InvalidateRect(m_strip->GetHandle(), nullptr, TRUE);
}
