#include "Listing.h"

#include "YouTubeHosts.h"

#include <QCoreApplication>
#include <QJsonArray>
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

Listing parse(const QJsonObject& answer)
{
    Listing listing;
    const QJsonValue entries = answer.value(QLatin1String("entries"));
    if (!entries.isArray()) {
        // A single video answers with its own object.
        if (std::optional<VideoItem> item = VideoItem::fromJson(answer))
            listing.items.append(std::move(*item));
        return listing;
    }

    // yt-dlp writes null for an entry it could not list; such entries are
    // skipped like entries without an id, and the rest of the playlist stays.
    const QJsonArray array = entries.toArray();
    listing.items.reserve(array.size());
    QSet<QString> seen;
    seen.reserve(array.size());
    for (const auto& entry : array) {
        if (!entry.isObject())
            continue;
        std::optional<VideoItem> item = VideoItem::fromJson(entry.toObject());
        if (!item || seen.contains(item->id()))
            continue;
        seen.insert(item->id());
        listing.items.append(std::move(*item));
    }
    const QJsonValue title = answer.value(QLatin1String("title"));
    listing.title = title.isString()
                        ? title.toString()
                        : QCoreApplication::translate("reelcatch::Listing", "Playlist");
    return listing;
}

} // namespace reelcatch
