// Picking up a YouTube link the user copied in another application.
#include "AppModel.h"
#include "YouTubeHosts.h"

#include <QTextBoundaryFinder>
#include <QUrl>

namespace reelcatch {

namespace {

// Longest text taken, in user-perceived characters.
constexpr int maxLinkLength = 499;

int graphemeCount(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

} // namespace

void AppModel::checkPasteboard()
{
    if (!m_platform.clipboard)
        return;
    const int changes = m_platform.clipboard->changeCount();
    if (changes == m_lastPasteboardChange)
        return;
    // From here on this copy counts as seen, whatever becomes of it.
    m_lastPasteboardChange = changes;
    if (!m_prefs.autoPaste() || m_isFetching)
        return;

    const std::optional<QString> content = m_platform.clipboard->text();
    if (!content)
        return;
    const QString text = content->trimmed();
    if (text.contains(QLatin1Char('\n')) || graphemeCount(text) > maxLinkLength)
        return;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return;
    const QString host = url.host();
    if (!host.endsWith(YouTubeHosts::bareDomain()) && host != YouTubeHosts::shortLinkHost())
        return;
    if (m_input == text)
        return;
    setInput(text);
    fetch();
}

} // namespace reelcatch
