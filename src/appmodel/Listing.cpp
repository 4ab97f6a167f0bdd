#include "appmodel/Listing.h"

#include "model/YouTubeHosts.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace reelcatch {

namespace {

const QString searchPrefix = QStringLiteral("ytsearch30:");

bool looksLikeAddress(const QString& text)
{
    if (text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("www.")))
        return true;
    for (const QString& host : {YouTubeHosts::bareDomain(), YouTubeHosts::shortLinkHost(),
                                YouTubeHosts::mobileHost(), YouTubeHosts::musicHost()}) {
        if (text.startsWith(host))
            return true;
    }
    return false;
}

} // namespace

QString normalize(const QString& raw)
{
    QString text = raw.trimmed();
    if (!looksLikeAddress(text))
        return searchPrefix + text;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QStringLiteral("https://"));

    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return text;
    const QString host = url.host();
    if (host != YouTubeHosts::bareDomain() &&
        !host.endsWith(QLatin1Char('.') + YouTubeHosts::bareDomain()))
        return text;

    // Escaped delimiters ("%2F", "%3F", "%23") and spaces stay escaped: the
    // segments go back into an address, where they must mean what they did.
    const QStringList segments = url.path(QUrl::EncodeDelimiters | QUrl::EncodeSpaces)
                                     .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    static const QStringList channelKinds{QStringLiteral("channel"), QStringLiteral("c"),
                                          QStringLiteral("user")};
    const bool isHandle = segments.size() == 1 && segments.first().startsWith(QLatin1Char('@'));
    const bool isChannel = segments.size() == 2 && channelKinds.contains(segments.first());
    if (!isHandle && !isChannel)
        return text;
    // A channel's own page lists its tabs; its video list is what the user wants.
    return QStringLiteral("https://") + YouTubeHosts::mainHost() + QLatin1Char('/') +
           segments.join(QLatin1Char('/')) + QStringLiteral("/videos");
}

QStringList linksIn(const QString& text)
{
    QStringList links;
    QSet<QString> seen;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (looksLikeAddress(word) && !seen.contains(word)) {
            seen.insert(word);
            links.append(word);
        }
    }
    return links;
}

} // namespace reelcatch
