// Turning the user's text into a yt-dlp target, running the lookup and
// publishing what it found.
#include "AppModel.h"
#include "YouTubeHosts.h"

#include <QFuture>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

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

// The answer's top-level object, or nothing when it is not one.
std::optional<QJsonObject> topLevelObject(const QByteArray& out)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

} // namespace

QString AppModel::normalize(const QString& raw)
{
    QString text = raw.trimmed();
    if (!looksLikeAddress(text))
        return searchPrefix + text;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QStringLiteral("https://"));

    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return text;
    if (!url.host().endsWith(YouTubeHosts::bareDomain()))
        return text;

    const QStringList segments =
        url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
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

AppModel::Listing AppModel::parse(const QJsonObject& answer)
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
    for (const QJsonValue& entry : array) {
        if (!entry.isObject())
            continue;
        std::optional<VideoItem> item = VideoItem::fromJson(entry.toObject());
        if (!item || seen.contains(item->id()))
            continue;
        seen.insert(item->id());
        listing.items.append(std::move(*item));
    }
    const QJsonValue title = answer.value(QLatin1String("title"));
    listing.title = title.isString() ? title.toString() : QStringLiteral("Playlist");
    return listing;
}

void AppModel::fetch()
{
    const QString typed = m_input.trimmed();
    if (typed.isEmpty() || m_isFetching)
        return;
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        setFetchError(
            QStringLiteral("The download engine is still being set up. Try again in a moment."));
        return;
    }
    setIsFetching(true);
    setFetchError(std::nullopt);

    const QString target = normalize(typed);
    // "--" keeps a target that begins with "-" from being read as an option.
    const QStringList args = m_engine.commonArgs()
                             << QStringLiteral("-J") << QStringLiteral("--flat-playlist")
                             << QStringLiteral("--no-playlist") << QStringLiteral("--no-warnings")
                             << QStringLiteral("--") << target;

    m_engine.run(*ytdlp, args, this, [this, typed, target](Result<RunResult> result) {
        if (!result) {
            failLookup(result.error().message);
            return;
        }
        const QString fallback = Engine::lastError(result.value().err)
                                     .value_or(QStringLiteral("Couldn't load that link."));
        if (result.value().status != 0) {
            failLookup(fallback);
            return;
        }
        // A big channel answers with tens of megabytes: parse off the GUI thread.
        QtConcurrent::run([out = std::move(result.value().out)]() -> std::optional<Listing> {
            std::optional<QJsonObject> answer = topLevelObject(out);
            if (!answer)
                return std::nullopt;
            return parse(*answer);
        }).then(this, [this, typed, target, fallback](std::optional<Listing> listing) {
            if (!listing)
                failLookup(fallback);
            else
                finishLookup(typed, target, std::move(*listing));
        });
    });
}

void AppModel::finishLookup(const QString& typed, const QString& target, Listing listing)
{
    QSet<QString> ids;
    ids.reserve(listing.items.size());
    for (const VideoItem& item : std::as_const(listing.items))
        ids.insert(item.id());
    const bool empty = listing.items.isEmpty();

    setIsFetching(false);
    setResults(std::move(listing.items));
    setResultsTitle(target.startsWith(QLatin1String("ytsearch"))
                        ? QStringLiteral("Search: ") + typed
                        : listing.title);
    setSelected(std::move(ids));
    if (empty)
        setFetchError(QStringLiteral("Nothing downloadable found there."));
}

void AppModel::failLookup(const QString& message)
{
    setIsFetching(false);
    setFetchError(message);
}
