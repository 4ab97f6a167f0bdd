// Picking up a YouTube link the user copied in another application.
#include "appmodel/ClipboardWatch.h"

#include "appmodel/Lookup.h"
#include "appmodel/Platform.h"
#include "model/Prefs.h"
#include "model/YouTubeHosts.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QUrl>

namespace reelcatch {

namespace {

// Longest text taken, in user-perceived characters.
constexpr int maxLinkLength = 499;
// Most links taken from one copy.
constexpr qsizetype maxLinks = 100;

int graphemeCount(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

bool isYouTubeLink(const QString& text)
{
    if (graphemeCount(text) > maxLinkLength)
        return false;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString host = url.host();
    const QString domain = YouTubeHosts::bareDomain();
    return host == domain || host.endsWith(QLatin1Char('.') + domain) ||
           host == YouTubeHosts::shortLinkHost();
}

} // namespace

ClipboardWatch::ClipboardWatch(Clipboard* clipboard, Prefs& prefs, Lookup& lookup, QObject* parent)
    : QObject(parent), m_clipboard(clipboard), m_prefs(prefs), m_lookup(lookup),
      m_lastChange(clipboard ? clipboard->changeCount() : 0)
{}

void ClipboardWatch::check()
{
    if (!m_clipboard)
        return;
    const int changes = m_clipboard->changeCount();
    if (changes == m_lastChange)
        return;
    // From here on this copy counts as seen, whatever becomes of it.
    m_lastChange = changes;
    if (!m_prefs.value(PrefKey::autoPaste) || m_lookup.isFetching())
        return;

    const std::optional<QString> content = m_clipboard->text();
    if (!content)
        return;
    if (m_ownCopy) {
        if (*content == *m_ownCopy)
            return;
        m_ownCopy.reset();
    }
    // One YouTube link, or several (one a line, or separated by spaces)
    // and nothing else.
    const QStringList words =
        content->split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > maxLinks ||
        !std::all_of(words.cbegin(), words.cend(), isYouTubeLink))
        return;
    const QString text = words.join(QLatin1Char(' '));
    if (m_lookup.input() == text)
        return;
    m_lookup.setInput(text);
    m_lookup.fetch();
}

void ClipboardWatch::markSeen()
{
    if (m_clipboard)
        m_lastChange = m_clipboard->changeCount();
}

void ClipboardWatch::copy(const QString& text)
{
    if (!m_clipboard)
        return;
    m_clipboard->setText(text);
    // Seen already, whether the change is reported now or later.
    m_lastChange = m_clipboard->changeCount();
    m_ownCopy = text;
}

} // namespace reelcatch
