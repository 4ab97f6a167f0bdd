#include "VideoItem.h"

#include "YouTubeHosts.h"

#include <QHashFunctions>
#include <QJsonArray>
#include <QJsonValue>

namespace {

// A string key counts only when it holds a non-empty JSON string.
std::optional<QString> nonEmptyString(const QJsonObject& json, QLatin1StringView key)
{
    const QJsonValue value = json.value(key);
    if (!value.isString())
        return std::nullopt;
    QString text = value.toString();
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

// Anything QUrl accepts only tolerantly (spaces, broken escapes) or the empty
// string is not an address.
std::optional<QUrl> parseUrl(const QString& text)
{
    QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid() || url.isEmpty())
        return std::nullopt;
    return url;
}

// The last entry's "url" of a non-empty array made of objects only.
std::optional<QUrl> lastListedThumbnail(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray list = value.toArray();
    if (list.isEmpty())
        return std::nullopt;
    for (const QJsonValue& entry : list) {
        if (!entry.isObject())
            return std::nullopt;
    }
    const QJsonValue url = list.last().toObject().value(QLatin1StringView("url"));
    if (!url.isString())
        return std::nullopt;
    return parseUrl(url.toString());
}

QUrl siteThumbnail(const QString& id)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(YouTubeHosts::thumbnailHost());
    url.setPath(QStringLiteral("/vi/") + id + QStringLiteral("/mqdefault.jpg"), QUrl::DecodedMode);
    return url;
}

} // namespace

std::optional<VideoItem> VideoItem::fromJson(const QJsonObject& json)
{
    const auto id = nonEmptyString(json, QLatin1StringView("id"));
    if (!id)
        return std::nullopt;

    VideoItem item;
    item.m_id = *id;
    item.m_title = nonEmptyString(json, QLatin1StringView("title")).value_or(*id);
    item.m_channel =
        nonEmptyString(json, QLatin1StringView("channel"))
            .value_or(nonEmptyString(json, QLatin1StringView("uploader")).value_or(QString()));

    const QJsonValue duration = json.value(QLatin1StringView("duration"));
    if (duration.isDouble())
        item.m_duration = duration.toDouble();

    // The extractor decides both the fallback page address and whether the
    // JSON's own thumbnails are used at all.
    QString extractor =
        nonEmptyString(json, QLatin1StringView("ie_key"))
            .value_or(nonEmptyString(json, QLatin1StringView("extractor_key")).value_or(QString()));
    const bool siteItem = extractor.startsWith(QLatin1StringView("Youtube"), Qt::CaseSensitive);

    if (auto page = nonEmptyString(json, QLatin1StringView("webpage_url"))) {
        item.m_url = *page;
    } else if (auto url = nonEmptyString(json, QLatin1StringView("url"));
               url && url->startsWith(QLatin1StringView("http"), Qt::CaseSensitive)) {
        item.m_url = *url;
    } else if (siteItem) {
        item.m_url = QStringLiteral("https://") + YouTubeHosts::mainHost() +
                     QStringLiteral("/watch?v=") + *id;
    } else {
        item.m_url = *id;
    }

    if (siteItem) {
        item.m_thumbnail = siteThumbnail(*id);
    } else if (auto thumbnail = nonEmptyString(json, QLatin1StringView("thumbnail"))) {
        item.m_thumbnail = parseUrl(*thumbnail);
    } else {
        item.m_thumbnail = lastListedThumbnail(json.value(QLatin1StringView("thumbnails")));
    }

    return item;
}

bool operator==(const VideoItem& a, const VideoItem& b)
{
    return a.m_id == b.m_id && a.m_title == b.m_title && a.m_channel == b.m_channel &&
           a.m_duration == b.m_duration && a.m_url == b.m_url && a.m_thumbnail == b.m_thumbnail;
}

namespace {

template <typename T> size_t hashOptional(const std::optional<T>& value, size_t seed) noexcept
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, value.has_value());
    if (value)
        seed = combine(seed, *value);
    return seed;
}

} // namespace

size_t qHash(const VideoItem& item, size_t seed) noexcept
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, item.id());
    seed = combine(seed, item.title());
    seed = combine(seed, item.channel());
    seed = hashOptional(item.duration(), seed);
    seed = combine(seed, item.url());
    seed = hashOptional(item.thumbnail(), seed);
    return seed;
}
