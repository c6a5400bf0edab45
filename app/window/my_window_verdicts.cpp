// The main window's digests and verdicts: the digest in use in the digest field, the reference
// in the reference field, and what the strip says of them.
#include "window/my_window.h"

#include "settings/language_texts.h"

#include "checksums/file_names.h"

#include "settings/profile_files.h"
#include "window/checksum_commands.h"
#include "window/cool_control.h"
#include "vrok_data/vrok_string.h"

#include <cwctype>

using checksums::Algorithm;
using checksums::JudgedReference;
using checksums::ReferenceVerdict;
using vrok::data::type::string::FillIn;

namespace {

// A control's whole text; empty when it has none.
std::wstring WholeText(const vrok::user::basewindow::CBaseWindow* control)
{
    if (control == nullptr || control->IsNull())
        return std::wstring();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control->GetHandle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control->GetHandle(), &text[0], static_cast<int>(text.size()))));
    return text;
}

// What the status bar calls the digest: "md5", "sha256", "blake2b".
std::wstring StatusNameOf(Algorithm algorithm)
{
    std::wstring name;
    for (const wchar_t* letter = checksums::ShownNameOf(algorithm); *letter != L'\0'; ++letter)
        if (*letter != L'-')
            name += static_cast<wchar_t>(std::towlower(*letter));
    return name;
}

}

std::wstring OMyWindow::InputText() const
{
    return m_dropPanel != nullptr ? WholeText(m_dropPanel->GetInputField()) : std::wstring();
}

void OMyWindow::SetInputText(const std::wstring& text)
{
    if (m_dropPanel != nullptr && m_dropPanel->GetInputField() != nullptr)
        SetWindowTextW(m_dropPanel->GetInputField()->GetHandle(), text.c_str());
}

void OMyWindow::SetDigestText(const std::wstring& text)
{
    if (m_dropPanel != nullptr && m_dropPanel->GetDigestField() != nullptr)
        SetWindowTextW(m_dropPanel->GetDigestField()->GetHandle(), text.c_str());
    FitLayoutToContent();
}

std::wstring OMyWindow::ShownDigest() const
{
    const std::wstring digest = m_dropPanel != nullptr ? WholeText(m_dropPanel->GetDigestField()) : std::wstring();
    return m_shownFile.empty() ? std::wstring() : digest;
}

// The digest field shows the algorithm's digest once it is computed, and the panel's title and
// the status bar name the algorithm.
void OMyWindow::ShowDigestInUse(Algorithm algorithm, size_t digits)
{
    m_inUse = algorithm;
    m_inUseDigits = digits;
    const std::wstring* digest = m_digests.Find(algorithm, digits != 0 ? digits : checksums::DigitsOf(algorithm));
    SetDigestText(digest != nullptr ? *digest : std::wstring());
    ShowAlgorithmTexts();
}

// With MD5 the panel's title is the language file's own; other digests fill in their name.
void OMyWindow::ShowAlgorithmTexts()
{
    const std::wstring languageFile = LanguageFilePath();
    if (m_dropPanel != nullptr && !m_dropPanel->IsNull() && !languageFile.empty())
    {
        std::wstring title;
        if (m_inUse != Algorithm::Md5)
            title = FillIn(ReadProfileString(languageFile.c_str(), profile::SectionWindowText, profile::KeyTextNamed,
                                             profile::ControlTextBufferLength),
                           L"%s", {checksums::ShownNameOf(m_inUse)});
        if (title.empty())
            title = ReadProfileString(languageFile.c_str(), profile::SectionWindowText, profile::KeyText,
                                      profile::ControlTextBufferLength);
        SetWindowTextW(m_dropPanel->GetHandle(), title.c_str());
        InvalidateRect(m_dropPanel->GetHandle(), nullptr, TRUE);
    }
    if (m_statusBar != nullptr && !m_statusBar->IsNull())
        SendMessageW(m_statusBar->GetHandle(), SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(StatusNameOf(m_inUse).c_str()));
}

std::wstring OMyWindow::ReadSentence(const wchar_t* key) const
{
    return languagetexts::ReadSentence(key, ProgramFolder());
}

std::wstring OMyWindow::SentenceText(const verdicts::Sentence& sentence) const
{
    if (!sentence.aboutSignature)
        return FillIn(ReadSentence(sentence.key), L"%s", sentence.names);
    const std::wstring languageFile = LanguageFilePath();
    const std::wstring text = languageFile.empty() ? std::wstring()
                                                   : ReadProfileString(languageFile.c_str(), profile::SectionSignatures,
                                                                       sentence.key, profile::ValueBufferLength);
    return FillIn(text, L"%s", sentence.names);
}

// The keys of the program's folder: the shipped keyring and the keys the user added.
void OMyWindow::LoadKeys()
{
    const std::wstring globalIni = GetGlobalIniPath(ProgramFolder());
    m_keyStore.reset(new signatures::CKeyStore(globalIni.substr(0, globalIni.find_last_of(L"\\/") + 1)));
    m_keys = std::make_shared<const signatures::CKeyring>(m_keyStore->Keyring());
}

// A signature file named after the hashed file (x.iso.sig) is over the file itself.
void OMyWindow::KeepSignature(const CFileFindings& findings, const std::wstring& path)
{
    m_signature = findings.GetSignature();
    const std::wstring fileName = checksums::FileNameOf(path) + L".";
    m_signatureOverFile = checksums::FileNameOf(m_signature.signatureFile).compare(0, fileName.size(), fileName) == 0;
}

void OMyWindow::ShowVerdict(const verdicts::StripVerdict& verdict)
{
    std::wstring text;
    for (const verdicts::Sentence& sentence : verdict.sentences)
        text += (text.empty() ? L"" : L" ") + SentenceText(sentence);
    m_strip.ShowVerdict(text, verdict.pictureId);
}

// The algorithm a checksum file or a pasted line said for the reference, when it is still the
// reference in the field.
std::optional<Algorithm> OMyWindow::AlgorithmNamedFor(const std::wstring& reference) const
{
    if (!reference.empty() && reference == m_filledReference)
        return m_referenceAlgorithm;
    if (!reference.empty() && reference == m_pastedDigest)
        return m_pastedAlgorithm;
    return std::nullopt;
}

JudgedReference OMyWindow::Judge(const std::wstring& reference) const
{
    const std::optional<Algorithm> named = AlgorithmNamedFor(reference);
    return named ? checksums::JudgeReference(reference, m_digests, *named)
                 : checksums::JudgeReference(reference, m_digests);
}

// While the file is being hashed the comparison waits for its digest; a digest of another
// algorithm is computed first. A reference filled in from a checksum file is compared like a
// typed one; the sentence then also names the file it came from.
void OMyWindow::CompareDigests()
{
    if (m_dropPanel == nullptr)
        return;
    if (IsHashing())
    {
        m_compareWhenHashed = true;
        return;
    }
    const std::wstring reference = InputText();
    const JudgedReference judged = Judge(reference);
    if (judged.verdict == ReferenceVerdict::NeedsDigest)
    {
        HashAgainFor(judged, reference);
        m_compareWhenHashed = IsHashing();
        return;
    }
    if (judged.verdict == ReferenceVerdict::Equal || judged.verdict == ReferenceVerdict::Different ||
        judged.verdict == ReferenceVerdict::NotHexadecimal)
        ShowDigestInUse(judged.algorithm, judged.algorithm == Algorithm::Blake2b ? reference.size() : 0);
    const bool filled = !m_referenceSource.empty() && reference == m_filledReference;
    verdicts::StripVerdict verdict = verdicts::OfReference(judged, filled ? m_referenceSource : std::wstring());
    if (filled || m_signatureOverFile)
        verdicts::AddSignature(verdict, m_signature, m_signatureOverFile);
    ShowVerdict(verdict);
}

// A reference the user typed or pasted is never replaced; one this window filled in for an
// earlier file is, or is taken away when nothing is found for the new one. True when the
// checksum files gave a verdict.
bool OMyWindow::UseFoundReference(const CFileFindings& findings)
{
    if (!findings.LookedForReference())
        return false;
    const checksums::ReferenceLookup& lookup = findings.GetReference();
    const std::wstring current = InputText();
    if (!current.empty() && current != m_filledReference)
        return false;
    const bool found = lookup.outcome == checksums::ReferenceLookup::Found;
    m_filledReference = found ? lookup.digest : std::wstring();
    m_referenceSource = found ? lookup.sourceName : std::wstring();
    m_referenceAlgorithm = found && !lookup.mayBeBlake2b ? std::optional<Algorithm>(lookup.algorithm) : std::nullopt;
    if (current != m_filledReference)
        SetInputText(m_filledReference);
    if (found)
        CompareDigests();
    else if (lookup.outcome == checksums::ReferenceLookup::Conflict)
        ShowVerdict(verdicts::OfConflict(lookup.sourceName, lookup.otherName));
    return lookup.outcome != checksums::ReferenceLookup::NotFound;
}
